#include "support/VirtualRig.h"
#include "model/ProgramParams.h"

namespace param = program::param;
using protocol::ParamAddress;

//==============================================================================
struct PackedCase
{
    ParamAddress address;
    int role, currentByte, value, wholeByte;
};

class PackedByteTest : public ::testing::TestWithParam<PackedCase> {};

TEST_P (PackedByteTest, ReplacesOnlyTheControlsBits)
{
    const auto& c = GetParam();
    EXPECT_EQ (param::packedByte (c.currentByte, c.address, c.role, c.value), c.wholeByte);
    EXPECT_EQ (param::unpackedValue (c.wholeByte, c.address, c.role), c.value);
}

INSTANTIATE_TEST_SUITE_P (Flags, PackedByteTest, ::testing::Values (
    PackedCase { { 1, 0, 1, 0, 24 }, 1, 0x1A, 1, 0x1B },   // Monophonic: bit 0
    PackedCase { { 1, 0, 1, 0, 25 }, 2, 0x01, 1, 0x03 },   // Portamento: bit 1
    PackedCase { { 1, 0, 1, 0, 2 }, 3, 0x00, 1, 0x04 },    // Globals: bit 2
    PackedCase { { 1, 0, 1, 0, 26 }, 4, 0xFF, 0, 0xF7 },   // Attack: bit 3
    PackedCase { { 1, 0, 1, 0, 27 }, 5, 0x01, 1, 0x11 },   // Legato Play: bit 4
    PackedCase { { 1, 0, 1, 0, 28 }, 5, 0x11, 1, 0x31 },   // Mono Sample Xfade: its own bit 5, not Legato's
    PackedCase { { 1, 0, 5, 0, 0 }, 0, 0x06, 1, 0x07 },    // Insert output keeps both aux types
    PackedCase { { 1, 0, 5, 0, 0 }, 2, 0x05, 1, 0x07 },    // Aux 1 type: bit 1
    PackedCase { { 1, 0, 5, 0, 0 }, 3, 0x03, 0, 0x03 },    // Aux 2 type: bit 2
    PackedCase { { 1, 0, 5, 0, 2 }, 1, 0x80, 100, 0xE4 },  // Aux 1 send level under its pre/post bit
    PackedCase { { 1, 0, 5, 0, 3 }, 2, 0xE4, 0, 0x64 }));  // Aux 2 pre/post: bit 7

TEST (ProgramParamPlaces, CommonAndLayerAddressesLandWhereTheRecordKeepsThem)
{
    struct Case { ParamAddress address; long recordOffset; int width; bool isSigned; };
    const Case cases[] = {
        { { 1, 0, 1, 0, 3 }, 0x3E, 8, true },  { { 1, 0, 1, 0, 19 }, 0x4E, 8, true }, { { 1, 0, 1, 0, 20 }, 0x50, 8, true },
        { { 1, 0, 1, 0, 22 }, 0x53, 8, true }, { { 1, 0, 0, 0, 2 }, 0x20, 16, false }, { { 1, 0, 5, 0, 1 }, 0x6D, 16, false },
        { { 1, 0, 5, 1, 1 }, 0x79, 16, false }, { { 1, 0, 5, 2, 1 }, 0x85, 16, false }, { { 1, 0, 5, 0, 6 }, 0x73, 8, false },
        { { 2, 0, 1, 0, 3 }, program::layerOffset (0) + 2, 8, false },
        { { 2, 31, 1, 0, 4 }, program::layerOffset (31) + 3, 8, false },
        { { 2, 3, 10, 0, 10 }, program::layerOffset (3) + 0x8E, 16, false },
        { { 2, 3, 10, 0, 7 }, program::layerOffset (3) + 0x8A, 16, false },
        { { 2, 7, 11, 0, 1 }, program::layerOffset (7) + 0xD0, 8, true },
    };
    for (const auto& c : cases)
    {
        const auto place = param::placeOf (c.address);
        ASSERT_TRUE (place.has_value()) << c.address.level << "/" << c.address.block << "/" << c.address.param;
        EXPECT_EQ (param::recordOffset (*place), c.recordOffset);
        EXPECT_EQ (place->width, c.width);
        EXPECT_EQ (place->isSigned, c.isSigned);
    }
    // Layer 32, a program address with a unit, other levels and unknown numbers are nowhere.
    for (const ParamAddress& nowhere : { ParamAddress { 2, 32, 1, 0, 3 }, ParamAddress { 1, 1, 1, 0, 20 },
                                         ParamAddress { 5, 0, 5, 0, 24 }, ParamAddress { 1, 0, 1, 0, 99 } })
        EXPECT_FALSE (param::placeOf (nowhere).has_value());
}

