#pragma once

#include "comms/MidiPortDriver.h"
#include "comms/MidiProtocol.h"

class MidiSettings;

/** Opens and closes the MIDI ports, remembers the chosen ports by name in the
    settings and puts every outgoing byte on the output. Port indices in the
    interface are 1-based; 0 means no port. */
class MIDI_PORTS_Control
{
public:
    static constexpr size_t SYSEX_BLOCK_SIZE = 256;

    MIDI_PORTS_Control (MidiPortDriver& driver, MidiSettings& settings, juce::MidiInputCallback& inputCallback);
    ~MIDI_PORTS_Control();

    void openInput (int index1);
    void openOutput (int index1);
    void selectInput (int index1);
    void selectOutput (int index1);
    int findInputIndex (const juce::String& name);
    int findOutputIndex (const juce::String& name);

    juce::StringArray getInputNames() { return driver.getInputNames(); }
    juce::StringArray getOutputNames() { return driver.getOutputNames(); }

    bool isInputOpen() const { return input != nullptr; }
    bool isOutputOpen() const { return output != nullptr; }
    int getInputIndex() const { return inputIndex; }
    int getOutputIndex() const { return outputIndex; }

    void sendController (int channel, int number, int value);
    void sendNoteOn (int channel, int note, int velocity);
    void sendNoteOff (int channel, int note);
    void sendPitchWheel (int channel, int position);
    /** Sends several channel messages together (a parameter-change run). */
    void sendBuffer (const juce::MidiBuffer& buffer);
    void sendSysEx (const uint8_t* bytes, size_t size);
    void sendSysEx (const protocol::Bytes& bytes) { sendSysEx (bytes.data(), bytes.size()); }

private:
    void sendOne (const juce::MidiMessage& message);
    static int findIndex (const juce::StringArray& names, const juce::String& name);

    MidiPortDriver& driver;
    MidiSettings& settings;
    juce::MidiInputCallback& inputCallback;

    std::unique_ptr<MidiInputEndpoint> input;
    std::unique_ptr<MidiOutputEndpoint> output;
    int inputIndex = -1;
    int outputIndex = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MIDI_PORTS_Control)
};
