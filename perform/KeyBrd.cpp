#include "perform/KeyBrd.h"
#include "widgets/Pictures.h"
#include "widgets/ValueMenu.h"

PianoKey::PianoKey (MidiCntrState& state, int k, int offset) : midi (state), kind (k), noteOffset (offset)
{
    setSize (k == WHITE ? 60 : k == BLACK ? 39 : 100, k == WHITE ? 390 : k == BLACK ? 237 : 100);
}

int PianoKey::velocityAt (int k, int y)
{
    int v = k == WHITE ? juce::jmax (0, y - 114) : k == BLACK ? y : 100;
    if (v > 127)
        v = 254 - v;
    return juce::jlimit (5, 127, v);
}

void PianoKey::startNote (int y)
{
    if (sounding || y > 370)
        return;
    velocity = velocityAt (kind, y);
    midi.sendNoteOn (midi.currentChannel, getNote(), velocity);
    sounding = true;
    startTimer (REPAINT_MS);
}

void PianoKey::stopNote()
{
    if (! sounding)
        return;
    midi.sendNoteOff (midi.currentChannel, getNote());
    sounding = false;
    startTimer (REPAINT_MS);
}

void PianoKey::timerCallback()
{
    stopTimer();
    if (drawnDown != sounding)
        repaint();
}

void PianoKey::mouseDown (const juce::MouseEvent& e)
{
    startNote (e.y);
    if (! midi.touchMode)
        midi.keyHeld = true;
}

void PianoKey::mouseUp (const juce::MouseEvent&)
{
    if (! midi.touchMode)
        midi.keyHeld = false;
    stopNote();
}

void PianoKey::mouseEnter (const juce::MouseEvent& e)
{
    if (midi.touchMode || midi.keyHeld)
        startNote (e.getEventRelativeTo (this).y);
}

void PianoKey::mouseExit (const juce::MouseEvent&)
{
    if (midi.touchMode || midi.keyHeld)
        stopNote();
}

void PianoKey::paint (juce::Graphics& g)
{
    using pictures::Id;
    drawnDown = sounding;
    if (kind == PAD)
    {
        g.drawImageAt (pictures::get (Id::keyPad), 0, 0);
        if (sounding)
        {
            g.setColour (juce::Colour (0x5599FFFF));
            g.fillRoundedRectangle (5.0f, 5.0f, 90.0f, 90.0f, 5.0f);
        }
        return;
    }
    const bool white = kind == WHITE;
    g.drawImageAt (pictures::get (white ? (sounding ? Id::whiteKeyDown : Id::whiteKeyUp) : (sounding ? Id::blackKeyDown : Id::blackKeyUp)), 0, 0);
    if (white && getNote() % 12 == 0)
    {
        g.setColour (juce::Colour (0xFF606060));
        g.setFont (juce::Font ("Arial", 13.0f, juce::Font::plain));
        g.drawText ("C" + juce::String (getNote() / 12), 0, getHeight() - 30, getWidth(), 20, juce::Justification::centred);
    }
}

//==============================================================================
KeyBrd::KeyBrd (MidiCntrState& state)
    : midi (state),
      channelButton ("Channel  1", 1, false, 13.0f, 26), touchButton ("Touch Mode OFF", 2, false, 13.0f, 26),
      octaveDown ("<", 3, false, 15.0f, 26), octaveUp (">", 4, false, 15.0f, 26)
{
    const int whiteX[14] = { 130, 190, 250, 310, 370, 430, 490, 550, 610, 670, 730, 790, 850, 910 };
    const int whiteNotes[14] = { 0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23 };
    const int blackX[10] = { 162, 239, 343, 411, 477, 582, 659, 763, 831, 897 };
    const int blackNotes[10] = { 1, 3, 6, 8, 10, 13, 15, 18, 20, 22 };

    for (int i = 0; i < 14; ++i)
    {
        auto* key = keys.add (new PianoKey (midi, PianoKey::WHITE, whiteNotes[i]));
        key->setTopLeftPosition (whiteX[i], 60);
        addAndMakeVisible (key);
    }
    for (int i = 0; i < 10; ++i)
    {
        auto* key = keys.add (new PianoKey (midi, PianoKey::BLACK, blackNotes[i]));
        key->setTopLeftPosition (blackX[i], 60);
        addAndMakeVisible (key);
    }

    pitchWheel.setTopLeftPosition (30, 80);
    modWheel.setTopLeftPosition (75, 80);
    for (auto* wheel : { &pitchWheel, &modWheel })
        addAndMakeVisible (*wheel);

    channelButton.setBounds (20, 12, 130, 30);
    touchButton.setBounds (160, 12, 150, 30);
    octaveDown.setBounds (OCTAVE_X, 12, 40, 30);
    octaveUp.setBounds (OCTAVE_X + OCTAVE_WIDTH - 40, 12, 40, 30);
    for (auto* b : { &channelButton, &touchButton, &octaveDown, &octaveUp })
    {
        b->addListener (this);
        addAndMakeVisible (*b);
    }
    setSize (992, 460);
}

