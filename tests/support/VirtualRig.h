#pragma once

#include "support/Fixtures.h"
#include "comms/VirtualInstrument.h"
#include "comms/ZK5Class.h"

/** Runs the message loop until the condition holds or the time is up. */
inline bool pumpUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
    return true;
}

/** The arrangement state with the real object store, connected to the
    virtual instrument through the same port driver the editor uses. */
class VirtualRigTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        auto driver = std::make_unique<MidiDriverWithVirtualInstrument> (nullptr);
        instrument = &driver->getVirtualInstrument();
        processor = std::make_unique<DaduRAAudioProcessor> (std::move (driver), std::make_unique<ZK5Class> (library::folder()));
        midi().getPorts()->selectInput (1);
        midi().getPorts()->selectOutput (1);
        store().transfer.answerTimeoutMs = 150;
    }

    void TearDown() override
    {
        processor.reset();
        LibraryTest::TearDown();
    }

    MidiCntrState& midi() { return processor->getMidi(); }
    ZK5Class& store() { return dynamic_cast<ZK5Class&> (*midi().getObjectStore()); }

    /** Lets the instrument answer everything and the program handle the answers. */
    void settle()
    {
        for (int round = 0; round < 3; ++round)
        {
            instrument->waitUntilIdle();
            juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
        }
    }

    VirtualInstrument* instrument = nullptr;
    std::unique_ptr<DaduRAAudioProcessor> processor;
};