TEST (ProgramParamPlaces, ARecordTakesNoLayerItDoesNotHave)
{
    Bytes record (program::layerOffset (1), 0);
    record[program::LAYER_COUNT] = 1;
    EXPECT_TRUE (param::applyToRecord (record, { 2, 0, 11, 0, 1 }, -12));
    EXPECT_EQ (bytes::s8 (record, program::layerOffset (0) + 0xD0), -12);
    EXPECT_FALSE (param::applyToRecord (record, { 2, 1, 11, 0, 1 }, 5));
    EXPECT_EQ (record.size(), (size_t) program::layerOffset (1));
    // A record too short for the place drops the write instead of growing or overrunning.
    Bytes tiny (10, 0);
    EXPECT_TRUE (param::applyToRecord (tiny, { 1, 0, 1, 0, 20 }, 3));
    EXPECT_EQ (tiny, Bytes (10, 0));
}

//==============================================================================
class ParameterEditTest : public VirtualRigTest
{
protected:
    /** The value of the last parameter-change run the instrument received for an address. */
    int lastValueOnWire (int channel, const ParamAddress& a) { return instrument->getParameter (channel, a.level, a.unit, a.block, a.sub, a.param); }
    ObjProgramEditClass& mirror (int channel) { return *store().programEdits[(size_t) channel]; }
};

TEST_F (ParameterEditTest, APackedFlagSendsTheWholeByteAndKeepsTheOtherFlags)
{
    const int before = bytes::u8 (instrument->getEditBuffer (2), 0x3D);
    ASSERT_EQ (bytes::u8 (mirror (2).getProgramBlock(), 0x3D), before);

    midi().sendParameterEdit (1, { 1, 0, 1, 0, 24 }, 2, 1);   // Monophonic on
    midi().sendParameterEdit (2, { 1, 0, 1, 0, 25 }, 2, 1);   // Portamento on
    settle();

    const int expected = before | 0x03;
    EXPECT_EQ (lastValueOnWire (2, { 1, 0, 1, 0, 25 }), expected);
    EXPECT_EQ (bytes::u8 (instrument->getEditBuffer (2), 0x3D), expected);
    EXPECT_EQ (bytes::u8 (mirror (2).getProgramBlock(), 0x3D), expected);
    EXPECT_EQ (bytes::u8 (instrument->getEditBuffer (3), 0x3D), bytes::u8 (mirror (3).getProgramBlock(), 0x3D));
}

TEST_F (ParameterEditTest, PitchBendDownGoesOutNegated)
{
    midi().sendParameterEdit (param::NEGATED, { 1, 0, 1, 0, 19 }, 0, -5);
    settle();
    EXPECT_EQ (lastValueOnWire (0, { 1, 0, 1, 0, 19 }), 5);
    EXPECT_EQ (bytes::s8 (instrument->getEditBuffer (0), 0x4E), 5);
    EXPECT_EQ (mirror (0).getField (program::Field::pitchBendDown), 5);
}

