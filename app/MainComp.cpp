#include "app/MainComp.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"
#include "widgets/Pictures.h"

namespace
{
const juce::Colour background (0xFF191919);
constexpr int HEADER_HEIGHT = 64;
const juce::Rectangle<int> keyboardHome (16, 315, 992, 460);
}

MainComp::MainComp (DaduRAAudioProcessor* p)
    : juce::AudioProcessorEditor (p),
      processor (*p),
      midi (p->getMidi())
{
    setOpaque (true);
    setWantsKeyboardFocus (true);   // clicks on pages that want no focus leave it here, for the key player

    leftSide = std::make_unique<WoodSide> (false);
    rightSide = std::make_unique<WoodSide> (true);
    addAndMakeVisible (*leftSide);
    addAndMakeVisible (*rightSide);

    keyboard = std::make_unique<KeyBrd> (midi);
    keyboard->addChangeListener (this);
    keyboard->getPitchWheel().addChangeListener (this);
    keyboard->getModWheel().addChangeListener (this);
    keyboard->setBounds (keyboardHome);
    addChildComponent (*keyboard);

    appBar = std::make_unique<AppBar>();
    appBar->addChangeListener (this);
    appBar->getWindowTools().addListener (this);
    addAndMakeVisible (*appBar);

    footer = std::make_unique<AppFoot> (midi);
    footer->addChangeListener (this);
    addAndMakeVisible (*footer);

    setSize (1028, 730);
    midi.sendIdentityRequest();
    uiBuilt = true;

    mixer = std::make_unique<ChMixerComp> (processor);
    mixer->addChangeListener (this);
    addChildComponent (*mixer);

    if (! midi.aboutShown)
    {
        showAbout (true, true);
        midi.aboutShown = true;
    }
    lightModeButtons();
    setSize (1024, 798);
    midi.addStateListener (this);

    // What was queued before we listened (the OFF-LINE of the identity request) is shown at once.
    triggerAsyncUpdate();
}

MainComp::~MainComp()
{
    midi.removeStateListener (this);
    stopTimer();
    cancelPendingUpdate();
    mixer.reset();
    controls.reset();
    keyboard.reset();
    midiSetup.reset();
    about.reset();
    parameterSelector.reset();
    programBrowser.reset();
    multiBrowser.reset();
    programList.reset();
    libraryManager.reset();
    leftSide.reset();
    rightSide.reset();
    appBar.reset();
    footer.reset();
}

//==============================================================================
void MainComp::showPage (int code, bool show, int objectType, int index, int value)
{
    switch (code)
    {
        case page::ABOUT: showAbout (show, false); return;
        case page::MIDI_SETUP: showMidiSetup (show); return;
        case page::KEYBOARD: setKeyboardOpen (show); return;
        default: break;
    }

    closeEditors();
    if (! show)
        return;

    switch (code)
    {
        case page::CONTROLS:
            if (controls == nullptr)
                controls = std::make_unique<kontrols> (midi);
            addAndMakeVisible (*controls);
            controls->setBounds (pageArea());
            controls->refresh();
            midi.recordPage (code);
            break;

        case page::MIXER:
            showMixer (false);
            break;

        case page::MULTI_EDITOR:
            midi.recordPage (code);
            break;

        default:
            if (objectType == page::KIND_PROGRAM)
                showProgramBrowser (index, value);
            else if (objectType == page::KIND_MULTI)
                showMultiBrowser();
            if (const int shown = page::pageOfKind (objectType); shown != 0)
                midi.recordPage (shown);
            break;
    }
    if (midi.keyboardOpen)
        keyboard->toFront (false);
}

void MainComp::closeEditors()
{
    if (controls != nullptr)
        controls->setVisible (false);
    if (mixer->isShown())
        mixer->hideMixer();
    if (programBrowser != nullptr && programBrowser->isOpen())
        programBrowser->hide();
    if (multiBrowser != nullptr && multiBrowser->isOpen())
        multiBrowser->hide();
    if (programListOpen())
        programList->hide();
    setKeyboardOpen (midi.keyboardOpen);
}

juce::Rectangle<int> MainComp::pageArea() const
{
    return { 16, HEADER_HEIGHT, getWidth() - 32, getHeight() - 84 };
}

