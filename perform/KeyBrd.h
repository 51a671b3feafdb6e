#pragma once

#include "comms/MidiCntrState.h"
#include "widgets/Buttons.h"
#include "widgets/Displays.h"

/** One key of the drawer: white (0), black (1) or a square pad (2). */
class PianoKey : public juce::Component,
                 public juce::ChangeBroadcaster,
                 private juce::Timer
{
public:
    enum Kind { WHITE = 0, BLACK = 1, PAD = 2 };
    static constexpr int REPAINT_MS = 40;

    PianoKey (MidiCntrState& state, int kind, int noteOffset);

    /** The velocity a press at height y plays: white y - 114, black y, folded above 127, clamped to 5..127. */
    static int velocityAt (int kind, int y);

    int getNote() const { return midi.octave * 12 + noteOffset; }
    bool isSounding() const { return sounding; }
    int getVelocity() const { return velocity; }
    void startNote (int y);
    void stopNote();

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;

private:
    void timerCallback() override;

    MidiCntrState& midi;
    int kind, noteOffset;
    bool sounding = false;
    bool drawnDown = false;
    int velocity = 0;
};

/** The keyboard drawer: two octaves of keys, pitch and modulation wheels,
    channel menu, octave selector and touch mode. Its top band is the drawer's
    handle: releasing a drag there reports drawer code 126. */
class KeyBrd : public juce::Component,
               private stsbutListener,
               public juce::ChangeBroadcaster
{
public:
    static constexpr int DRAWER_RELEASE = 126;
    static constexpr int OCTAVE_X = 800, OCTAVE_WIDTH = 170;

    explicit KeyBrd (MidiCntrState& state);

    void setChannelLabel (int channel1);
    void setOctave (int octave);
    void setTouchMode (bool on);
    void chooseChannel (int channel1);
    void allNotesOff();

    WheelCnt& getPitchWheel() { return pitchWheel; }
    WheelCnt& getModWheel() { return modWheel; }
    PianoKey& getKey (int offset);
    StsBut& getChannelButton() { return channelButton; }
    StsBut& getTouchButton() { return touchButton; }
    int getCode() const { return code; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    void buttonClicked (StsBut* button, int id) override;

    MidiCntrState& midi;
    juce::OwnedArray<PianoKey> keys;
    WheelCnt pitchWheel { 64.0f, true }, modWheel { 0.0f, false };
    StsBut channelButton, touchButton, octaveDown, octaveUp;
    bool dragging = false;
    int pressY = 0;
    int code = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeyBrd)
};
