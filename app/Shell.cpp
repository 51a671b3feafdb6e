#include "app/Shell.h"
#include "app/AppInfo.h"
#include "comms/VirtualInstrument.h"
#include "model/ParDes.h"
#include "widgets/Pictures.h"

//==============================================================================
WinMovCan::WinMovCan (bool onlyClose) : closeOnly (onlyClose)
{
    setSize (onlyClose ? 17 : 54, 22);
}

int WinMovCan::toolAt (int x) const
{
    if (closeOnly)
        return QUIT;
    return x < 20 ? MINIMISE : x <= 37 ? FULL_SCREEN : QUIT;
}

void WinMovCan::mouseMove (const juce::MouseEvent& e)
{
    const int tool = toolAt (e.x);
    if (tool != highlighted)
    {
        highlighted = tool;
        repaint();
    }
}

void WinMovCan::mouseExit (const juce::MouseEvent&)
{
    highlighted = 0;
    repaint();
}

void WinMovCan::mouseDown (const juce::MouseEvent& e) { pressedCode = toolAt (e.x); }

void WinMovCan::mouseUp (const juce::MouseEvent& e)
{
    const auto p = e.getEventRelativeTo (this).getPosition();
    if (getLocalBounds().contains (p) && toolAt (p.x) == pressedCode)
    {
        const int code = pressedCode;
        listeners.call ([code] (winToolListener& l) { l.winToolCommand (code); });
    }
    pressedCode = 0;
}

void WinMovCan::paint (juce::Graphics& g)
{
    // The sheet's upper half is the strip, its lower half the highlighted tools.
    const auto sheet = pictures::get (pictures::Id::windowTools);
    if (closeOnly)
    {
        g.drawImage (sheet, 0, 0, 17, 15, 37, highlighted == QUIT ? 15 : 0, 17, 15);
        return;
    }
    g.drawImage (sheet, 0, 0, 54, 15, 0, 0, 54, 15);
    struct Tool { int code, x, width; };
    for (const auto& t : { Tool { MINIMISE, 0, 20 }, Tool { FULL_SCREEN, 20, 15 }, Tool { QUIT, 37, 17 } })
        if (t.code == highlighted)
            g.drawImage (sheet, t.x, 0, t.width, 15, t.x, 15, t.width, 15);
}

//==============================================================================
void AppSetBarBut::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (2.0f);
    g.setColour (juce::Colour (0xFF292929));
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (juce::Colour (0xFF7E7E7E));
    g.drawRoundedRectangle (area, 4.0f, 1.5f);
    // Three book spines: the library.
    g.setColour (juce::Colour (0xFF71ADFF));
    for (int i = 0; i < 3; ++i)
        g.fillRect (area.getX() + 8.0f + 6.0f * (float) i, area.getY() + 8.0f, 4.0f, area.getHeight() - 16.0f);
}

//==============================================================================
AppBar::AppBar()
{
    struct Page { const char* text; int code, x, width; };
    const Page pages[] = { { "PROGRAM", PROGRAM, 50, 96 }, { "MULTI", MULTI, 151, 96 }, { "MIDI", MIDI, 272, 96 },
                           { "KEYS", KEYS, 373, 96 }, { "MIXER", MIXER, 494, 66 }, { "CONTROLS", CONTROLS, 565, 66 },
                           { "ABOUT", ABOUT, 636, 66 } };
    for (const auto& p : pages)
    {
        auto* button = buttons.add (new StsBut (p.text, p.code, false, 13.0f, 36));
        button->textColour = juce::Colour (0xFFEEEEEE);
        button->setBounds (p.x, 12, p.width, 44);
        button->addListener (this);
        addAndMakeVisible (button);
    }
    libraryButton.setBounds (8, 18, 36, 36);
    libraryButton.addChangeListener (this);
    addAndMakeVisible (libraryButton);
    addAndMakeVisible (windowTools);
    setSize (1024, 64);
}

StsBut* AppBar::getButton (int buttonCode)
{
    for (auto* b : buttons)
        if (b->getId() == buttonCode)
            return b;
    return nullptr;
}

void AppBar::lightMode (int mode)
{
    getButton (PROGRAM)->setLit (mode == 1);
    getButton (MULTI)->setLit (mode == 2);
}

void AppBar::resized()
{
    windowTools.setBounds (getWidth() - 76, 4, 54, 22);
}

void AppBar::paint (juce::Graphics& g)
{
    for (auto* b : buttons)
        StsBut::drawButtonShadow (g, *b, 1, 2, 3.0f);
}

void AppBar::report (int newCode)
{
    code = newCode;
    sendChangeMessage();
}

void AppBar::buttonClicked (StsBut*, int id) { report (id); }
void AppBar::changeListenerCallback (juce::ChangeBroadcaster*) { report (LIBRARY); }

void AppBar::mouseDown (const juce::MouseEvent& e) { pressPosition = e.getPosition(); }

