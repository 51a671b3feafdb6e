// Whatever arrives on the MIDI input, the controller state must neither crash
// nor read outside a message, nor hoard bytes. Seeded, so a failure repeats;
// also run in the AddressSanitizer build.

#include "support/VirtualRig.h"

#include <random>
#include <thread>

namespace
{
using protocol::Bytes;

juce::MidiMessage randomMessage (std::mt19937& random)
{
    const int kind = (int) (random() % 6);
    Bytes bytes;
    switch (kind)
    {
        case 0:   // a channel message with a random status
            bytes = { (uint8_t) (0x80 | (random() & 0x7F)), (uint8_t) (random() & 0x7F), (uint8_t) (random() & 0x7F) };
            break;
        case 1:   // random data bytes, as a continuation would bring
            bytes.resize (1 + random() % 40);
            for (auto& b : bytes) b = (uint8_t) (random() & 0x7F);
            break;
        case 2:   // a well-framed instrument message with random command, selectors and payload
        {
            bytes = { 0xF0, 0x07, 0x46, 0x01, 0x00 };
            bytes.resize (6 + random() % 500);
            for (size_t i = 5; i < bytes.size(); ++i) bytes[i] = (uint8_t) (random() & 0x7F);
            const uint8_t commands[] = { 2, 4, 5, 11, 12, 13, 0x20, 0x5A, 0x5B };
            bytes[5] = commands[random() % 9];
            if (bytes.size() > 11) bytes[11] = random() % 3 == 0 ? 0 : 1;
            bytes.push_back (0xF7);
            break;
        }
        case 3:   // a truncated SysEx: no end
            bytes = { 0xF0, 0x07, 0x46, 0x01 };
            bytes.resize (4 + random() % 60, 0x11);
            break;
        case 4:   // an identity reply of random length
            bytes = { 0xF0, 0x7E, 0x00, 0x06, 0x02 };
            bytes.resize (5 + random() % 12, 0x46);
            bytes.push_back (0xF7);
            break;
        default:  // raw bytes of any value
            bytes.resize (1 + random() % 20);
            for (auto& b : bytes) b = (uint8_t) random();
            break;
    }
    return juce::MidiMessage (bytes.data(), (int) bytes.size());
}
}

class IncomingFuzzTest : public VirtualRigTest {};

TEST_F (IncomingFuzzTest, RandomInputNeverBreaksTheControllerState)
{
    std::mt19937 random (424242);
    store().multis.loadMulti (1, store().multiEdit);
    for (int i = 0; i < 20000; ++i)
    {
        midi().handleIncomingMidiMessage (nullptr, randomMessage (random));
        if (i % 50 == 0)
            midi().processPendingInput();
    }
    midi().processPendingInput();
    midi().takePendingStates();
    midi().takePendingParameters();

    // Still working: a real identity exchange goes through.
    midi().transferRouting = false;
    midi().sendIdentityRequest();
    EXPECT_TRUE (pumpUntil ([this] { return midi().supportedDevice; }));
}

// Complete SysEx messages and program changes handed from a second thread
// arrive on the message thread once each and in order.
TEST (InputHandOver, NothingLostOrDoubledAcrossThreads)
{
    auto wire = std::make_shared<FakeWire>();
    auto log = std::make_shared<StoreLog>();
    juce::File::getSpecialLocation (juce::File::userDocumentsDirectory).deleteRecursively();
    MidiCntrState midi (std::make_unique<FakeMidiDriver> (wire), std::make_unique<RecordingStore> (log), library::folder());
    midi.createPorts();
    midi.getPorts()->selectInput (1);

    constexpr int count = 3000;
    std::atomic<bool> done { false };
    std::thread midiThread ([&]
    {
        for (int i = 0; i < count; ++i)
        {
            const Bytes message { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04, 0, 0, 0, 1, 0, 1, (uint8_t) (i >> 7), (uint8_t) (i & 0x7F), 0xF7 };
            wire->deliver (juce::MidiMessage (message.data(), (int) message.size()));
        }
        done = true;
    });
    while (! done.load())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (2);
    midiThread.join();
    pumpUntil ([&] { return (int) log->editBuffers.size() >= count; }, 5000);

    ASSERT_EQ ((int) log->editBuffers.size(), count);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ (log->editBuffers[(size_t) i][11] << 7 | log->editBuffers[(size_t) i][12], i);
}