juce::Rectangle<int> MainComp::programBrowserArea() const
{
    return { 16 + (getWidth() - 32 - 950) / 2, 126, 950, 598 };
}

juce::Rectangle<int> MainComp::midiSetupArea() const
{
    return { 0, HEADER_HEIGHT, getWidth(), getHeight() - 84 };
}

juce::Rectangle<int> MainComp::contentArea() const
{
    return { 16, HEADER_HEIGHT, getWidth() - 32, getHeight() - HEADER_HEIGHT };
}

void MainComp::setMode (int mode)
{
    modeShown = mode;
    processor.setInstrumentMode (mode);
    appBar->lightMode (mode);

    if (mode == 1)
        showPage (page::PROGRAM_BROWSER, true, page::KIND_PROGRAM, midi.currentChannel - 1,
                  midi.getChannelProgram (midi.currentChannel - 1));
    else
        showPage (page::MULTI_BROWSER, true, page::KIND_MULTI, 0, midi.getMulti());
}

void MainComp::showProgramBrowser (int channel, int program)
{
    if (programBrowser == nullptr)
    {
        programBrowser = std::make_unique<iPrgSelClass> (processor);
        programBrowser->addListener (this);
        addChildComponent (*programBrowser);
    }
    programBrowser->setBounds (programBrowserArea());
    programBrowser->showFor (channel);
    programBrowser->refreshLcd (channel, program);
    programBrowser->reveal (program);
    showHeaderRowInProgramMode();
    footer->toFront (false);
    // Focus stays with the key player; the search field takes it when clicked.
    if (isShowing())
        grabKeyboardFocus();
}

void MainComp::showHeaderRowInProgramMode()
{
    if (processor.getInstrumentMode() == 1)
        showMixer (true);
}

void MainComp::showProgramList (int channel, int program)
{
    closeEditors();
    if (programList == nullptr)
    {
        programList = std::make_unique<PrgSelClass> (processor);
        programList->addListener (this);
        addChildComponent (*programList);
    }
    programList->setBounds (programBrowserArea());
    programList->showFor (channel, program);
    showHeaderRowInProgramMode();
    footer->toFront (false);
    if (midi.keyboardOpen)
        keyboard->toFront (false);
    if (isShowing())
        grabKeyboardFocus();   // letters keep playing; the search field takes the keys when clicked
}

void MainComp::showLibraryManager()
{
    if (libraryManager == nullptr)
    {
        libraryManager = std::make_unique<Lib_Manager_Win> (processor);
        libraryManager->getContent().addChangeListener (this);
        const auto origin = window != nullptr ? window->getPosition() : getScreenPosition();
        libraryManager->setTopLeftPosition (origin.x, 0);
    }
    libraryManager->setVisible (true);
    libraryManager->toFront (true);
}

void MainComp::showMultiBrowser()
{
    if (multiBrowser == nullptr)
    {
        multiBrowser = std::make_unique<StpSelClass> (processor);
        multiBrowser->addListener (this);
        addChildComponent (*multiBrowser);
    }
    multiBrowser->setBounds (pageArea());
    multiBrowser->showFor (0);
    showCurrentMulti();
    footer->toFront (false);
    if (isShowing())
        grabKeyboardFocus();
}

void MainComp::showCurrentMulti()
{
    if (auto* store = dynamic_cast<ZK5Class*> (midi.getObjectStore()))
        store->multis.loadMulti (midi.getMulti(), store->multiEdit);
    if (multiBrowser != nullptr && multiBrowser->isOpen())
        multiBrowser->showMulti();
}

void MainComp::showMixer (bool headerRowOnly)
{
    mixer->setBounds (headerRowOnly ? pageArea().withHeight (ChMixerComp::HEADER_HEIGHT) : pageArea());
    mixer->showMixer (! headerRowOnly);
    mixer->toFront (false);
}

void MainComp::mixerCommand (juce::int64 word)
{
    const int channel = command::target (word) & 15, kind = command::target (word) >> 4;
    midi.currentChannel = channel + 1;
    if (command::code (word) != command::CHANNEL_CHOSEN)
        return;
    if (kind == page::KIND_PROGRAM)
        selectChannel (channel);
    else if (kind != slots::INSERT_FX_CHAIN && kind != slots::AUX1_FX_CHAIN && kind != slots::AUX2_FX_CHAIN)
        showPage (0, true, kind, channel);
}

