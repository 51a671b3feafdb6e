#include "support/Mouse.h"
#include "support/VirtualRig.h"
#include "app/MainComp.h"
#include "app/PageCodes.h"

class ShellTest : public VirtualRigTest
{
protected:
    void makeMain (bool startUp)
    {
        midi().aboutShown = ! startUp;
        main = std::make_unique<MainComp> (processor.get());
    }

    void TearDown() override
    {
        main.reset();
        VirtualRigTest::TearDown();
    }

    std::unique_ptr<MainComp> main;
};

TEST_F (ShellTest, TheInstrumentAnsweringWithinASecondSkipsTheScan)
{
    makeMain (true);
    ASSERT_NE (main->getAboutPanel(), nullptr);
    EXPECT_TRUE (main->getAboutPanel()->startUpInstance);
    ASSERT_TRUE (pumpUntil ([this] { return main->getAboutPanel() == nullptr; }, 5000));
    EXPECT_FALSE (midi().scanning);
    EXPECT_EQ (main->getModeShown(), 1);
    EXPECT_TRUE (main->getAppBar().getButton (AppBar::PROGRAM)->isLit());
    EXPECT_EQ (main->getFooter().getStatus(), "VELMORAN ZK7: ON-LINE");
}

TEST_F (ShellTest, WithoutAnInstrumentTheScanEndsNotConnectedAndOffersTheVirtualOne)
{
    midi().getPorts()->selectInput (0);
    midi().getPorts()->selectOutput (0);
    makeMain (true);
    ASSERT_TRUE (pumpUntil ([this] { return main->getAboutPanel()->getScan() != nullptr
                                            && main->getAboutPanel()->getScan()->showsNotConnected(); }, 5000));
    EXPECT_EQ (main->getFooter().getStatus(), "OFF-LINE");

    main->getAboutPanel()->getScan()->useVirtualInstrument();
    ASSERT_TRUE (pumpUntil ([this] { return main->getAboutPanel() == nullptr && midi().supportedDevice; }, 5000));
    EXPECT_EQ (midi().getSettings()[MidiSettings::INPUT_PORT], "ZK7 Virtual Instrument");
    EXPECT_EQ (main->getModeShown(), 1);
}

TEST_F (ShellTest, AboutWhileScanningClosesThePanelAndTheScan)
{
    midi().getPorts()->selectInput (0);
    midi().getPorts()->selectOutput (0);
    makeMain (true);
    ASSERT_TRUE (pumpUntil ([this] { return main->getAboutPanel()->getScan() != nullptr; }, 5000));
    main->appBarCommand (AppBar::ABOUT);
    EXPECT_EQ (main->getAboutPanel(), nullptr);
    EXPECT_FALSE (midi().scanning);
    EXPECT_EQ (main->getModeShown(), 1);
}

TEST_F (ShellTest, AnOpenMidiSetupPanelOnlyClosesOnTheFirstClick)
{
    makeMain (false);
    main->appBarCommand (AppBar::MIDI);
    ASSERT_NE (main->getMidiSetup(), nullptr);
    EXPECT_EQ (main->getMidiSetup()->getInputNames(), juce::StringArray { "ZK7 Virtual Instrument" });

    main->appBarCommand (AppBar::MULTI);
    EXPECT_EQ (main->getMidiSetup(), nullptr);
    EXPECT_NE (main->getModeShown(), 2);
    main->appBarCommand (AppBar::MULTI);
    EXPECT_EQ (main->getModeShown(), 2);
}

TEST_F (ShellTest, ChoosingPortsInTheSetupPanelSavesThemAndAsksWhoIsThere)
{
    makeMain (false);
    midi().getPorts()->selectInput (0);
    main->appBarCommand (AppBar::MIDI);
    main->getMidiSetup()->report (MIDI_Setup::INPUT_CHOSEN, 1);
    EXPECT_EQ (main->getMidiSetup()->getSelectedInput(), 1);
    ASSERT_TRUE (pumpUntil ([this] { return midi().supportedDevice; }));
    EXPECT_EQ (main->getMidiSetup()->getStatus(), "VELMORAN ZK7: ON-LINE");

    MidiSettings saved;
    saved.load (library::file (library::SETTINGS_FILE));
    EXPECT_EQ (saved[MidiSettings::INPUT_PORT], "ZK7 Virtual Instrument");

    main->getMidiSetup()->report (MIDI_Setup::OK, 0);
    EXPECT_EQ (main->getMidiSetup(), nullptr);
}

TEST_F (ShellTest, FooterDragOpensTheDrawerBeyondTheThreshold)
{
    makeMain (false);
    main->setSize (1024, 798);
    struct Case { int dragY; bool open; };
    for (const auto& c : { Case { -170, false }, Case { -171, true } })
    {
        main->showPage (page::KEYBOARD, false);
        main->footerCommand (AppFoot::PRESS, {});
        main->footerCommand (AppFoot::DRAG, { 100, c.dragY });
        EXPECT_EQ (main->getKeyboard().getY(), main->getFooter().getY() + c.dragY - 20);
        main->footerCommand (AppFoot::RELEASE, { 100, c.dragY });
        EXPECT_EQ (midi().keyboardOpen, c.open) << c.dragY;
        EXPECT_EQ (main->getKeyboard().isVisible(), c.open);
    }

    // While open, the footer is not the handle.
    main->footerCommand (AppFoot::RELEASE, { 100, 0 });
    EXPECT_TRUE (midi().keyboardOpen);

    // The keyboard's own handle: released low it closes, higher it snaps back.
    auto& keys = main->getKeyboard();
    keys.setTopLeftPosition (16, 400);
    keys.mouseDown (press (keys, 100, 10));
    keys.mouseUp (press (keys, 100, 10));
    keys.dispatchPendingMessages();
    EXPECT_TRUE (midi().keyboardOpen);
    EXPECT_EQ (keys.getY(), 315);
    keys.setTopLeftPosition (16, 450);
    keys.mouseDown (press (keys, 100, 10));
    keys.mouseUp (press (keys, 100, 10));
    keys.dispatchPendingMessages();
    EXPECT_FALSE (midi().keyboardOpen);
}

