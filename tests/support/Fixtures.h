#pragma once

#include "support/FakeMidi.h"
#include "arrange/DaduRAAudioProcessor.h"
#include "comms/LibraryFiles.h"

#include <gtest/gtest.h>

/** Starts every test with an empty documents folder in the test's HOME. */
class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override { documents().deleteRecursively(); }
    void TearDown() override { documents().deleteRecursively(); }

    static juce::File documents() { return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory); }
};

/** An arrangement state wired to fake ports (both open) and a recording store. */
class ConnectedTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        processor = std::make_unique<DaduRAAudioProcessor> (std::make_unique<FakeMidiDriver> (wire),
                                                            std::make_unique<RecordingStore> (store));
        midi().getPorts()->selectInput (1);
        midi().getPorts()->selectOutput (1);
        midi().takePendingStates();
        midi().takePendingParameters();
        wire->take();
        *store = StoreLog {};
    }

    void TearDown() override
    {
        processor.reset();
        LibraryTest::TearDown();
    }

    MidiCntrState& midi() { return processor->getMidi(); }

    /** A message as it arrives from the instrument, handled as the message thread would. */
    void receive (const juce::MidiMessage& m)
    {
        wire->deliver (m);
        midi().processPendingInput();
    }

    void receiveSysEx (const protocol::Bytes& bytes)
    {
        receive (juce::MidiMessage (bytes.data(), (int) bytes.size()));
    }

    std::shared_ptr<FakeWire> wire = std::make_shared<FakeWire>();
    std::shared_ptr<StoreLog> store = std::make_shared<StoreLog>();
    std::unique_ptr<DaduRAAudioProcessor> processor;
};

/** Bytes of a controller message on a 1-based channel. */
inline protocol::Bytes cc (int channel, int controller, int value)
{
    return { (uint8_t) (0xB0 + channel - 1), (uint8_t) controller, (uint8_t) value };
}

/** The seven controllers of a parameter-change run on a 1-based channel. */
inline std::vector<protocol::Bytes> parameterRun (int channel, protocol::ParamAddress a, int value)
{
    std::vector<protocol::Bytes> run;
    for (const auto& c : protocol::parameterChange (a, value))
        run.push_back (cc (channel, c.controller, c.value));
    return run;
}