void MainComp::selectChannel (int channel)
{
    midi.currentChannel = channel + 1;
    if (processor.getInstrumentMode() == 1)
        midi.sendSysEx (protocol::selectChannel (channel));
    showPage (0, true, page::KIND_PROGRAM, channel, midi.getChannelProgram (channel));
}

void MainComp::openParameterSelector (VlmCont& control)
{
    if (parameterSelector == nullptr)
    {
        parameterSelector = std::make_unique<i_Control>();
        addChildComponent (*parameterSelector);
    }
    parameterSelector->setBounds (0, 0, getWidth(), getHeight());
    parameterSelector->open (control);
}

void MainComp::iPrgSelCommand (juce::int64 word)
{
    const int code = command::code (word), arg = command::arg (word);
    const int channel = command::target (word) & 15, kind = command::target (word) >> 4;
    const int value = command::value (word);

    switch (code)
    {
        case command::SELECTED:
        case command::SELECTED_BY_PROGRAM:
            if (kind == page::KIND_PROGRAM)
            {
                midi.setValue (slots::channelSlot (channel, arg), value, code == command::SELECTED);
                if (programBrowser != nullptr)
                    programBrowser->refreshLcd (channel, value);
            }
            else if (code == command::SELECTED_BY_PROGRAM && mixer->isShown())
                mixer->showValue (slots::channelSlot (channel, arg), value);
            break;
        case command::OTHER_KIND_FAVOURITE:
            // A multi favourite pressed in the program browser: play that multi in multi mode.
            setMode (2);
            midi.setMulti (value, true);
            break;
        case command::CLOSE:
            showPage (page::PROGRAM_BROWSER, false, page::KIND_PROGRAM, channel);
            break;
        case command::OPEN_SELECTOR:
            if (programBrowser != nullptr && programBrowser->getCurrentControl() != nullptr)
                openParameterSelector (*programBrowser->getCurrentControl());
            break;
        case command::PARAMETER_PAGE:
            showProgramList (channel, midi.getChannelProgram (channel));
            break;
        default:
            break;   // the editors and the info page come with their own pages
    }
}

void MainComp::stpSelCommand (juce::int64 word)
{
    const int code = command::code (word), value = command::value (word);
    switch (code)
    {
        case command::SELECTED:
        case command::SELECTED_BY_PROGRAM:
            midi.setMulti (value, code == command::SELECTED);   // its parameter message shows the multi
            break;
        case command::OTHER_KIND_FAVOURITE:
        {
            // A program favourite pressed in the multi browser: play it on the current channel in program mode.
            const int channel = midi.currentChannel - 1;
            setMode (1);
            midi.setValue (slots::programSlot (channel), value, true);
            if (programBrowser != nullptr)
            {
                programBrowser->refreshLcd (channel, value);
                programBrowser->reveal (value);
            }
            break;
        }
        case command::OPEN_SELECTOR:
            if (multiBrowser != nullptr && multiBrowser->getCurrentControl() != nullptr)
                openParameterSelector (*multiBrowser->getCurrentControl());
            break;
        default:
            break;   // the multi editor comes with its own page
    }
}

void MainComp::prgSelCommand (juce::int64 word)
{
    const int channel = command::target (word) & 15;
    switch (command::code (word))
    {
        case command::CLOSE:
            showPage (page::PROGRAM_BROWSER, true, page::KIND_PROGRAM, channel, midi.getChannelProgram (channel));
            break;
        case command::OPEN_SELECTOR:
            break;   // the FX chain selector comes with its own page
        default:
            iPrgSelCommand (word);
            break;
    }
}

void MainComp::lightModeButtons()
{
    appBar->lightMode (midi.getValue (slots::PLAYING_MODE));
}

