#include "comms/ZK5Class.h"
#include "comms/LibraryFiles.h"
#include "resources/FactoryBanks.h"

using protocol::byteAt;

ZK5Class::ZK5Class (juce::File libraryFolder)
    : transfer ([this] (const protocol::Bytes& m) { send (m); }, [this] (int type) { return bankOf (type); }),
      folder (std::move (libraryFolder))
{
    for (auto& edit : programEdits)
        edit = std::make_unique<ObjProgramEditClass>();
}

BankIndex* ZK5Class::bankOf (int typeCode)
{
    switch (typeCode)
    {
        case typeProgram: return &programs.bank;
        case typeMulti: return &multis.bank;
        case typeFxChain: return &fxChains.bank;
        case typeKeymap: return &keymaps.bank;
        case typeIntonation: return &intonations.bank;
        case typeShiftPattern: return &shiftPatterns.bank;
        case typeVelocityPattern: return &velocityPatterns.bank;
        case typeArp: return &arps.bank;
        case typeSong: return &songs.bank;
        case typeAlg: return &algorithms.bank;
        case typeSample: return &samples.bank;
        default: return nullptr;
    }
}

Bytes ZK5Class::startupBank (int typeCode, const juce::File& libraryFolder)
{
    const auto data = library::readWhole (libraryFolder.getChildFile (objectTypeInfo (typeCode)->fileName));
    if (data.getSize() > 0)
        return Bytes (static_cast<const uint8_t*> (data.getData()), static_cast<const uint8_t*> (data.getData()) + data.getSize());

    const auto factory = factoryBank (typeCode);
    return Bytes (factory.data, factory.data + factory.size);
}

void ZK5Class::loadBanks()
{
    for (const int type : loadedTypes)
        bankOf (type)->build (type, startupBank (type, folder), objectTypeInfo (type)->maxId);
}

void ZK5Class::saveBanks()
{
    for (const int type : savedTypes)
    {
        const auto& stream = bankOf (type)->getStream();
        library::writeAtomically (folder.getChildFile (objectTypeInfo (type)->fileName), stream.data(), stream.size());
    }
}

std::array<int, 3> ZK5Class::loadChannelProgram (int channel, int program)
{
    auto& edit = *programEdits[(size_t) juce::jlimit (0, 15, channel)];
    edit.loadRecord (programs.bank.getRecord (program));
    return edit.getFxChains();
}

void ZK5Class::setChannelFxChains (int channel, const std::array<int, 3>& chains)
{
    programEdits[(size_t) juce::jlimit (0, 15, channel)]->setFxChains (chains);
}

std::array<int, 16> ZK5Class::channelProgramsOfGlobalBlock() const
{
    std::array<int, 16> programsOfChannels {};
    for (int channel = 0; channel < 16; ++channel)
        programsOfChannels[(size_t) channel] = master.getEntryValue (channel);
    return programsOfChannels;
}

std::string ZK5Class::objectName (int typeCode, int id) const
{
    const auto* bank = bankOf (typeCode);
    return bank != nullptr ? bank->getName (id) : std::string();
}

ObjProgramEditClass* ZK5Class::programEdit (int channel)
{
    return juce::isPositiveAndBelow (channel, 16) ? programEdits[(size_t) channel].get() : nullptr;
}

int ZK5Class::multiTempo() const
{
    const int tempo = multiEdit.getValue (multi::TEMPO_GROUP, multi::TEMPO_FIELD, 0);
    return tempo >= 20 ? tempo : 0;   // below 20 the multi follows an outside clock
}

void ZK5Class::setSender (std::function<void (const protocol::Bytes&)> newSender)
{
    sender = std::move (newSender);
}

void ZK5Class::send (const protocol::Bytes& message) const
{
    if (sender)
        sender (message);
}