TEST_F (ShellTest, KeysPlayOnTheCurrentChannel)
{
    makeMain (false);
    main->appBarCommand (AppBar::KEYS);
    ASSERT_TRUE (midi().keyboardOpen);
    midi().currentChannel = 5;
    auto& key = main->getKeyboard().getKey (0);   // the C of octave 3
    key.mouseDown (press (key, 20, 241));
    key.mouseUp (press (key, 20, 241));
    settle();
    std::vector<protocol::Bytes> notes;
    for (const auto& m : instrument->getReceived())
        if ((m[0] & 0xE0) == 0x80)
            notes.push_back (m);
    EXPECT_EQ (notes, (std::vector<protocol::Bytes> { { 0x94, 36, 127 }, { 0x84, 36, 0 } }));
}

TEST (PianoKeys, VelocityFromWhereTheKeyIsPressed)
{
    struct Case { int kind, y, velocity; };
    const Case cases[] = { { PianoKey::WHITE, 100, 5 }, { PianoKey::WHITE, 118, 5 }, { PianoKey::WHITE, 241, 127 },
                           { PianoKey::WHITE, 300, 68 }, { PianoKey::BLACK, 200, 54 }, { PianoKey::BLACK, 3, 5 },
                           { PianoKey::BLACK, 127, 127 }, { PianoKey::PAD, 50, 100 }, { PianoKey::WHITE, 370, 5 } };
    for (const auto& c : cases)
        EXPECT_EQ (PianoKey::velocityAt (c.kind, c.y), c.velocity) << c.kind << " at " << c.y;
}

class KeyPlayerTest : public ConnectedTest {};

TEST_F (KeyPlayerTest, LetterKeysPlayAndTellWhatTheyDid)
{
    KeyPlayClass player (midi());
    midi().currentChannel = 2;
    EXPECT_TRUE (player.pressCharacter ('z'));
    EXPECT_TRUE (player.pressCharacter ('z'));   // held: no second note on
    EXPECT_EQ (player.getStatus(), "Play Chn: 2 Key: C3 Vel: 100");
    player.pressCharacter ('s');
    EXPECT_EQ (player.getStatus(), "Play Chn: 2 Key: C#3 Vel: 100");
    EXPECT_EQ (wire->take(), (std::vector<protocol::Bytes> { { 0x91, 36, 100 }, { 0x91, 37, 100 } }));

    player.releaseKeysThatAreUp ([] (juce::juce_wchar c) { return c == 's'; });
    EXPECT_EQ (wire->take(), (std::vector<protocol::Bytes> { { 0x81, 36, 0 } }));
    EXPECT_TRUE (player.isSounding (37));

    struct Case { juce::juce_wchar key; const char* status; };
    for (const auto& c : { Case { 'p', "Octave 2" }, Case { 'o', "Octave 1" }, Case { 'u', "Note Velocity: 95" },
                           Case { 'i', "Note Velocity: 100" }, Case { '@', "All Notes OFF" } })
    {
        player.pressCharacter (c.key);
        EXPECT_EQ (player.getStatus(), c.status);
    }
    EXPECT_EQ (wire->take().size(), 128u);
    EXPECT_FALSE (player.pressCharacter ('q'));
}

TEST_F (KeyPlayerTest, OctaveAndVelocityLimits)
{
    KeyPlayClass player (midi());
    for (int i = 0; i < 5; ++i)
        player.pressCharacter ('o');
    EXPECT_EQ (player.getBaseNote(), 0);
    for (int i = 0; i < 15; ++i)
        player.pressCharacter ('p');
    EXPECT_EQ (player.getBaseNote(), 120);   // 108 + 12: below 115 it may still rise once
    player.pressCharacter ('p');
    EXPECT_EQ (player.getBaseNote(), 120);
    for (int i = 0; i < 30; ++i)
        player.pressCharacter ('u');
    EXPECT_EQ (player.getVelocity(), 0);
    for (int i = 0; i < 30; ++i)
        player.pressCharacter ('i');
    EXPECT_EQ (player.getVelocity(), 125);
}

TEST_F (KeyPlayerTest, TouchModeSweepsPlayEachKeyInTurn)
{
    KeyBrd keys (midi());
    keys.setTouchMode (true);
    EXPECT_EQ (keys.getTouchButton().getText(), "Touch Mode ON");
    wire->take();
    for (const int offset : { 0, 2, 4 })
    {
        auto& key = keys.getKey (offset);
        key.mouseEnter (press (key, 20, 250));
        key.mouseExit (press (key, 20, 250));
    }
    const auto sent = wire->take();
    ASSERT_EQ (sent.size(), 6u);
    EXPECT_EQ (sent[0][1], 36);
    EXPECT_EQ (sent[1][0], 0x80);
    EXPECT_EQ (sent[4][1], 40);

    keys.setTouchMode (false);
    auto& key = keys.getKey (0);
    key.mouseEnter (press (key, 20, 250));
    EXPECT_TRUE (wire->take().empty());
}
