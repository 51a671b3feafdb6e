#include "support/Fixtures.h"
#include "app/MainComp.h"
#include "app/PageCodes.h"

#include <thread>

namespace
{
/** The main component with a record of every notification it handled. */
class ObservedMainComp final : public MainComp
{
public:
    using MainComp::MainComp;

    void stateMessage (int word) override
    {
        order.push_back ('s');
        words.push_back (word);
        MainComp::stateMessage (word);
    }

    void parameterMessage (int value, int address) override
    {
        order.push_back ('p');
        MainComp::parameterMessage (value, address);
    }

    std::vector<int> words;
    std::string order;
};

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}
}

class MainCompTest : public ConnectedTest
{
protected:
    void SetUp() override
    {
        ConnectedTest::SetUp();
        midi().aboutShown = true;   // the start-up panel and its scan have tests of their own
        main = std::make_unique<ObservedMainComp> (processor.get());
        pump (20);
        main->words.clear();
        main->order.clear();
        wire->take();
    }

    void TearDown() override
    {
        main.reset();
        ConnectedTest::TearDown();
    }

    std::unique_ptr<ObservedMainComp> main;
};

TEST_F (MainCompTest, StartsOffLineAndAsksForTheInstrument)
{
    main.reset();   // the queues have one reader
    ObservedMainComp another (processor.get());
    EXPECT_EQ (wire->take(), std::vector<protocol::Bytes> { protocol::identityRequest() });
    pump (20);
    EXPECT_EQ (another.words, std::vector<int> { state::word (state::OFF_LINE, 0, 0, 0) });
    EXPECT_EQ (another.getStatusLine(), "OFF-LINE");
    EXPECT_EQ (another.getWidth(), 1024);
    EXPECT_EQ (another.getHeight(), 798);
}

TEST_F (MainCompTest, SetModeTellsTheInstrumentAndShowsTheModesBrowser)
{
    main->setMode (2);
    EXPECT_EQ (main->getModeShown(), 2);
    EXPECT_EQ (processor->getInstrumentMode(), 2);
    EXPECT_EQ (midi().activePage, (int) page::MULTI_BROWSER);
    EXPECT_EQ (wire->take(), parameterRun (1, { 12, 0, 0, 0, 11 }, 2));

    main->setMode (1);
    EXPECT_EQ (midi().activePage, (int) page::PROGRAM_BROWSER);
    EXPECT_EQ (midi().previousPage, (int) page::MULTI_BROWSER);
}

TEST_F (MainCompTest, DrainHandlesStatesBeforeParametersInOrder)
{
    midi().postParameter (300, 5);
    midi().postState (state::word (state::NOTE_ON, 1, 60, 100));
    midi().postParameter (301, 6);
    midi().postState (state::word (state::NOTE_OFF, 1, 60, 0));
    pump (30);

    EXPECT_EQ (main->order, "sspp");
    EXPECT_EQ (main->words, (std::vector<int> { state::word (0x90, 1, 60, 100), state::word (0x80, 1, 60, 0) }));
}

TEST_F (MainCompTest, StatusLineFollowsTheIdentityExchange)
{
    const protocol::Bytes zk7 { 0xF0, 0x7E, 0, 0x06, 0x02, 0x07, 0x46, 0, 1, 0, 0xF7 };
    receiveSysEx (zk7);
    pump (30);
    EXPECT_EQ (main->getStatusLine(), "VELMORAN ZK7: ON-LINE");

    midi().sendIdentityRequest();
    pump (30);
    EXPECT_EQ (main->getStatusLine(), "OFF-LINE");

    const protocol::Bytes otherMember { 0xF0, 0x7E, 0, 0x06, 0x02, 0x07, 0x46, 0, 2, 0, 0xF7 };
    receiveSysEx (otherMember);
    pump (30);
    EXPECT_EQ (main->getStatusLine(), "Connected - Device Unknown: ON-LINE THIS VERSION WILL NOT WORK CORRECTLY WITH Connected - Device Unknown");
}