//==============================================================================
void MainComp::showAbout (bool show, bool startUp)
{
    if (! show)
    {
        if (about != nullptr)
        {
            about->closePanel();
            about.reset();
        }
        return;
    }
    about = std::make_unique<AboutPanel> (midi, startUp ? ABOUT_DELAY_MS : 0);
    about->startUpInstance = startUp;
    about->setBounds (0, 0, 1024, 768);
    about->addChangeListener (this);
    addAndMakeVisible (*about);
    about->toFront (false);
    appBar->toFront (false);   // ABOUT, and every other button, stays within reach
}

void MainComp::showMidiSetup (bool show)
{
    if (! show)
    {
        midiSetup.reset();
        return;
    }
    midiSetup = std::make_unique<MIDI_Setup> (midi);
    midiSetup->addListener (this);
    midiSetup->setStatus (statusLine);
    midiSetup->setBounds (midiSetupArea());
    addAndMakeVisible (*midiSetup);
    midiSetup->toFront (false);
}

void MainComp::setKeyboardOpen (bool open)
{
    midi.keyboardOpen = open;
    if (! open)
    {
        keyboard->setVisible (false);
        keyboard->setBounds (keyboardHome);
        repaint();
        return;
    }
    keyboard->setChannelLabel (midi.currentChannel);
    keyboard->setBounds (keyboardHome);
    keyboard->toFront (false);
    keyboard->setVisible (true);
}

void MainComp::keyboardReleased()
{
    if (keyboard->getY() >= DRAWER_CLOSE_Y)
        setKeyboardOpen (false);
    else
        keyboard->setTopLeftPosition (keyboardHome.getX(), keyboardHome.getY());
}

void MainComp::footerCommand (int code, juce::Point<int> drag)
{
    if (midi.keyboardOpen)
        return;   // while open, the keyboard's own top band is the handle

    switch (code)
    {
        case AppFoot::PRESS:
            keyboard->setBounds (16, footer->getY(), 992, 460);
            keyboard->setChannelLabel (midi.currentChannel);
            keyboard->toFront (false);
            keyboard->setVisible (true);
            break;
        case AppFoot::DRAG:
            keyboard->setTopLeftPosition (16, footer->getY() + drag.y - 20);
            break;
        case AppFoot::RELEASE:
            setKeyboardOpen (drag.y < -DRAWER_OPEN_THRESHOLD);
            break;
        default:
            break;
    }
}

//==============================================================================
void MainComp::appBarCommand (int code)
{
    // Any click while the MIDI setup panel is open only closes it.
    if (midiSetup != nullptr)
    {
        showMidiSetup (false);
        return;
    }

    // Any other button closes the about panel first; leaving the start-up panel enters program mode.
    if (about != nullptr && code != AppBar::ABOUT)
    {
        const bool startUp = about->startUpInstance;
        showAbout (false, false);
        if (startUp && code != AppBar::PROGRAM && code != AppBar::MULTI)
            setMode (1);
    }

    switch (code)
    {
        case AppBar::PROGRAM: setMode (1); break;
        case AppBar::MULTI: setMode (2); break;
        case AppBar::MIDI: showPage (page::MIDI_SETUP, true); break;
        case AppBar::KEYS: showPage (page::KEYBOARD, ! midi.keyboardOpen); break;
        case AppBar::MIXER: showPage (page::MIXER, true); break;
        case AppBar::CONTROLS: showPage (page::CONTROLS, true); break;
        case AppBar::ABOUT:
        {
            const bool wasStartUp = about != nullptr && about->startUpInstance;
            showAbout (about == nullptr, false);
            if (wasStartUp)
                setMode (1);
            break;
        }
        case AppBar::DRAG: winToolCommand (WinMovCan::MOVE); break;
        case AppBar::LIBRARY: showLibraryManager(); break;
        default: break;
    }
}

void MainComp::winToolCommand (int code)
{
    switch (code)
    {
        case WinMovCan::MINIMISE:
            if (window != nullptr)
                window->setMinimised (true);
            break;
        case WinMovCan::FULL_SCREEN:
            if (window != nullptr)
                window->setFullScreen (! window->isFullScreen());
            break;
        case WinMovCan::QUIT:
            juce::JUCEApplicationBase::quit();
            break;
        case WinMovCan::MOVE:
            if (window != nullptr)
                window->setTopLeftPosition (window->getPosition() + appBar->getDragPosition() - appBar->getPressPosition());
            break;
        default:
            break;
    }
}

