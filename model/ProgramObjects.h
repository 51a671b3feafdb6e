#pragma once

#include "model/BankIndex.h"
#include "model/ProgramParams.h"
#include "model/ProgramRecord.h"

#include <juce_events/juce_events.h>

#include <array>
#include <memory>

/** One layer of a program being edited: its 318-byte block. */
class SubObjLayerClass : public juce::ChangeBroadcaster
{
public:
    void setBlock (const Bytes& block) { layerBlock = block; }
    const Bytes& getBlock() const { return layerBlock; }
    Bytes& getBlockForEdit() { return layerBlock; }

    /** The layer's own name, empty when it has none (displays then use keymap 1's name). */
    std::string getName() const { return program::layer::ownName (layerBlock); }
    int getZoneLow() const { return bytes::u8 (layerBlock, program::layer::ZONE_LOW); }
    int getZoneHigh() const { return bytes::u8 (layerBlock, program::layer::ZONE_HIGH); }
    int getKeymap1() const { return bytes::u16 (layerBlock, program::layer::KEYMAP1); }
    int getKeymap2() const { return bytes::u16 (layerBlock, program::layer::KEYMAP2); }
    bool usesSecondKeymap() const { return (bytes::u8 (layerBlock, program::layer::FLAGS) & 0x20) != 0; }
    int getLevel() const { return bytes::s8 (layerBlock, program::layer::LEVEL); }

private:
    Bytes layerBlock;
};

/** Announces changes of a program's common part; holds no bytes. */
class SubObjProgramCommClass : public juce::ChangeBroadcaster {};

/** The program one MIDI channel plays or edits: a copy of its record, split
    into a common part and up to 32 layers. Every change is broadcast with
    changeStatus saying what changed. */
class ObjProgramEditClass : public juce::ChangeBroadcaster
{
public:
    /** changeStatus 0..31 names the layer that was replaced. */
    enum Status { BLOCK4_RECEIVED = 33, COMMON_RECEIVED = 34, BLOCK2_RECEIVED = 35, EXTRA_BLOCK_RECEIVED = 36 };

    static constexpr int COMMON_PART_SIZE = 132;   // record bytes 25..156, as block 0 carries them
    static constexpr int FX_PART_START = 108, FX_PART_SIZE = 33;

    ObjProgramEditClass();

    void loadRecord (const Bytes& record);
    const Bytes& getProgramBlock() const { return programBlock; }

    std::string getName() const { return bytes::printable (programBlock, 0, program::NAME_SIZE); }
    int getCategory() const { return getField (program::Field::category); }
    int getSubCategory() const { return getField (program::Field::subCategory); }
    int getLayerCount() const { return getField (program::Field::layerCount); }
    bool isOrganProgram() const { return getField (program::Field::kind) == program::ORGAN_KIND; }
    /** Bytes 25..157; missing bytes of a short block read as 0. */
    Bytes getCommonBlock() const;

    int getField (program::Field field) const { return program::getField (programBlock, field); }
    void setField (program::Field field, int value) { program::setField (programBlock, field, value); }

    /** Insert, aux 1 and aux 2 FX chain IDs. */
    std::array<int, 3> getFxChains() const;
    void setFxChains (const std::array<int, 3>& chains);

    SubObjLayerClass& getLayer (int layer) { return *layers[(size_t) juce::jlimit (0, 31, layer)]; }
    SubObjProgramCommClass& getCommon() { return common; }
    const Bytes& getExtraBlock() const { return extraBlock; }

    /** A parameter's value where the place says: in the common part or in a layer. */
    int readPlace (const program::param::Place& place) const;
    /** Keeps the mirror current after a parameter was sent; announces nothing. */
    void writePlace (const program::param::Place& place, int value);

    void setLayer (int layer, const Bytes& block);
    /** Block 0 from the instrument: the name and the common part (flags, FX routing, layer count). */
    void setCommonPart (const Bytes& name, const Bytes& part);
    /** Block 4 from the instrument: the FX routing bytes. */
    void setFxPart (const Bytes& part);
    void block2Received();
    void setExtraBlock (const Bytes& block);

    int changeStatus = 0;

private:
    void announce (int status);
    void putBytes (int start, const Bytes& part, int limit);

    SubObjProgramCommClass common;
    std::array<std::unique_ptr<SubObjLayerClass>, program::MAX_LAYERS> layers;
    Bytes extraBlock;
    Bytes programBlock;
};

/** The program bank and the questions browsers ask of it. */
class ObjProgramBankClass : public juce::ChangeBroadcaster
{
public:
    BankIndex bank;

    bool exists (int id) const { return bank.exists (id); }
    int recordOffset (int id) const { return bank.recordOffset (id); }
    std::string getName (int id) const { return bank.getName (id); }
    Bytes getNameBytes (int id) const;
    int getCategory (int id) const { return bank.getByte (id, 30); }
    int getSubCategory (int id) const { return bank.getByte (id, 31); }
    bool isOrganProgram (int id) const { return (bank.getByte (id, program::KIND) & 0xFF) == program::ORGAN_KIND; }
    std::string getKindText (int id) const { return isOrganProgram (id) ? "TW3" : "ZEPH"; }
    Bytes getCommonBlock (int id) const;
    int getLayerCount (int id) const { return bank.getByte (id, program::LAYER_COUNT) & 0xFF; }
    int getLayerByte (int id, int layer, int k) const;
    int getLayerKeymap (int id, int layer) const;
    std::string getLayerName (int id, int layer) const;
    Bytes getControllerNames (int id) const;
    Bytes getControllerAssignments (int id) const;
    std::array<int, 3> getFxChains (int id) const;
};