TEST_F (MainCompTest, ModeChangeFromTheInstrumentIsDebounced)
{
    main->setMode (1);
    // Undone within 25 ms: the page stays.
    midi().setValue (slots::PLAYING_MODE, 2, false);
    midi().setValue (slots::PLAYING_MODE, 1, false);
    pump (120);
    EXPECT_EQ (midi().activePage, (int) page::PROGRAM_BROWSER);

    // Kept: after 25 ms the mixer is shown instead of the wrong browser.
    midi().setValue (slots::PLAYING_MODE, 2, false);
    main->drainPendingQueues();
    EXPECT_EQ (midi().activePage, (int) page::PROGRAM_BROWSER);   // not before the debounce has run
    pump (120);
    EXPECT_EQ (midi().activePage, (int) page::MIXER);
    EXPECT_EQ (midi().previousPage, (int) page::PROGRAM_BROWSER);
}

TEST_F (MainCompTest, LayoutStoresTheWindowSizeInTheSettings)
{
    main->setSize (1200, 900);
    EXPECT_EQ (midi().getSettings()[MidiSettings::WINDOW_WIDTH], "1200");
    EXPECT_EQ (midi().getSettings()[MidiSettings::WINDOW_HEIGHT], "900");
    EXPECT_EQ (main->contentArea(), juce::Rectangle<int> (16, 64, 1168, 836));
}

TEST_F (MainCompTest, PaintsWithoutAWindow)
{
    const auto image = main->createComponentSnapshot (main->getLocalBounds());
    EXPECT_EQ (image.getPixelAt (500, 400), juce::Colour (0xFF191919));
    EXPECT_LT (image.getPixelAt (500, 30).getBrightness(), 0.05f);   // inside the header band, between the buttons
}

// Notes from the MIDI thread reach the main component exactly once each, in
// order, while the message thread drains; a lost or doubled entry fails.
TEST_F (MainCompTest, EveryNoteFromTheMidiThreadArrivesOnce)
{
    constexpr int count = 20000;
    std::atomic<bool> done { false };

    std::thread midiThread ([&]
    {
        for (int i = 0; i < count; ++i)
        {
            const int channel = (i >> 14) & 15, note = (i >> 7) & 127, velocity = (i & 127) | 1;
            wire->deliver (juce::MidiMessage::noteOn (channel + 1, note, (juce::uint8) velocity));
            wire->deliver (juce::MidiMessage::noteOff (channel + 1, note));
        }
        done = true;
    });

    while (! done.load())
        pump (5);
    midiThread.join();
    pump (50);

    ASSERT_EQ (main->words.size(), (size_t) count * 2);
    for (int i = 0; i < count; ++i)
    {
        const int channel = (i >> 14) & 15, note = (i >> 7) & 127, velocity = (i & 127) | 1;
        ASSERT_EQ (main->words[(size_t) i * 2], state::word (0x90, channel, note, velocity)) << i;
        ASSERT_EQ (main->words[(size_t) i * 2 + 1], state::word (0x80, channel, note, 0)) << i;
    }
}

//==============================================================================
class LibraryConfinementTest : public LibraryTest {};

TEST_F (LibraryConfinementTest, ProgramWritesOnlyInsideItsLibraryFolder)
{
    const auto home = juce::File::getSpecialLocation (juce::File::userHomeDirectory);
    const auto before = home.findChildFiles (juce::File::findFiles, true, "*");
    const auto wire = std::make_shared<FakeWire>();
    {
        DaduRAAudioProcessor processor (std::make_unique<FakeMidiDriver> (wire), nullptr);
        MainComp main (&processor);
        processor.getMidi().getPorts()->selectInput (1);
        processor.changeProgramName (3, "Gig");
        processor.setCurrentProgram (3);
        pump (50);
    }

    const auto folder = library::folder();
    int written = 0;
    for (const auto& f : home.findChildFiles (juce::File::findFiles, true, "*"))
    {
        if (before.contains (f))
            continue;
        ++written;
        EXPECT_TRUE (f.isAChildOf (folder)) << f.getFullPathName();
    }
    EXPECT_EQ (written, 3);   // the settings, the favourites and the preset bank
    EXPECT_TRUE (folder.getChildFile ("velmipzk7.dat").existsAsFile());
    EXPECT_TRUE (folder.getChildFile ("ZK7 Preset bank.arrbank").existsAsFile());
}
