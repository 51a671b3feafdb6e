#pragma once

#include "comms/FIFO_Class.h"
#include "comms/ObjectStore.h"
#include "model/MultiObjects.h"
#include "model/OtherObjects.h"
#include "model/ProgramObjects.h"

#include <juce_core/juce_core.h>

/** The object store: every bank, the sixteen channels' program edit
    objects, the multi and master objects, and the decoder that turns the
    instrument's edit-buffer messages into them. Message thread only. */
class ZK5Class : public ObjectStore,
                 public juce::ChangeBroadcaster
{
public:
    /** Banks are read from and written to this folder. */
    explicit ZK5Class (juce::File libraryFolder);

    void setSender (std::function<void (const protocol::Bytes&)> sender) override;
    void loadBanks() override;
    void saveBanks() override;

    std::array<int, 3> loadChannelProgram (int channel, int program) override;
    void setChannelFxChains (int channel, const std::array<int, 3>& chains) override;
    void receiveEditBuffer (const protocol::Bytes& message) override;
    std::array<int, 16> channelProgramsOfGlobalBlock() const override;
    void receiveTransfer (const protocol::Bytes& message) override;
    std::string objectName (int typeCode, int id) const override;
    ObjProgramEditClass* programEdit (int channel) override;
    int multiTempo() const override;

    /** Edit-buffer requests to the instrument (its replies come back through the decoder). */
    void requestProgramBlock (int channel, int block);
    void requestMultiBlock (int block, int zone);
    void requestGlobalBlock (int block);

    /** The bank of a type; nullptr for a type the store does not keep. */
    BankIndex* bankOf (int typeCode);
    const BankIndex* bankOf (int typeCode) const { return const_cast<ZK5Class*> (this)->bankOf (typeCode); }

    ObjKeyMapClass keymaps;
    ObjArpClass arps;
    ObjPatIntClass intonations;
    ObjPatShiftClass shiftPatterns;
    ObjPatVelClass velocityPatterns;
    ObjAlgClass algorithms;
    ObjSampleClass samples;
    ObjSongClass songs;
    ObjProgramBankClass programs;
    std::array<std::unique_ptr<ObjProgramEditClass>, 16> programEdits;
    ObjSetupBankClass multis;
    ObjMultiClass multiEdit;
    ObjFXChainClass fxChains;
    ObjMasterClass master;
    FIFO_Class transfer;

    /** The program bank of a store; an empty bank when the store is not this kind. */
    static const BankIndex& programBankOf (const ObjectStore* store);
    /** The multi bank of a store; an empty bank when the store is not this kind. */
    static const BankIndex& multiBankOf (const ObjectStore* store);

    /** The bank a type starts from: its library file, or the factory bank
        when the file is missing or empty. */
    static Bytes startupBank (int typeCode, const juce::File& folder);

private:
    void decodeProgramBlock (const protocol::Bytes& m, int channel, int block, int layer);
    void decodeMultiBlock (const protocol::Bytes& m, int block, int zone);

    void send (const protocol::Bytes& message) const;

    juce::File folder;
    std::function<void (const protocol::Bytes&)> sender;
};
