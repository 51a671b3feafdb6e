#pragma once

#include "comms/MidiCntrState.h"

#include <functional>

/** Tries every input port with every output port, 200 ms each, until the
    instrument answers the identity request. The virtual instrument's pair
    (always last in both lists) is never tried: a switched-off instrument
    must not be mistaken for a connected one. */
class MidiPortScan : private juce::Timer
{
public:
    static constexpr int DWELL_MS = 200;

    explicit MidiPortScan (MidiCntrState& state);
    ~MidiPortScan() override;

    /** Called once when the scan ends: true when the instrument answered. */
    std::function<void (bool found)> onFinished;

    void start();
    void stop();
    bool isRunning() const { return running; }
    int getStepCount() const { return steps; }

private:
    void timerCallback() override;
    void step();
    void finish (bool found);
    static int systemCount (const juce::StringArray& names);

    MidiCntrState& midi;
    bool running = false;
    bool choosingInput = true;
    int inputs = 0, outputs = 0;
    int input = 0, output = 0;
    int steps = 0;
};