void AppBar::mouseDrag (const juce::MouseEvent& e)
{
    dragPosition = e.getPosition();
    report (DRAG);
}

//==============================================================================
KeyPlayClass::KeyPlayClass (MidiCntrState& state) : midi (state) {}

int KeyPlayClass::offsetOf (juce::juce_wchar c)
{
    static const juce::String keys ("zsxdcvgbhnjm");
    return keys.indexOfChar (juce::CharacterFunctions::toLowerCase (c));
}

bool KeyPlayClass::keyPressed (const juce::KeyPress& key)
{
    return pressCharacter (key.getTextCharacter());
}

bool KeyPlayClass::pressCharacter (juce::juce_wchar c)
{
    const int offset = offsetOf (c);
    if (offset >= 0)
    {
        const int note = baseNote + offset;
        if (note > 127 || sounding[note])
            return true;
        sounding[note] = true;
        noteOfKey[offset] = note;
        midi.sendNoteOn (midi.currentChannel, note, velocity);
        status = "Play Chn: " + juce::String (midi.currentChannel) + " Key: " + juce::String (pardes::noteName (note)).retainCharacters ("CDEFGAB#")
               + juce::String (note / 12) + " Vel: " + juce::String (velocity);
    }
    else if (c == 'o' || c == 'p')
    {
        if (c == 'o' && baseNote >= 1)
            baseNote = juce::jmax (0, baseNote - 12);
        else if (c == 'p' && baseNote < 115)
            baseNote += 12;
        status = "Octave " + juce::String (baseNote / 12 - 2);
    }
    else if (c == 'u' || c == 'i')
    {
        if (c == 'u' && velocity >= 5)
            velocity -= 5;
        else if (c == 'i' && velocity < 122)
            velocity += 5;
        status = "Note Velocity: " + juce::String (velocity);
    }
    else if (c == '@')
    {
        for (int note = 0; note < 128; ++note)
        {
            midi.sendNoteOff (midi.currentChannel, note);
            sounding[note] = false;
        }
        status = "All Notes OFF";
    }
    else
        return false;

    repaint();
    return true;
}

void KeyPlayClass::releaseKeysThatAreUp (const std::function<bool (juce::juce_wchar)>& isDown)
{
    static const juce::String keys ("zsxdcvgbhnjm");
    for (int offset = 0; offset < 12; ++offset)
    {
        const int note = noteOfKey[offset];
        if (sounding[note] && ! isDown (keys[offset]))
        {
            sounding[note] = false;
            midi.sendNoteOff (midi.currentChannel, note);
        }
    }
}

bool KeyPlayClass::keyStateChanged (bool)
{
    releaseKeysThatAreUp ([] (juce::juce_wchar c) { return juce::KeyPress::isKeyCurrentlyDown (c); });
    return false;
}

void KeyPlayClass::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xFF71ADFF));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    g.drawText (status.isEmpty() ? juce::String ("Keys: z s x d c ... m, o/p octave") : status, getLocalBounds(), juce::Justification::centred, true);
}

//==============================================================================
AppFoot::AppFoot (MidiCntrState& state) : player (state)
{
    addAndMakeVisible (player);
}

void AppFoot::setStatus (const juce::String& text)
{
    status = text;
    repaint (10, 3, 800, juce::jmax (0, getHeight() - 10));
}

void AppFoot::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::white);
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    g.drawText (status, 10, 3, 500, 14, juce::Justification::centredLeft, true);
}

void AppFoot::report (int newCode)
{
    code = newCode;
    sendChangeMessage();
}

void AppFoot::mouseDown (const juce::MouseEvent&) { report (PRESS); }

void AppFoot::mouseDrag (const juce::MouseEvent& e)
{
    dragPosition = e.getPosition();
    report (DRAG);
}

void AppFoot::mouseUp (const juce::MouseEvent&) { report (RELEASE); }

//==============================================================================
MIDI_scan::MIDI_scan (MidiCntrState& state)
    : midi (state), scan (state), useVirtual ("TRY THE VIRTUAL ZK7", USE_VIRTUAL_ID, false, 12.0f, 26)
{
    scan.onFinished = [this] (bool wasFound)
    {
        instrumentFound = wasFound;
        notConnected = ! wasFound;
        useVirtual.setVisible (notConnected);
        hostSettings.setVisible (notConnected);
        repaint();
        if (wasFound)
            sendChangeMessage();
    };

    hostSettings.setButtonText ("Host settings");
    hostSettings.setURL (juce::URL (PROJECT_WEB_ADDRESS));
    hostSettings.setBounds (350, 10, 150, 24);
    addChildComponent (hostSettings);

    useVirtual.setBounds (436, 62, 150, 30);
    useVirtual.addListener (this);
    addChildComponent (useVirtual);
    setSize (600, 100);
}