TEST_F (ParameterEditTest, ClockSourceSendsTheMultisTempoOrNothing)
{
    const ParamAddress clock { 5, 0, 5, 0, 24 };
    store().multis.loadMulti (1, store().multiEdit);
    const int stored = store().multiTempo();

    midi().sendParameterEdit (1, clock, 0, 0);
    settle();
    EXPECT_EQ (lastValueOnWire (0, clock), stored > 0 ? stored : MidiCntrState::DEFAULT_TEMPO);
    midi().sendParameterEdit (1, clock, 0, 1);
    settle();
    EXPECT_EQ (lastValueOnWire (0, clock), 0);
    // The tempo itself (role 0 on the same address) goes out as it is.
    midi().sendParameterEdit (0, clock, 0, 87);
    settle();
    EXPECT_EQ (lastValueOnWire (0, clock), 87);
}

TEST_F (ParameterEditTest, TheMirrorComesBackFromTheInstrumentWhenAsked)
{
    midi().setChannelProgram (1, 3, true);
    settle();
    ASSERT_GE (mirror (1).getLayerCount(), 1);
    midi().sendParameterChange ({ 1, 0, 1, 0, 20 }, 1, -17);   // Out Gain, past the mirror
    midi().sendParameterChange ({ 2, 0, 11, 0, 1 }, 1, -30);   // layer 1 level
    settle();
    ASSERT_NE (mirror (1).getField (program::Field::outGain), -17);

    store().requestProgramBlock (1, 0);
    ASSERT_TRUE (pumpUntil ([this] { return mirror (1).getField (program::Field::outGain) == -17
                                          && mirror (1).getLayer (0).getLevel() == -30; }));
    EXPECT_EQ (mirror (1).getName(), store().programs.getName (3));
}

TEST_F (ParameterEditTest, AChangeOnTheInstrumentsPanelReachesTheMirror)
{
    int statusSeen = -1;
    struct Watch : juce::ChangeListener
    {
        int& seen;
        explicit Watch (int& s) : seen (s) {}
        void changeListenerCallback (juce::ChangeBroadcaster* b) override { seen = static_cast<ObjProgramEditClass*> (b)->changeStatus; }
    } watch { statusSeen };
    mirror (4).addChangeListener (&watch);

    instrument->changeOnBoard (4, { 1, 0, 1, 0, 22 }, -33);
    ASSERT_TRUE (pumpUntil ([&] { return mirror (4).getField (program::Field::outPan) == -33; }));
    EXPECT_EQ (statusSeen, ObjProgramEditClass::COMMON_RECEIVED);

    instrument->changeOnBoard (4, { 2, 0, 1, 0, 3 }, 40);
    ASSERT_TRUE (pumpUntil ([&] { return mirror (4).getLayer (0).getZoneLow() == 40; }));
    EXPECT_EQ (statusSeen, 0);
    mirror (4).removeChangeListener (&watch);
}

TEST_F (ParameterEditTest, HostileEditBufferBlocksAreDroppedOrCut)
{
    auto& edit = mirror (5);
    const auto before = edit.getProgramBlock();
    // A block 0 of the wrong length changes nothing.
    protocol::Bytes shortBlock { 0x07, 0x46, 0x01, 0x00, 2, 0, 0, 5, 0, 0, 1, 0x41, 0x42 };
    store().receiveEditBuffer (shortBlock);
    EXPECT_EQ (edit.getProgramBlock(), before);
    // Oversized parts are cut to their size; an empty mirror grows to hold them.
    ObjProgramEditClass empty;
    empty.setCommonPart (Bytes (500, 'A'), Bytes (1000, 7));
    EXPECT_EQ (empty.getProgramBlock().size(), (size_t) (program::COMMON_START + ObjProgramEditClass::COMMON_PART_SIZE));
    EXPECT_EQ (empty.getName(), std::string (20, 'A'));
    empty.setFxPart (Bytes (1000, 9));
    EXPECT_EQ (bytes::u8 (empty.getProgramBlock(), ObjProgramEditClass::FX_PART_START + ObjProgramEditClass::FX_PART_SIZE), 7);
}
