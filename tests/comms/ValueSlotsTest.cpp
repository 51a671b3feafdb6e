#include "support/Fixtures.h"

using protocol::Bytes;

TEST (ValueSlots, LayoutOfTheTable)
{
    const ValueSlots table;
    ASSERT_EQ (table.size(), 2314);

    struct Case { int slot; int kind; int channel; int index; int method; int minimum; int maximum; int value; int display; const char* id; int flag; };
    const Case cases[] = {
        { 0,    15, 0, 0, 12, 0, 8192, 0, 2200, "216", 1 },
        { 9,    15, 0, 9, 1, -64, 64, 0, 107, "209", 1 },
        { 16 * 5 + 10, 15, 5, 10, 1, -96, 24, 0, 108, "210", 1 },
        { 16 * 15 + 11, 15, 15, 11, 2, 1, 8191, 0, 2100, "211", 1 },
        { 16 * 3 + 15, 15, 3, 15, 21, 0, 127, 0, 2102, "217", 1 },
        { 256,  17, 0, 0, 18, 0, 127, 0, 0, "", 0 },
        { 268,  17, 0, 12, 18, 0, 127, 0, 0, "", 1 },
        { 284,  17, 0, 28, 18, 0, 127, 0, 0, "", 1 },
        { 285,  17, 0, 29, 18, 0, 127, 0, 0, "", 0 },
        { 256 + 128 * 15 + 127, 17, 15, 127, 18, 0, 127, 0, 0, "", 0 },
        { 2304, 19, 0, 0, 3, 1, 127, 1, 2800, "410", 1 },
        { 2305, 19, 0, 1, 5, 1, 2, 1, 400, "400", 1 },
        { 2309, 19, 0, 5, 7, 1, 2048, 1, 2200, "405", 1 },
        { 2313, 19, 0, 9, 23, 0, 127, 1, 2800, "408", 1 },
    };

    for (const auto& c : cases)
    {
        const auto& info = table.info (c.slot);
        EXPECT_EQ (info.kind, c.kind) << c.slot;
        EXPECT_EQ (info.channel, c.channel) << c.slot;
        EXPECT_EQ (info.index, c.index) << c.slot;
        EXPECT_EQ (info.sendMethod, c.method) << c.slot;
        EXPECT_EQ (info.minimum, c.minimum) << c.slot;
        EXPECT_EQ (info.maximum, c.maximum) << c.slot;
        EXPECT_EQ (table.get (c.slot), c.value) << c.slot;
        EXPECT_EQ (info.displayCode, c.display) << c.slot;
        EXPECT_EQ (info.idText, c.id) << c.slot;
        EXPECT_EQ (info.flag, c.flag) << c.slot;
    }
}

TEST (ValueSlots, Labels)
{
    const ValueSlots table;
    EXPECT_EQ (table.label (16 * 2 + 9, false), "Pan");
    EXPECT_EQ (table.label (16 * 2 + 9, true), "Pan Ch.3");
    EXPECT_EQ (table.label (slots::controllerSlot (4, 74), true), "MIDI 74 Ch.5");
    EXPECT_EQ (table.label (2312, false), "Multi Bank No");
    EXPECT_EQ (table.label (99999, false), "");
}

//==============================================================================
class SendParameterTest : public ConnectedTest {};