void MIDI_scan::useVirtualInstrument()
{
    auto& ports = *midi.getPorts();
    const int input = ports.getInputNames().indexOf (VirtualInstrument::PORT_NAME) + 1;
    const int output = ports.getOutputNames().indexOf (VirtualInstrument::PORT_NAME) + 1;
    if (input == 0 || output == 0)
        return;
    ports.selectInput (input);
    ports.selectOutput (output);
    midi.saveSettings();
    midi.sendIdentityRequest();

    // Report once the answer is in (or after two seconds), like a scan that found it.
    answerChecks = 0;
    startTimer (50);
}

void MIDI_scan::timerCallback()
{
    if (! midi.supportedDevice && ++answerChecks < 40)
        return;
    stopTimer();
    instrumentFound = midi.supportedDevice;
    sendChangeMessage();
}

void MIDI_scan::buttonClicked (StsBut*, int id)
{
    if (id == USE_VIRTUAL_ID)
        useVirtualInstrument();
}

void MIDI_scan::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (2.0f);
    g.setColour (juce::Colour (0xEE15222A));
    g.fillRoundedRectangle (area, 10.0f);
    g.setColour (juce::Colour (0xDDFFFFFF));
    g.drawRoundedRectangle (area, 10.0f, 3.0f);

    g.setColour (juce::Colours::white);
    if (! notConnected)
    {
        g.setFont (juce::Font ("Arial", 17.0f, juce::Font::bold));
        g.drawText ("Looking for the ZK7 on every MIDI port...", 10, 30, 560, 24, juce::Justification::centredLeft);
        return;
    }
    g.setFont (juce::Font ("Arial", 17.0f, juce::Font::bold));
    g.drawText ("NOT CONNECTED!", 10, 18, 300, 20, juce::Justification::centredLeft);
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    g.drawText ("- Check USB/MIDI cables.", 30, 43, 360, 18, juce::Justification::centredLeft);
    g.drawText ("- Check ZK7 global setting: Destination should be set to USB.", 30, 63, 560, 18, juce::Justification::centredLeft);
}

//==============================================================================
AboutPanel::AboutPanel (MidiCntrState& state, int delayMs) : midi (state)
{
    version.setText ("Version: " + juce::String (PROGRAM_VERSION), juce::dontSendNotification);
    version.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    version.setColour (juce::Label::textColourId, juce::Colour (0xFFDDDDDD));
    version.setBounds (50, 82, 150, 24);
    addAndMakeVisible (version);

    webLink.setButtonText ("Visit Webpage");
    webLink.setURL (juce::URL (PROJECT_WEB_ADDRESS));
    webLink.setFont (juce::Font ("Arial", 20.0f, juce::Font::bold), false, juce::Justification::centredLeft);
    webLink.setBounds (50, 100, 150, 30);
    addAndMakeVisible (webLink);

    if (delayMs > 0)
        startTimer (delayMs);
}

AboutPanel::~AboutPanel()
{
    stopScan();
}

void AboutPanel::timerCallback()
{
    stopTimer();
    if (midi.supportedDevice)
    {
        sendChangeMessage();
        return;
    }
    scan = std::make_unique<MIDI_scan> (midi);
    scan->setBounds (214, 79, 600, 100);
    scan->addChangeListener (this);
    addAndMakeVisible (*scan);
    scan->start();
}

void AboutPanel::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (scan != nullptr && source == scan.get())
    {
        stopScan();
        sendChangeMessage();
    }
}

void AboutPanel::stopScan()
{
    if (scan != nullptr)
    {
        scan->setVisible (false);
        scan.reset();
    }
    midi.scanning = false;
}

void AboutPanel::closePanel()
{
    stopTimer();
    stopScan();
    setVisible (false);
}

void AboutPanel::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF101214));
    g.drawImage (pictures::get (pictures::Id::aboutBackground), getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    g.setColour (juce::Colours::black);
    g.fillRect (0, 0, getWidth(), 64);   // under the app bar, which stays usable
    const auto logo = pictures::get (pictures::Id::headerLogo);
    g.drawImageAt (logo, (getWidth() - logo.getWidth()) / 2, 300);
    g.setColour (juce::Colour (0xFF8A8A8A));
    g.setFont (juce::Font ("Arial", 16.0f, juce::Font::plain));
    g.drawText ("Editor and librarian", 0, 372, getWidth(), 24, juce::Justification::centred);

    g.setColour (juce::Colour (0xFFDDDDDD));
    g.setFont (juce::Font ("Arial", 14.0f, juce::Font::plain));
    const juce::String credits[] = { "Velmoran ZK7 editor and librarian", "Version " + juce::String (PROGRAM_VERSION), PROJECT_WEB_ADDRESS };
    for (int i = 0; i < 3; ++i)
        g.drawText (credits[i], 570, 710 + 16 * i, 440, 16, juce::Justification::centredLeft);
}
