#include "comms/MIDI_PORTS_Control.h"
#include "comms/MidiSettings.h"

namespace
{
class SystemInput final : public MidiInputEndpoint
{
public:
    explicit SystemInput (std::unique_ptr<juce::MidiInput> in) : device (std::move (in)) {}
    void start() override { device->start(); }
    void stop() override { device->stop(); }

private:
    std::unique_ptr<juce::MidiInput> device;
};

class SystemOutput final : public MidiOutputEndpoint
{
public:
    explicit SystemOutput (std::unique_ptr<juce::MidiOutput> out) : device (std::move (out)) {}
    void startBackgroundThread() override { device->startBackgroundThread(); }
    void stopBackgroundThread() override { device->stopBackgroundThread(); }
    void clearAllPendingMessages() override { device->clearAllPendingMessages(); }
    void sendBlockOfMessages (const juce::MidiBuffer& buffer, double start, double rate) override
    {
        device->sendBlockOfMessages (buffer, start, rate);
    }
    void sendMessageNow (const juce::MidiMessage& message) override { device->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> device;
};

class SystemMidiDriver final : public MidiPortDriver
{
public:
    juce::StringArray getInputNames() override { return namesOf (juce::MidiInput::getAvailableDevices()); }
    juce::StringArray getOutputNames() override { return namesOf (juce::MidiOutput::getAvailableDevices()); }

    std::unique_ptr<MidiInputEndpoint> openInput (int index, juce::MidiInputCallback& callback) override
    {
        const auto devices = juce::MidiInput::getAvailableDevices();
        if (! juce::isPositiveAndBelow (index, devices.size()))
            return {};
        auto device = juce::MidiInput::openDevice (devices[index].identifier, &callback);
        return device != nullptr ? std::make_unique<SystemInput> (std::move (device)) : nullptr;
    }

    std::unique_ptr<MidiOutputEndpoint> openOutput (int index) override
    {
        const auto devices = juce::MidiOutput::getAvailableDevices();
        if (! juce::isPositiveAndBelow (index, devices.size()))
            return {};
        auto device = juce::MidiOutput::openDevice (devices[index].identifier);
        return device != nullptr ? std::make_unique<SystemOutput> (std::move (device)) : nullptr;
    }

private:
    static juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
    {
        juce::StringArray names;
        for (const auto& d : devices)
            names.add (d.name);
        return names;
    }
};
}

std::unique_ptr<MidiPortDriver> createSystemMidiDriver()
{
    return std::make_unique<SystemMidiDriver>();
}

MIDI_PORTS_Control::MIDI_PORTS_Control (MidiPortDriver& d, MidiSettings& s, juce::MidiInputCallback& callback)
    : driver (d), settings (s), inputCallback (callback)
{
}

MIDI_PORTS_Control::~MIDI_PORTS_Control()
{
    openOutput (0);
    openInput (0);
}

void MIDI_PORTS_Control::openInput (int index1)
{
    if (input != nullptr)
    {
        input->stop();
        input.reset();
    }
    inputIndex = -1;

    if (index1 > 0)
    {
        inputIndex = index1 - 1;
        input = driver.openInput (inputIndex, inputCallback);
        if (input != nullptr)
            input->start();
    }
}

void MIDI_PORTS_Control::openOutput (int index1)
{
    if (output != nullptr)
    {
        output->stopBackgroundThread();
        output.reset();
    }
    outputIndex = -1;

    if (index1 > 0)
    {
        outputIndex = index1 - 1;
        output = driver.openOutput (outputIndex);
        if (output != nullptr)
            output->startBackgroundThread();
    }
}

void MIDI_PORTS_Control::selectInput (int index1)
{
    const auto names = driver.getInputNames();
    if (index1 == 0)
        settings.set (MidiSettings::INPUT_PORT, "NONE");
    else if (index1 > 0 && index1 <= names.size())
        settings.set (MidiSettings::INPUT_PORT, names[index1 - 1]);
    openInput (index1);
}

void MIDI_PORTS_Control::selectOutput (int index1)
{
    const auto names = driver.getOutputNames();
    if (index1 == 0)
        settings.set (MidiSettings::OUTPUT_PORT, "NONE");
    else if (index1 > 0 && index1 <= names.size())
        settings.set (MidiSettings::OUTPUT_PORT, names[index1 - 1]);
    openOutput (index1);
}

int MIDI_PORTS_Control::findIndex (const juce::StringArray& names, const juce::String& name)
{
    if (name.length() <= 2)
        return 0;
    return names.indexOf (name) + 1;
}

int MIDI_PORTS_Control::findInputIndex (const juce::String& name) { return findIndex (driver.getInputNames(), name); }
int MIDI_PORTS_Control::findOutputIndex (const juce::String& name) { return findIndex (driver.getOutputNames(), name); }

void MIDI_PORTS_Control::sendOne (const juce::MidiMessage& message)
{
    juce::MidiBuffer buffer;
    buffer.addEvent (message, 0);
    sendBuffer (buffer);
}

void MIDI_PORTS_Control::sendBuffer (const juce::MidiBuffer& buffer)
{
    // 1000 samples per second from "now": the background thread sends at once.
    if (output != nullptr)
        output->sendBlockOfMessages (buffer, juce::Time::getMillisecondCounterHiRes(), 1000.0);
}

void MIDI_PORTS_Control::sendController (int channel, int number, int value)
{
    if (channel >= 0 && channel <= 16)
        sendOne (juce::MidiMessage::controllerEvent (juce::jlimit (1, 16, channel), number & 0x7F, juce::jlimit (0, 127, value)));
}

void MIDI_PORTS_Control::sendNoteOn (int channel, int note, int velocity)
{
    if (channel >= 0 && channel <= 16 && note >= 0 && note <= 127)
        sendOne (juce::MidiMessage::noteOn (juce::jlimit (1, 16, channel), note, (juce::uint8) juce::jlimit (0, 127, velocity)));
}

void MIDI_PORTS_Control::sendNoteOff (int channel, int note)
{
    if (channel >= 0 && channel <= 16 && note >= 0 && note <= 127)
        sendOne (juce::MidiMessage::noteOff (juce::jlimit (1, 16, channel), note, (juce::uint8) 0));
}

void MIDI_PORTS_Control::sendPitchWheel (int channel, int position)
{
    if (channel >= 0 && channel <= 16)
        sendOne (juce::MidiMessage::pitchWheel (juce::jlimit (1, 16, channel), juce::jlimit (0, 16383, position)));
}

void MIDI_PORTS_Control::sendSysEx (const uint8_t* bytes, size_t size)
{
    if (output == nullptr || size == 0)
        return;

    if (size <= SYSEX_BLOCK_SIZE)
    {
        sendOne (juce::MidiMessage (bytes, (int) size));
        return;
    }

    // Long messages go straight out in raw 256-byte slices, with the queue
    // stopped so that nothing can slip in between the slices.
    output->clearAllPendingMessages();
    output->stopBackgroundThread();
    for (size_t start = 0; start < size; start += SYSEX_BLOCK_SIZE)
        output->sendMessageNow (juce::MidiMessage (bytes + start, (int) juce::jmin (SYSEX_BLOCK_SIZE, size - start)));
    output->startBackgroundThread();
}
