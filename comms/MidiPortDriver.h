#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

/** An open MIDI input: it calls its callback from its own thread once started. */
class MidiInputEndpoint
{
public:
    virtual ~MidiInputEndpoint() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

/** An open MIDI output, with the same sending model as juce::MidiOutput. */
class MidiOutputEndpoint
{
public:
    virtual ~MidiOutputEndpoint() = default;
    virtual void startBackgroundThread() = 0;
    virtual void stopBackgroundThread() = 0;
    virtual void clearAllPendingMessages() = 0;
    virtual void sendBlockOfMessages (const juce::MidiBuffer& buffer, double millisecondCounterToStartAt,
                                      double samplesPerSecondForBuffer) = 0;
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};

/** Where MIDI ports come from: the system's devices, or any other endpoint
    (the virtual instrument, a test's recorder) that speaks MIDI. */
class MidiPortDriver
{
public:
    virtual ~MidiPortDriver() = default;
    virtual juce::StringArray getInputNames() = 0;
    virtual juce::StringArray getOutputNames() = 0;
    /** Opens input index (0-based); nullptr when it cannot be opened. */
    virtual std::unique_ptr<MidiInputEndpoint> openInput (int index, juce::MidiInputCallback& callback) = 0;
    /** Opens output index (0-based); nullptr when it cannot be opened. */
    virtual std::unique_ptr<MidiOutputEndpoint> openOutput (int index) = 0;
};

/** The system's MIDI devices through juce::MidiInput and juce::MidiOutput. */
std::unique_ptr<MidiPortDriver> createSystemMidiDriver();