void MainComp::midiSetupCommand (int code, int value)
{
    if (midiSetup == nullptr)
        return;
    auto& ports = *midi.getPorts();

    switch (code)
    {
        case MIDI_Setup::INPUT_CHOSEN:
        case MIDI_Setup::OUTPUT_CHOSEN:
            if (code == MIDI_Setup::INPUT_CHOSEN)
                ports.selectInput (value);
            else
                ports.selectOutput (value);
            midiSetup->refresh();
            midiSetup->setBounds (midiSetupArea());
            midi.sendIdentityRequest();
            midi.saveSettings();
            break;
        case MIDI_Setup::POLL:
            midi.sendIdentityRequest();
            break;
        case MIDI_Setup::OK:
            showMidiSetup (false);
            midi.sendIdentityRequest();
            break;
        case MIDI_Setup::RECEIVE:
        case MIDI_Setup::TRANSMIT:
            showMidiSetup (false);
            midi.saveSettings();
            break;
        default:
            break;
    }
}

//==============================================================================
void MainComp::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (libraryManager != nullptr && source == &libraryManager->getContent())
    {
        for (const auto word : libraryManager->getContent().pending.takeAll())
            if (command::code (word) == Lib_Manager_Comp::CLOSE_WINDOW)
            {
                libraryManager.reset();   // its LIBRARY page saves the library
                break;
            }
        return;
    }
    if (source == keyboard.get() && midi.keyboardOpen)
        keyboardReleased();
    else if (source == &keyboard->getModWheel() && midi.keyboardOpen)
    {
        midi.sendController (midi.currentChannel, 1, (int) keyboard->getModWheel().getValue());
        if (controlsShown())
            controls->refresh();
    }
    else if (source == &keyboard->getPitchWheel() && midi.keyboardOpen)
    {
        midi.sendPitchWheel (midi.currentChannel, juce::jlimit (0, 16383, (int) keyboard->getPitchWheel().getValue() * 128));
        if (controlsShown())
            controls->refresh();
    }
    else if (source == appBar.get())
        appBarCommand (appBar->getCode());
    else if (source == footer.get())
        footerCommand (footer->getCode(), footer->getDragPosition());
    else if (source == mixer.get() && mixer->isShown())
    {
        for (auto word : mixer->pending.takeAll())
            mixerCommand (word);
    }
    else if (about != nullptr && source == about.get())
    {
        const bool startUp = about->startUpInstance;
        showAbout (false, false);
        if (startUp)
            setMode (1);
    }
}

//==============================================================================
void MainComp::stateQueued()
{
    triggerAsyncUpdate();
}

void MainComp::drainPendingQueues()
{
    const auto states = midi.takePendingStates();
    const auto parameters = midi.takePendingParameters();

    for (const int word : states)
        stateMessage (word);
    for (const auto& pair : parameters)
        parameterMessage (pair.value, pair.address);
}

void MainComp::stateMessage (int word)
{
    const int channel = (word >> 16) & 15, data1 = (word >> 8) & 127, data2 = word & 127;
    const bool onCurrentChannel = channel + 1 == midi.currentChannel;

    switch (state::status (word))
    {
        case state::ON_LINE:
            showStatusOnLine();
            break;
        case state::OFF_LINE:
            statusLine = "OFF-LINE";
            footer->setStatus (statusLine);
            if (midiSetup != nullptr)
                midiSetup->setStatus (statusLine);
            break;
        case state::PITCH_BEND:
            if (onCurrentChannel)
                keyboard->getPitchWheel().setValue ((float) ((word >> 7) & 0xFF), false);
            if (controlsShown())
                controls->refresh();
            break;
        case state::CONTROLLER:
            if (data1 == 1 && onCurrentChannel)
                keyboard->getModWheel().setValue ((float) data2, false);
            if (data1 == 1 && controlsShown())
                controls->refresh();
            break;
        case state::NOTE_ON:
            if (mixer->isShown())
                mixer->meter (channel, data2);
            break;
        case state::REFRESH:
            lightModeButtons();
            if (controlsShown())
                controls->refresh();
            mixer->refresh();
            break;
        default:
            break;
    }
}

