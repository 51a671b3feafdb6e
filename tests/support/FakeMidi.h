#pragma once

#include "comms/MidiPortDriver.h"
#include "comms/MidiProtocol.h"
#include "comms/ObjectStore.h"

#include <mutex>

/** What went out on the fake cable, message by message. */
struct FakeWire
{
    std::mutex mutex;
    std::vector<protocol::Bytes> sent;
    int directSends = 0;                         // raw slices sent with the queue stopped
    juce::MidiInputCallback* input = nullptr;    // where the fake instrument's bytes go

    std::vector<protocol::Bytes> take()
    {
        const std::lock_guard<std::mutex> guard (mutex);
        std::vector<protocol::Bytes> taken;
        taken.swap (sent);
        return taken;
    }

    void record (const juce::MidiMessage& m)
    {
        const std::lock_guard<std::mutex> guard (mutex);
        sent.emplace_back (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }

    /** Delivers a message as if it came in on the MIDI input. */
    void deliver (const juce::MidiMessage& m)
    {
        if (input != nullptr)
            input->handleIncomingMidiMessage (nullptr, m);
    }
};

/** Ports that record what is sent and let a test play the instrument. */
class FakeMidiDriver final : public MidiPortDriver
{
public:
    explicit FakeMidiDriver (std::shared_ptr<FakeWire> w,
                             juce::StringArray ins = { "Fake In" },
                             juce::StringArray outs = { "Fake Out" })
        : wire (std::move (w)), inputs (std::move (ins)), outputs (std::move (outs)) {}

    juce::StringArray getInputNames() override { return inputs; }
    juce::StringArray getOutputNames() override { return outputs; }

    std::unique_ptr<MidiInputEndpoint> openInput (int index, juce::MidiInputCallback& callback) override
    {
        if (! juce::isPositiveAndBelow (index, inputs.size()))
            return {};
        wire->input = &callback;
        return std::make_unique<Input> (wire);
    }

    std::unique_ptr<MidiOutputEndpoint> openOutput (int index) override
    {
        if (! juce::isPositiveAndBelow (index, outputs.size()))
            return {};
        return std::make_unique<Output> (wire);
    }

private:
    struct Input final : MidiInputEndpoint
    {
        explicit Input (std::shared_ptr<FakeWire> w) : wire (std::move (w)) {}
        ~Input() override { wire->input = nullptr; }
        void start() override {}
        void stop() override {}
        std::shared_ptr<FakeWire> wire;
    };

    struct Output final : MidiOutputEndpoint
    {
        explicit Output (std::shared_ptr<FakeWire> w) : wire (std::move (w)) {}
        void startBackgroundThread() override {}
        void stopBackgroundThread() override {}
        void clearAllPendingMessages() override {}
        void sendBlockOfMessages (const juce::MidiBuffer& buffer, double, double) override
        {
            for (const auto metadata : buffer)
                wire->record (metadata.getMessage());
        }
        void sendMessageNow (const juce::MidiMessage& m) override
        {
            wire->record (m);
            ++wire->directSends;
        }
        std::shared_ptr<FakeWire> wire;
    };

    std::shared_ptr<FakeWire> wire;
    juce::StringArray inputs, outputs;
};

/** An object store that remembers what it was asked. */
struct StoreLog
{
    std::vector<std::pair<int, int>> loadedPrograms;   // (channel, program)
    std::vector<std::pair<int, std::array<int, 3>>> fxChains;
    std::vector<protocol::Bytes> editBuffers, transfers;
    std::array<int, 16> globalPrograms {};
    int bankLoads = 0, bankSaves = 0;
};

class RecordingStore final : public ObjectStore
{
public:
    explicit RecordingStore (std::shared_ptr<StoreLog> l) : log (std::move (l)) {}

    void setSender (std::function<void (const protocol::Bytes&)>) override {}
    void loadBanks() override { ++log->bankLoads; }
    void saveBanks() override { ++log->bankSaves; }

    /** Program p carries the FX chains p + 1, p + 2 and p + 3. */
    std::array<int, 3> loadChannelProgram (int channel, int program) override
    {
        log->loadedPrograms.emplace_back (channel, program);
        return { program + 1, program + 2, program + 3 };
    }
    void setChannelFxChains (int channel, const std::array<int, 3>& chains) override { log->fxChains.emplace_back (channel, chains); }
    void receiveEditBuffer (const protocol::Bytes& m) override { log->editBuffers.push_back (m); }
    std::array<int, 16> channelProgramsOfGlobalBlock() const override { return log->globalPrograms; }
    void receiveTransfer (const protocol::Bytes& m) override { log->transfers.push_back (m); }
    std::string objectName (int, int id) const override { return "Object " + std::to_string (id); }

private:
    std::shared_ptr<StoreLog> log;
};