void ZK5Class::requestProgramBlock (int channel, int block) { send (protocol::editBufferRequest (protocol::CMD_PROGRAM, channel, block, 0)); }
void ZK5Class::requestMultiBlock (int block, int zone) { send (protocol::editBufferRequest (protocol::CMD_MULTI, 0, block, zone)); }
void ZK5Class::requestGlobalBlock (int block) { send (protocol::editBufferRequest (protocol::CMD_GLOBAL, 0, block, 0)); }

void ZK5Class::receiveTransfer (const protocol::Bytes& message)
{
    transfer.handleInboxMessage (message);
}

//==============================================================================
namespace
{
/** The packed payload of a message (without 0xF0) from a byte on, its 0xF7 not included. */
Bytes unpackFrom (const protocol::Bytes& m, size_t start)
{
    return start < m.size() ? protocol::unpack (m.data() + start, m.size() - start) : Bytes();
}
}

void ZK5Class::receiveEditBuffer (const protocol::Bytes& m)
{
    // Requests, replies to the transfer engine and data not from the instrument's buffer are not ours.
    const int command = byteAt (m, 4), a = byteAt (m, 7), block = byteAt (m, 8), c = byteAt (m, 9);
    if (command == protocol::CMD_OBJECT)
    {
        transfer.handleInboxMessage (m);   // object transfers always go to the engine
        return;
    }
    if (command == protocol::CMD_OBJECT_ALT || m.size() == protocol::REQUEST_SIZE - 1 || byteAt (m, 10) != 1 || a == 32)
        return;

    switch (command)
    {
        case protocol::CMD_PROGRAM:
            if (a < 16)
                decodeProgramBlock (m, a, block, c);
            break;

        case protocol::CMD_GLOBAL:
            if (block <= 3)
                master.setPart (block + 1, unpackFrom (m, 11));
            break;

        case protocol::CMD_MULTI:
            decodeMultiBlock (m, block, c);
            break;

        default:
            break;
    }
}

void ZK5Class::decodeProgramBlock (const protocol::Bytes& m, int channel, int block, int layer)
{
    auto& edit = *programEdits[(size_t) channel];
    switch (block)
    {
        case 1:
            if (m.size() == 376 && layer < program::MAX_LAYERS)
            {
                auto data = unpackFrom (m, 12);
                data.resize (program::LAYER_SIZE, 0);
                edit.setLayer (layer, data);
            }
            break;
        case 0:
            if (m.size() == 184)
                edit.setCommonPart (bytes::slice (m, 11, program::NAME_SIZE), unpackFrom (m, 32));
            break;
        case 2: if (m.size() == 118) edit.block2Received(); break;
        case 4: edit.setFxPart (unpackFrom (m, 12)); break;
        case 6: edit.setExtraBlock (unpackFrom (m, 11)); break;
        default: break;
    }
}

void ZK5Class::decodeMultiBlock (const protocol::Bytes& m, int block, int zone)
{
    switch (block)
    {
        case 0:
            if (m.size() == 84)
                multiEdit.setNamePart (bytes::slice (m, 11, 20), unpackFrom (m, 31));
            break;
        case 1:
            if (m.size() == 463)
                multiEdit.setMainPart (unpackFrom (m, 11));
            break;
        case 2:
            multiEdit.setZone (zone, unpackFrom (m, 11));
            break;
        default:
            break;
    }
}

namespace
{
const BankIndex& emptyBank()
{
    static const BankIndex empty;
    return empty;
}
}

const BankIndex& ZK5Class::programBankOf (const ObjectStore* store)
{
    const auto* zk5 = dynamic_cast<const ZK5Class*> (store);
    return zk5 != nullptr ? zk5->programs.bank : emptyBank();
}

const BankIndex& ZK5Class::multiBankOf (const ObjectStore* store)
{
    const auto* zk5 = dynamic_cast<const ZK5Class*> (store);
    return zk5 != nullptr ? zk5->multis.bank : emptyBank();
}