void MainComp::showStatusOnLine()
{
    statusLine = midi.deviceName + ": ON-LINE";
    if (midi.otherMember)
        statusLine << " THIS VERSION WILL NOT WORK CORRECTLY WITH " << midi.deviceName;
    footer->setStatus (statusLine);

    if (midiSetup != nullptr)
    {
        if (midi.scanning)
            midiSetup->refresh();
        midiSetup->setStatus (statusLine);
    }
}

void MainComp::parameterMessage (int value, int address)
{
    if (value >= 32770)
        value -= 65536;

    if ((address >> 16) != state::PARAMETER_KIND)
        return;

    const int slot = address & 0xFFFF;
    if (slot == slots::PLAYING_MODE)
    {
        pendingSlot = slots::PLAYING_MODE;
        startTimer (MODE_DEBOUNCE_MS);
        return;
    }
    if (slot == slots::MULTI)
    {
        if (multiBrowser != nullptr && multiBrowser->isOpen())
            showCurrentMulti();   // chosen here or on the instrument
        return;
    }
    if (! midi.getSlots().exists (slot))
        return;

    const auto& info = midi.getSlots().info (slot);
    if ((info.kind == slots::KIND_CONTROLLER || info.kind == slots::KIND_CHANNEL_BLOCK) && programListOpen())
        programList->onParameterChange (slot, value);
    if (info.kind == slots::KIND_CONTROLLER && controlsShown())
        controls->refresh();
    else if (info.kind == slots::KIND_CHANNEL_BLOCK)
    {
        if (mixer->isShown())
            mixer->showValue (slot, value);
        if (info.index == slots::PROGRAM && programBrowser != nullptr && programBrowser->isOpen())
            programBrowser->refreshLcd (info.channel, value);
    }
}

void MainComp::timerCallback()
{
    stopTimer();
    pendingSlot = 0;

    // The instrument switched mode by itself: show the mixer rather than a browser of the wrong kind.
    if (midi.getValue (slots::PLAYING_MODE) != modeShown)
        showPage (page::MIXER, true);
}

//==============================================================================
void MainComp::paint (juce::Graphics& g)
{
    g.fillAll (background);

    FeelAndLook().paintFrame (g, 0, 0, getWidth(), HEADER_HEIGHT);
    g.setColour (juce::Colour (0xFF000000));
    g.fillRect (7, 7, getWidth() - 14, HEADER_HEIGHT - 14);

    if (! midi.keyboardOpen)
        g.drawImage (pictures::get (pictures::Id::footerStrip), 0, getHeight() - 25, getWidth(), 20, 0, 48, 10, 20);
    g.drawImage (pictures::get (pictures::Id::headerLogo), getWidth() - 261, 23, 225, 24, 0, 0, 564, 62);
}

void MainComp::resized()
{
    if (! uiBuilt)
        return;

    const int w = getWidth() - 32;
    appBar->setBounds (16, 0, w, HEADER_HEIGHT);
    appBar->getWindowTools().setBounds (w - 92, 4, 54, 22);
    footer->setBounds (16, getHeight() - 24, 1028, 20);
    const bool browserOpen = programBrowser != nullptr && programBrowser->isOpen();
    if (controlsShown())
        controls->setBounds (pageArea());
    if (mixer->isShown())
        mixer->setBounds (browserOpen || programListOpen() ? pageArea().withHeight (ChMixerComp::HEADER_HEIGHT) : pageArea());
    if (browserOpen)
        programBrowser->setBounds (programBrowserArea());
    if (multiBrowser != nullptr && multiBrowser->isOpen())
        multiBrowser->setBounds (pageArea());
    if (programListOpen())
        programList->setBounds (programBrowserArea());
    if (midiSetup != nullptr)
        midiSetup->setBounds (midiSetupArea());

    auto& settings = midi.getSettings();
    settings.set (MidiSettings::WINDOW_WIDTH, juce::String (getWidth()));
    settings.set (MidiSettings::WINDOW_HEIGHT, juce::String (getHeight()));

    if (about == nullptr)
    {
        leftSide->setBounds (0, 0, 16, getHeight());
        rightSide->setBounds (getWidth() - 16, 0, 16, getHeight());
        leftSide->toFront (false);
        rightSide->toFront (false);
    }
}
