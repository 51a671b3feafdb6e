#include "support/Mouse.h"
#include "support/EditorRig.h"
#include "app/PageCodes.h"
#include "perform/ChMixerComp.h"

TEST (MixerLayout, LeftMarginCentresTheStripsOrIsZero)
{
    struct Case { int width, margin; };
    for (auto c : { Case { 1000, 13 }, Case { 944, 0 }, Case { 974, 0 }, Case { 1200, 113 }, Case { 100, 0 } })
        EXPECT_EQ (ChMixerComp::leftMarginFor (c.width), c.margin) << c.width;
}

class MixerTest : public VirtualRigTest
{
protected:
    void SetUp() override
    {
        VirtualRigTest::SetUp();
        mixer = std::make_unique<ChMixerComp> (*processor);
        mixer->setSize (1000, 678);
        settle();
    }

    void TearDown() override
    {
        mixer.reset();
        VirtualRigTest::TearDown();
    }

    juce::Array<juce::int64> takeCommands() { return mixer->pending.takeAll(); }

    std::unique_ptr<ChMixerComp> mixer;
};

TEST_F (MixerTest, StripsSitAfterTheMargin)
{
    EXPECT_EQ (mixer->getHeader().getBounds(), juce::Rectangle<int> (13, 0, 1000, 62));
    EXPECT_EQ (mixer->strip (5).getBounds(), juce::Rectangle<int> (13 + 305, 62, 58, 564));
}

TEST_F (MixerTest, MeterKeepsTheHigherVelocity)
{
    mixer->meter (3, 90);
    mixer->meter (3, 60);
    EXPECT_EQ (mixer->strip (3).meterDisplay.getLevel(), 90);
    mixer->meter (3, 100);
    EXPECT_EQ (mixer->strip (3).meterDisplay.getLevel(), 100);
    mixer->meter (16, 127);   // no such channel
    mixer->meter (-1, 127);
}

TEST_F (MixerTest, ProgramShowsNumberNameAndCategory)
{
    const auto& bank = store().programs.bank;
    const int program = 12;
    ASSERT_TRUE (bank.exists (program));

    midi().setChannelProgram (4, program, false);
    mixer->showValue (slots::programSlot (4), program);

    const auto [line1, line2] = NameSlot::breakName (bank.getName (program));
    EXPECT_EQ (mixer->getHeader().slot (4).getLine1(), line1);
    EXPECT_EQ (mixer->getHeader().slot (4).getLine2(), line2);
}

TEST_F (MixerTest, ValuesArrivingAreShownAndClampedToTheControl)
{
    mixer->showValue (slots::channelSlot (2, slots::PAN), -20);
    EXPECT_EQ (mixer->strip (2).control (slots::PAN).getValue(), -20);
    mixer->showValue (slots::channelSlot (2, slots::LEVEL), 99);
    EXPECT_EQ (mixer->strip (2).control (slots::LEVEL).getValue(), 24);

    // Slots outside the strips' fourteen controls, or not channel blocks, change nothing.
    mixer->showValue (slots::channelSlot (2, slots::PROGRAM_NUMBER), 5);
    mixer->showValue (slots::controllerSlot (2, 10), 5);
    mixer->showValue (-1, 5);
    mixer->showValue (slots::SLOT_COUNT, 5);
    EXPECT_EQ (mixer->strip (2).control (slots::PAN).getValue(), -20);
}

TEST_F (MixerTest, DraggingPanStoresAndSendsTheParameter)
{
    auto& pan = mixer->strip (4).control (slots::PAN);
    mixer->valueReported (&pan, command::make (StsCont::DRAGGED, slots::PAN, 4, -20));
    settle();

    EXPECT_EQ (midi().getValue (slots::channelSlot (4, slots::PAN)), -20);
    EXPECT_EQ (pan.getValue(), -20);
    EXPECT_EQ (instrument->getParameter (4, 1, 0, 1, 0, 22), -20);
    EXPECT_TRUE (takeCommands().isEmpty());
}

TEST_F (MixerTest, OnlyGesturesChangeValues)
{
    auto& send = mixer->strip (1).control (slots::AUX1_LEVEL);
    const int before = midi().getValue (slots::channelSlot (1, slots::AUX1_LEVEL));
    mixer->valueReported (&send, command::make (StsCont::FIELD_CLICKED, slots::AUX1_LEVEL, 1, before + 7));
    EXPECT_EQ (midi().getValue (slots::channelSlot (1, slots::AUX1_LEVEL)), before);

    StsCont stranger;
    mixer->valueReported (&stranger, command::make (StsCont::DRAGGED, 0, 0, 5));
    EXPECT_TRUE (takeCommands().isEmpty());
}

TEST_F (MixerTest, WheelOverInsertStepsTheChainAndChoosesTheChannel)
{
    auto& insert = mixer->strip (6).control (slots::INSERT_FX_CHAIN);
    const int before = insert.getValue();
    insert.mouseWheelMove (press (insert, 10, 10), wheel (1.0f));

    const int after = midi().getValue (slots::channelSlot (6, slots::INSERT_FX_CHAIN));
    EXPECT_EQ (std::abs (after - before), 1);
    const auto commands = takeCommands();
    ASSERT_EQ (commands.size(), 1);
    EXPECT_EQ (command::code (commands[0]), command::CHANNEL_CHOSEN);
    EXPECT_EQ (command::target (commands[0]), 16 * slots::INSERT_FX_CHAIN + 6);
}

