#include "model/ProgramObjects.h"

ObjProgramEditClass::ObjProgramEditClass()
{
    for (auto& layer : layers)
        layer = std::make_unique<SubObjLayerClass>();
}

void ObjProgramEditClass::loadRecord (const Bytes& record)
{
    programBlock = record;
    for (int l = 0; l < program::layerCount (record); ++l)
        layers[(size_t) l]->setBlock (bytes::slice (record, program::layerOffset (l), program::LAYER_SIZE));
}

Bytes ObjProgramEditClass::getCommonBlock() const
{
    Bytes block (program::COMMON_SIZE, 0);
    for (int i = 0; i < program::COMMON_SIZE; ++i)
        block[(size_t) i] = (uint8_t) bytes::u8 (programBlock, program::COMMON_START + i);
    return block;
}

std::array<int, 3> ObjProgramEditClass::getFxChains() const
{
    return { getField (program::Field::insertChain), getField (program::Field::aux1Chain), getField (program::Field::aux2Chain) };
}

void ObjProgramEditClass::setFxChains (const std::array<int, 3>& chains)
{
    setField (program::Field::insertChain, chains[0]);
    setField (program::Field::aux1Chain, chains[1]);
    setField (program::Field::aux2Chain, chains[2]);
}

void ObjProgramEditClass::announce (int status)
{
    changeStatus = status;
    sendChangeMessage();
}

void ObjProgramEditClass::setLayer (int layer, const Bytes& block)
{
    if (layer < 0 || layer >= program::MAX_LAYERS)
        return;
    layers[(size_t) layer]->setBlock (block);
    announce (layer);
}

int ObjProgramEditClass::readPlace (const program::param::Place& place) const
{
    if (place.layer < 0)
        return program::param::read (programBlock, place.offset, place);
    return program::param::read (layers[(size_t) juce::jlimit (0, 31, place.layer)]->getBlock(), place.offset, place);
}

void ObjProgramEditClass::writePlace (const program::param::Place& place, int value)
{
    if (place.layer < 0)
        program::param::write (programBlock, place.offset, place, value);
    else if (place.layer < program::MAX_LAYERS)
        program::param::write (layers[(size_t) place.layer]->getBlockForEdit(), place.offset, place, value);
}

void ObjProgramEditClass::putBytes (int start, const Bytes& part, int limit)
{
    const int n = std::min ((int) part.size(), limit);
    if ((int) programBlock.size() < start + n)
        programBlock.resize ((size_t) (start + n), 0);
    std::copy (part.begin(), part.begin() + n, programBlock.begin() + start);
}

void ObjProgramEditClass::setCommonPart (const Bytes& name, const Bytes& part)
{
    putBytes (0, name, program::NAME_SIZE);
    putBytes (program::COMMON_START, part, COMMON_PART_SIZE);
    announce (COMMON_RECEIVED);
}

void ObjProgramEditClass::setFxPart (const Bytes& part)
{
    putBytes (FX_PART_START, part, FX_PART_SIZE);
    announce (BLOCK4_RECEIVED);
}

void ObjProgramEditClass::block2Received() { announce (BLOCK2_RECEIVED); }

void ObjProgramEditClass::setExtraBlock (const Bytes& block)
{
    extraBlock = block;
    announce (EXTRA_BLOCK_RECEIVED);
}

//==============================================================================
Bytes ObjProgramBankClass::getNameBytes (int id) const
{
    auto name = exists (id) ? bank.getBytes (id, 0, program::NAME_SIZE) : Bytes();
    name.resize (program::NAME_SIZE, 0);
    return name;
}

Bytes ObjProgramBankClass::getCommonBlock (int id) const
{
    auto block = bank.getBytes (id, program::COMMON_START, program::COMMON_SIZE);
    block.resize (program::COMMON_SIZE, 0);
    return block;
}

int ObjProgramBankClass::getLayerByte (int id, int layer, int k) const
{
    return bank.getByte (id, program::layerOffset (layer) + k);
}

int ObjProgramBankClass::getLayerKeymap (int id, int layer) const
{
    return bank.getWord (id, program::layerOffset (layer) + program::layer::KEYMAP1);
}

std::string ObjProgramBankClass::getLayerName (int id, int layer) const
{
    return bytes::printable (bank.getBytes (id, program::layerOffset (layer) + program::layer::NAME, 20), 0, 20);
}

Bytes ObjProgramBankClass::getControllerNames (int id) const
{
    const auto record = bank.getRecord (id);
    return bytes::slice (record, program::nameListOffset (record), program::nameListSize (record));
}

Bytes ObjProgramBankClass::getControllerAssignments (int id) const
{
    const auto record = bank.getRecord (id);
    return bytes::slice (record, program::assignmentListOffset (record), program::assignmentListSize (record));
}

std::array<int, 3> ObjProgramBankClass::getFxChains (int id) const
{
    return { bank.getWord (id, program::INSERT_CHAIN), bank.getWord (id, program::AUX1_CHAIN), bank.getWord (id, program::AUX2_CHAIN) };
}