TEST_F (SendParameterTest, WhatEachKindOfSlotPutsOnTheWire)
{
    const protocol::ParamAddress level { 1, 0, 1, 0, 20 };
    const protocol::ParamAddress aux2Chain { 1, 0, 5, 2, 1 };

    struct Case { const char* what; int slot; int value; std::vector<Bytes> wire; };
    std::vector<Case> cases = {
        { "level on channel 3", 16 * 2 + 10, -6, parameterRun (3, level, -6) },
        { "aux 2 chain", 16 * 7 + 6, 300, parameterRun (8, aux2Chain, 300) },
        { "program", 16 * 4 + 11, 133, { protocol::channelValue (4, 133) } },
        { "multi", 2304, 77, { protocol::globalValue (77) } },
        { "mode 2", 2305, 2, parameterRun (1, { 12, 0, 0, 0, 11 }, 2) },
        { "mode out of range", 2305, 3, {} },
        { "plain controller", slots::controllerSlot (6, 74), 99, { cc (7, 74, 99) } },
        { "FX alloc", 16 * 1 + 2, 1, {} },
        { "aux 1 out", 16 * 1 + 5, 1, {} },
        { "aux 2 out", 16 * 1 + 8, 1, {} },
        { "solo is never sent", 16 * 1 + 12, 1, {} },
        { "global without a method", 2306, 5, {} },
    };

    // Pan also moves controller 10, with value + 63 and 0 for the far left.
    auto panLeft = parameterRun (1, { 1, 0, 1, 0, 22 }, -64);
    panLeft.insert (panLeft.begin(), cc (1, 10, 0));
    cases.push_back ({ "pan -64", 9, -64, panLeft });
    auto panRight = parameterRun (16, { 1, 0, 1, 0, 22 }, 64);
    panRight.insert (panRight.begin(), cc (16, 10, 127));
    cases.push_back ({ "pan 64", 16 * 15 + 9, 64, panRight });

    for (const auto& c : cases)
    {
        midi().sendParameter (c.slot, c.value);
        EXPECT_EQ (wire->take(), c.wire) << c.what;
    }
}

TEST_F (SendParameterTest, AnotherFamilyMemberGetsNothingButValuesStillChange)
{
    midi().otherMember = true;
    midi().setValue (16 * 2 + 10, -12, true);
    midi().setChannelProgram (3, 500, true);

    EXPECT_TRUE (wire->take().empty());
    EXPECT_EQ (midi().getValue (16 * 2 + 10), -12);
    EXPECT_EQ (midi().getChannelProgram (3), 500);
    EXPECT_EQ (midi().takePendingParameters().size(), 5u);   // level, three FX chains, program
}

TEST_F (SendParameterTest, ChoosingAProgramLoadsItAndTakesItsFxChains)
{
    midi().setChannelProgram (5, 700, true);

    EXPECT_EQ (wire->take(), std::vector<Bytes> { protocol::channelValue (5, 700) });
    ASSERT_EQ (store->loadedPrograms.size(), 1u);
    EXPECT_EQ (store->loadedPrograms[0], std::make_pair (5, 700));
    EXPECT_EQ (midi().getValue (slots::channelSlot (5, slots::INSERT_FX_CHAIN)), 701);
    EXPECT_EQ (midi().getValue (slots::channelSlot (5, slots::AUX1_FX_CHAIN)), 702);
    EXPECT_EQ (midi().getValue (slots::channelSlot (5, slots::AUX2_FX_CHAIN)), 703);

    // The program slot's notification comes last, after the chains it brought.
    const auto pairs = midi().takePendingParameters();
    ASSERT_FALSE (pairs.empty());
    EXPECT_EQ (pairs.back().address, 1 << 16 | slots::programSlot (5));
    EXPECT_EQ (pairs.back().value, 700);

    // The same program again is sent again but not reloaded; 0 is no program.
    midi().setChannelProgram (5, 700, true);
    midi().setChannelProgram (5, 0, false);
    EXPECT_EQ (wire->take().size(), 1u);
    EXPECT_EQ (store->loadedPrograms.size(), 1u);
    EXPECT_EQ (midi().getChannelProgram (5), 700);
}

TEST_F (SendParameterTest, ChangingOneFxChainKeepsTheOtherTwo)
{
    midi().setChannelProgram (2, 10, false);   // chains 11, 12, 13
    midi().setValue (slots::channelSlot (2, slots::AUX1_FX_CHAIN), 40, false);

    ASSERT_EQ (store->fxChains.size(), 1u);
    EXPECT_EQ (store->fxChains[0].first, 2);
    EXPECT_EQ (store->fxChains[0].second, (std::array<int, 3> { 11, 40, 13 }));
}

TEST_F (SendParameterTest, NegativeValuesArePostedInSixteenBits)
{
    midi().setValue (9, -64, false);
    const auto pairs = midi().takePendingParameters();
    ASSERT_EQ (pairs.size(), 1u);
    EXPECT_EQ (pairs[0].value, 65536 - 64);
    EXPECT_EQ (pairs[0].address, 1 << 16 | 9);
}