PianoKey& KeyBrd::getKey (int offset)
{
    for (auto* key : keys)
        if (key->getNote() - midi.octave * 12 == offset)
            return *key;
    return *keys.getFirst();
}

void KeyBrd::setChannelLabel (int channel1)
{
    channelButton.setText ("Channel  " + juce::String (channel1));
}

void KeyBrd::chooseChannel (int channel1)
{
    midi.currentChannel = juce::jlimit (1, 16, channel1);
    midi.sendSysEx (protocol::selectChannel (midi.currentChannel - 1));
    setChannelLabel (midi.currentChannel);
}

void KeyBrd::setOctave (int octave)
{
    allNotesOff();
    midi.octave = juce::jlimit (0, 8, octave);
    for (auto* key : keys)
        key->repaint();
    repaint();
}

void KeyBrd::setTouchMode (bool on)
{
    midi.touchMode = on;
    touchButton.setText (on ? "Touch Mode ON" : "Touch Mode OFF");
    touchButton.setLit (on);
}

void KeyBrd::allNotesOff()
{
    for (auto* key : keys)
        key->stopNote();
    for (int note = 0; note < 128; ++note)
        midi.sendNoteOff (midi.currentChannel, note);
}

void KeyBrd::buttonClicked (StsBut* button, int)
{
    if (button == &touchButton)
        setTouchMode (! midi.touchMode);
    else if (button == &octaveDown)
        setOctave (midi.octave - 1);
    else if (button == &octaveUp)
        setOctave (midi.octave + 1);
    else if (button == &channelButton)
    {
        auto menu = valuemenu::createValueMenu();
        for (int channel = 1; channel <= 16; ++channel)
            menu->addItem (channel, "Channel " + juce::String (channel), true, channel == midi.currentChannel);
        juce::Component::SafePointer<KeyBrd> self (this);
        menu->showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&channelButton), [self] (int chosen)
        {
            if (self != nullptr && chosen > 0)
                self->chooseChannel (chosen);
        });
    }
}

void KeyBrd::mouseDown (const juce::MouseEvent& e)
{
    const bool onOctaveSelector = e.x > OCTAVE_X && e.x < OCTAVE_X + OCTAVE_WIDTH;
    if (e.y <= 45 && ! onOctaveSelector)
    {
        dragging = true;
        pressY = e.y;
    }
}

void KeyBrd::mouseDrag (const juce::MouseEvent& e)
{
    if (dragging)
        setTopLeftPosition (getX(), getY() + e.y - pressY);
}

void KeyBrd::mouseUp (const juce::MouseEvent&)
{
    if (! dragging)
        return;
    dragging = false;
    code = DRAWER_RELEASE;
    sendChangeMessage();
}

void KeyBrd::paint (juce::Graphics& g)
{
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xFF2A2D31), 0, 0, juce::Colour (0xFF0E0F10), 0, 56, false));
    g.fillRect (0, 0, getWidth(), 56);
    g.setColour (juce::Colour (0xFF0A0A0B));
    g.fillRect (0, 56, getWidth(), getHeight() - 56);
    g.setColour (juce::Colour (0xFF5A5F66));
    g.fillRoundedRectangle ((float) getWidth() / 2 - 30, 4.0f, 60.0f, 4.0f, 2.0f);   // the handle

    g.setColour (juce::Colour (0xFFDADADA));
    g.setFont (juce::Font ("Arial", 14.0f, juce::Font::plain));
    g.drawText ("Octave " + juce::String (midi.octave), OCTAVE_X + 40, 12, OCTAVE_WIDTH - 80, 30, juce::Justification::centred);
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    g.drawText ("PITCH", 22, 214, 50, 14, juce::Justification::centred);
    g.drawText ("MOD", 67, 214, 50, 14, juce::Justification::centred);
}
