#pragma once

#include "comms/MidiCntrState.h"
#include "widgets/Buttons.h"

class MIDI_SetupListener
{
public:
    virtual ~MIDI_SetupListener() = default;
    virtual void midiSetupCommand (int code, int value) = 0;
};

/** The MIDI setup panel: input and output port boxes with their lamps, the
    status line, OK, POLL, RECEIVE DATA and TRANSMIT DATA. It only reports
    (300/302 port chosen, 201 poll, 203 OK, 2012/2013 receive/transmit); its
    owner acts. */
class MIDI_Setup : public juce::Component,
                   private stsbutListener
{
public:
    enum Code { INPUT_CHOSEN = 300, INPUT_BAND_CHOSEN = 301, OUTPUT_CHOSEN = 302, POLL = 201, OK = 203, RECEIVE = 2012, TRANSMIT = 2013 };

    explicit MIDI_Setup (MidiCntrState& state);

    void addListener (MIDI_SetupListener* listener) { listeners.add (listener); }
    /** Reads the port lists, the open ports and their lamps again. */
    void refresh();
    void setStatus (const juce::String& text);
    const juce::String& getStatus() const { return status; }
    const juce::StringArray& getInputNames() const { return inputs; }
    const juce::StringArray& getOutputNames() const { return outputs; }
    int getSelectedInput() const { return selectedInput; }
    int getSelectedOutput() const { return selectedOutput; }

    /** Reports a command as the panel's menus and buttons do. */
    void report (int code, int value);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;

private:
    void buttonClicked (StsBut* button, int id) override;
    void chooseFrom (const juce::StringArray& names, int code, juce::Rectangle<int> box);

    MidiCntrState& midi;
    GuardedListeners<MIDI_SetupListener> listeners;
    juce::String status { "------" };
    juce::StringArray inputs, outputs;
    int selectedInput = 0, selectedOutput = 0;
    bool inputOpen = false, outputOpen = false;
    StsBut okButton, pollButton, receiveButton, transmitButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MIDI_Setup)
};
