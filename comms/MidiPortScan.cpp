#include "comms/MidiPortScan.h"
#include "comms/VirtualInstrument.h"

MidiPortScan::MidiPortScan (MidiCntrState& state) : midi (state) {}

MidiPortScan::~MidiPortScan()
{
    stopTimer();
    midi.scanning = false;
}

int MidiPortScan::systemCount (const juce::StringArray& names)
{
    const bool lastIsVirtual = ! names.isEmpty() && MidiDriverWithVirtualInstrument::isVirtual (names[names.size() - 1]);
    return names.size() - (lastIsVirtual ? 1 : 0);
}

void MidiPortScan::start()
{
    auto* ports = midi.getPorts();
    if (ports == nullptr)
    {
        finish (false);
        return;
    }
    inputs = systemCount (ports->getInputNames());
    outputs = systemCount (ports->getOutputNames());
    midi.supportedDevice = false;
    midi.scanning = true;
    running = true;
    choosingInput = true;
    input = output = steps = 0;
    step();
}

void MidiPortScan::stop()
{
    stopTimer();
    running = false;
    midi.scanning = false;
}

void MidiPortScan::step()
{
    auto& ports = *midi.getPorts();
    if (choosingInput)
    {
        if (++input > inputs)
        {
            finish (midi.supportedDevice);
            return;
        }
        ports.selectInput (input);
        output = 0;
        choosingInput = false;
    }
    else if (++output <= outputs)
        ports.selectOutput (output);
    else
        choosingInput = true;   // this step changes no port

    ++steps;
    startTimer (DWELL_MS);
    midi.sendIdentityRequest();
}

void MidiPortScan::timerCallback()
{
    stopTimer();
    if (midi.supportedDevice)
        finish (true);
    else
        step();
}

void MidiPortScan::finish (bool found)
{
    stop();
    if (onFinished)
        onFinished (found);
}