TEST_F (MixerTest, HeaderClickChoosesItsChannel)
{
    auto& slot = mixer->getHeader().slot (9);
    slot.mouseUp (press (slot, 5, 5));
    settle();

    const auto commands = takeCommands();
    ASSERT_EQ (commands.size(), 1);
    EXPECT_EQ (command::code (commands[0]), command::CHANNEL_CHOSEN);
    EXPECT_EQ (command::target (commands[0]), 0xB0 + 9);
    EXPECT_TRUE (slot.pending.takeAll().isEmpty());
}

class MixerPageTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        settle();
    }

    ChMixerComp& mixer() { return *main->getMixer(); }
};

TEST_F (MixerPageTest, ProgramModeShowsTheHeaderRowAboveTheBrowser)
{
    main->setMode (1);
    ASSERT_TRUE (mixer().isShown());
    EXPECT_EQ (mixer().getBounds(), juce::Rectangle<int> (16, 64, 992, ChMixerComp::HEADER_HEIGHT));
    EXPECT_EQ (midi().activePage, (int) page::PROGRAM_BROWSER);

    main->showPage (page::MIXER, true);
    EXPECT_EQ (mixer().getHeight(), 768 - 84);
    EXPECT_EQ (midi().activePage, (int) page::MIXER);
}

TEST_F (MixerPageTest, HeaderClickMakesTheChannelCurrentAndOpensItsBrowser)
{
    main->setMode (1);
    settle();
    auto& slot = mixer().getHeader().slot (6);
    slot.mouseUp (press (slot, 5, 5));
    settle();

    EXPECT_EQ (midi().currentChannel, 7);
    EXPECT_EQ (instrument->getSelectedChannel(), 6);
    EXPECT_TRUE (main->getProgramBrowser()->isOpen());
}

TEST_F (MixerPageTest, NoteOnsFromTheInstrumentRaiseTheShownMeter)
{
    main->showPage (page::MIXER, true);
    instrument->sendFromInstrument (juce::MidiMessage::noteOn (5, 60, (juce::uint8) 90));
    ASSERT_TRUE (pumpUntil ([this] { return mixer().strip (4).meterDisplay.getLevel() > 0; }, 3000));
    // It may already have fallen by a tick or two while the message loop ran.
    EXPECT_LE (mixer().strip (4).meterDisplay.getLevel(), 90);
    EXPECT_GE (mixer().strip (4).meterDisplay.getLevel(), 90 - 2 * Vu_Meter::FALL_PER_TICK);
    EXPECT_EQ (mixer().strip (3).meterDisplay.getLevel(), 0);
}

TEST_F (MixerPageTest, ProgramChangeFromTheInstrumentUpdatesTheHeader)
{
    main->showPage (page::MIXER, true);
    const auto& bank = store().programs.bank;
    ASSERT_TRUE (bank.exists (20));
    instrument->sendFromInstrument (juce::MidiMessage::programChange (5, 20));
    ASSERT_TRUE (pumpUntil ([this] { return midi().getChannelProgram (4) == 20; }, 3000));
    settle();
    EXPECT_EQ (mixer().getHeader().slot (4).getLine1(), NameSlot::breakName (bank.getName (20)).first);
}

namespace
{
/** How many pixels of an area are light grey like the labels. */
int labelPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (const auto c = image.getPixelAt (x, y); c.getBrightness() > 0.6f && c.getSaturation() < 0.1f)
                ++count;
    return count;
}

/** How many pixels of an area are clearly coloured (the second knob strip's accent). */
int colouredPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (const auto c = image.getPixelAt (x, y); c.getSaturation() > 0.4f && c.getBrightness() > 0.4f)
                ++count;
    return count;
}
}

TEST_F (MixerTest, StripsDrawTheirLabelsAndThePanKnobItsOwnStrip)
{
    auto& strip = mixer->strip (0);
    const auto image = strip.createComponentSnapshot (strip.getLocalBounds(), true, 1.0f);

    // The top line of each FX field carries its label; the pan knob its label above it.
    struct Label { const char* name; juce::Rectangle<int> area; };
    for (const auto& l : { Label { "Insert", { 5, 7, 24, 12 } }, Label { "Aux 1", { 5, 49, 24, 12 } },
                           Label { "Aux 2", { 5, 157, 24, 12 } }, Label { "Pan", { 2, 264, 54, 12 } } })
        EXPECT_GT (labelPixels (image, l.area), 10) << l.name;

    const auto& pan = strip.control (slots::PAN);
    const auto& send = strip.control (slots::AUX1_LEVEL);
    EXPECT_GT (colouredPixels (image, pan.getBounds().withTrimmedTop (14).withHeight (48)), 10);
    EXPECT_EQ (colouredPixels (image, send.getBounds().withHeight (48)), 0);
}

TEST_F (MixerTest, AnFxChainNameShowsInFullOnHover)
{
    const int insert = midi().getValue (slots::channelSlot (2, slots::INSERT_FX_CHAIN));
    auto& field = mixer->strip (2).control (slots::INSERT_FX_CHAIN);
    EXPECT_TRUE (field.getTooltip().contains (store().fxChains.bank.getName (insert).substr (0, 10))) << field.getTooltip();
}
