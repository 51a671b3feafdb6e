#include "support/Fixtures.h"

using protocol::Bytes;

class IncomingMidiTest : public ConnectedTest
{
protected:
    std::vector<int> states() { return midi().takePendingStates(); }
    std::vector<ParameterPair> parameters() { return midi().takePendingParameters(); }
};

TEST_F (IncomingMidiTest, NotesPostTheirWordsAndKeepTheKeyState)
{
    receive (juce::MidiMessage::noteOn (3, 60, (juce::uint8) 100));
    EXPECT_TRUE (midi().isKeyDown (60));
    receive (juce::MidiMessage::noteOff (3, 60));
    EXPECT_FALSE (midi().isKeyDown (60));
    receive (juce::MidiMessage::noteOn (3, 61, (juce::uint8) 90));
    receive (juce::MidiMessage::allNotesOff (3));
    EXPECT_FALSE (midi().isKeyDown (61));

    EXPECT_EQ (states(), (std::vector<int> { state::word (0x90, 2, 60, 100), state::word (0x80, 2, 60, 0),
                                             state::word (0x90, 2, 61, 90) }));
}

TEST_F (IncomingMidiTest, ControllersUpdateTheirSlotOnlyWhenTheValueChanges)
{
    receive (juce::MidiMessage::controllerEvent (2, 74, 10));
    receive (juce::MidiMessage::controllerEvent (2, 74, 10));
    receive (juce::MidiMessage::controllerEvent (2, 0, 5));     // bank select high: ignored
    receive (juce::MidiMessage::controllerEvent (2, 1, 33));    // modulation also moves the wheel

    const int slot74 = slots::controllerSlot (1, 74);
    EXPECT_EQ (midi().getValue (slot74), 10);
    EXPECT_EQ (midi().getValue (slots::controllerSlot (1, 0)), 0);

    const auto pairs = parameters();
    ASSERT_EQ (pairs.size(), 2u);
    EXPECT_EQ (pairs[0].address, 1 << 16 | slot74);
    EXPECT_EQ (pairs[1].address, 1 << 16 | slots::controllerSlot (1, 1));
    EXPECT_EQ (states(), std::vector<int> { state::word (0xB0, 1, 1, 33) });
}

TEST_F (IncomingMidiTest, BankAndProgramChangeCombineAndApplyOnce)
{
    receive (juce::MidiMessage::controllerEvent (4, 32, 1));
    EXPECT_TRUE (parameters().empty());   // controller 32 changes no slot

    receive (juce::MidiMessage::programChange (4, 5));
    EXPECT_EQ (midi().getChannelProgram (3), 133);
    ASSERT_EQ (store->loadedPrograms.size(), 1u);
    EXPECT_EQ (store->loadedPrograms[0], std::make_pair (3, 133));

    receive (juce::MidiMessage::programChange (4, 5));
    EXPECT_EQ (store->loadedPrograms.size(), 1u);
    EXPECT_TRUE (wire->take().empty());   // nothing goes back to the instrument
}

TEST_F (IncomingMidiTest, PitchBendCarriesFourteenBits)
{
    receive (juce::MidiMessage::pitchWheel (16, 12345));
    EXPECT_EQ (states(), std::vector<int> { state::word (0xE0, 15, 0, 0) | 12345 });
}

TEST_F (IncomingMidiTest, HoldOffIgnoresEverything)
{
    midi().startHoldOff();
    receive (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100));
    receive (juce::MidiMessage::controllerEvent (1, 7, 100));
    EXPECT_TRUE (states().empty());
    EXPECT_TRUE (parameters().empty());

    // An answer to our identity request is no echo: it still comes through.
    receiveSysEx ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x46, 0x00, 0x01, 0x00, 0xF7 });
    EXPECT_TRUE (midi().supportedDevice);

    // The hold-off ends by itself after two seconds.
    EXPECT_TRUE (midi().isHoldingOff());
    juce::MessageManager::getInstance()->runDispatchLoopUntil (MidiCntrState::HOLD_OFF_MS + 200);
    EXPECT_FALSE (midi().isHoldingOff());
}

//==============================================================================
namespace
{
Bytes identityReply (int family, int familyHigh, int member, int memberHigh)
{
    return { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, (uint8_t) family, (uint8_t) familyHigh,
             (uint8_t) member, (uint8_t) memberHigh, 1, 0, 0, 0, 0xF7 };
}
}

TEST_F (IncomingMidiTest, IdentityReplies)
{
    struct Case { Bytes reply; const char* name; bool supported; bool other; };
    const Case cases[] = {
        { identityReply (0x46, 0, 1, 0), "VELMORAN ZK7", true, false },
        { identityReply (0x46, 0, 2, 0), "Connected - Device Unknown", false, true },
        { identityReply (0x46, 0x40, 1, 0x0A), "VELMORAN ZK7", true, false },
        { identityReply (0x10, 0x40, 1, 0x13), "VELMORAN LUMEN", false, false },
        { identityReply (0x41, 0, 1, 0), "VELMORAN BRAVA", false, false },
        { identityReply (0x42, 0, 1, 0), "VELMORAN BRAVA LX", false, false },
        { identityReply (0x44, 0, 3, 0), "VELMORAN HT3", false, true },
        { identityReply (0x44, 0, 1, 0), "Connected - Device Unknown", false, false },
        { identityReply (0x33, 0, 1, 0), "Connected - Device Unknown", false, false },
        { { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0xF7 }, "Connected - Device Unknown", false, true },  // short: missing bytes read 0
    };

    for (const auto& c : cases)
    {
        midi().sendIdentityRequest();
        EXPECT_EQ (states(), std::vector<int> { state::word (state::OFF_LINE, 0, 0, 0) });
        EXPECT_EQ (wire->take(), std::vector<Bytes> { protocol::identityRequest() });

        receiveSysEx (c.reply);
        EXPECT_EQ (midi().deviceName, c.name);
        EXPECT_EQ (midi().supportedDevice, c.supported) << c.name;
        EXPECT_EQ (midi().otherMember, c.other) << c.name;
        EXPECT_EQ (states(), std::vector<int> { state::word (state::ON_LINE, 0, 0, 0) });

        // The level run of slot 250 (only when the member is 1), then the request for global block 3.
        auto expected = c.other ? std::vector<Bytes>() : parameterRun (16, { 1, 0, 1, 0, 20 }, -1);
        expected.push_back (protocol::editBufferRequest (4, 0, 3, 0));
        EXPECT_EQ (wire->take(), expected) << c.name;
    }
}

TEST_F (IncomingMidiTest, InstrumentMessagesGoToTheDecoderOrTheTransfer)
{
    const Bytes block0 { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04, 0, 0, 0, 0, 0, 1, 0x10, 0xF7 };
    receiveSysEx (block0);
    ASSERT_EQ (store->editBuffers.size(), 1u);
    EXPECT_EQ (store->editBuffers[0], Bytes (block0.begin() + 1, block0.end()));

    midi().transferRouting = true;
    receiveSysEx (block0);
    EXPECT_EQ (store->editBuffers.size(), 1u);
    EXPECT_EQ (store->transfers.size(), 1u);

    // Foreign SysEx is dropped.
    midi().transferRouting = false;
    receiveSysEx ({ 0xF0, 0x43, 0x10, 0x4C, 0x00, 0xF7 });
    EXPECT_EQ (store->editBuffers.size(), 1u);
}

TEST_F (IncomingMidiTest, GlobalBlockThreeSetsTheChannelsPrograms)
{
    for (int ch = 0; ch < 16; ++ch)
        store->globalPrograms[(size_t) ch] = ch == 4 ? 1 : 100 + ch;

    receiveSysEx ({ 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04, 0, 0, 0, 3, 0, 1, 0x10, 0xF7 });

    EXPECT_EQ (midi().getChannelProgram (0), 100);
    EXPECT_EQ (midi().getChannelProgram (4), 1);
    EXPECT_EQ (midi().getChannelProgram (15), 115);
    EXPECT_EQ (store->loadedPrograms.size(), 15u);   // channel 5 already played program 1
    EXPECT_TRUE (wire->take().empty());
}

TEST_F (IncomingMidiTest, SysExAssembly)
{
    const Bytes reply = identityReply (0x46, 0, 1, 0);

    // Split over three deliveries, with a clock tick in between that must not be appended.
    wire->deliver (juce::MidiMessage (reply.data(), 6));
    wire->deliver (juce::MidiMessage (0xF8));
    wire->deliver (juce::MidiMessage (reply.data() + 6, 4));
    wire->deliver (juce::MidiMessage (reply.data() + 10, (int) reply.size() - 10));
    midi().processPendingInput();
    EXPECT_EQ (midi().deviceName, "VELMORAN ZK7");

    // A continuation with nothing started is ignored; a new start drops an unfinished message.
    midi().deviceName = {};
    wire->deliver (juce::MidiMessage (reply.data() + 6, 4));
    wire->deliver (juce::MidiMessage (reply.data(), 6));
    receiveSysEx (reply);
    EXPECT_EQ (midi().deviceName, "VELMORAN ZK7");
}

TEST_F (IncomingMidiTest, EndlessSysExIsDroppedNotHoarded)
{
    Bytes start { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04 };
    wire->deliver (juce::MidiMessage (start.data(), (int) start.size()));
    const Bytes chunk (64 * 1024, 0x11);
    for (size_t sent = 0; sent <= SysExAssembler::MAX_SIZE; sent += chunk.size())
        wire->deliver (juce::MidiMessage (chunk.data(), (int) chunk.size()));

    // The overlong message was thrown away, so its end completes nothing.
    const Bytes end { 0x10, 0xF7 };
    wire->deliver (juce::MidiMessage (end.data(), (int) end.size()));
    midi().processPendingInput();
    EXPECT_TRUE (store->editBuffers.empty());

    // And the next message is received normally.
    receiveSysEx ({ 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04, 0, 0, 0, 0, 0, 1, 0x10, 0xF7 });
    EXPECT_EQ (store->editBuffers.size(), 1u);
}

TEST_F (IncomingMidiTest, ClearingTheKeyStateDropsAHalfMessage)
{
    receive (juce::MidiMessage::noteOn (1, 40, (juce::uint8) 1));
    const Bytes reply = identityReply (0x46, 0, 1, 0);
    wire->deliver (juce::MidiMessage (reply.data(), 6));
    midi().clearKeyState();
    wire->deliver (juce::MidiMessage (reply.data() + 6, (int) reply.size() - 6));
    midi().processPendingInput();

    EXPECT_FALSE (midi().isKeyDown (40));
    EXPECT_FALSE (midi().supportedDevice);
}

//==============================================================================
class PortsTest : public ConnectedTest {};

TEST_F (PortsTest, LongSysExGoesOutInRawSlices)
{
    struct Case { size_t size; size_t queued; size_t direct; };
    const Case cases[] = { { 256, 1, 0 }, { 257, 0, 2 }, { 600, 0, 3 } };

    for (const auto& c : cases)
    {
        Bytes message (c.size, 0x22);
        message.front() = 0xF0;
        message.back() = 0xF7;
        wire->directSends = 0;
        midi().sendSysEx (message);

        const auto sent = wire->take();
        EXPECT_EQ ((size_t) wire->directSends, c.direct);
        EXPECT_EQ (sent.size(), c.queued + c.direct);
        Bytes joined;
        for (const auto& m : sent)
            joined.insert (joined.end(), m.begin(), m.end());
        EXPECT_EQ (joined, message);
    }
}

TEST_F (PortsTest, PortsAreRememberedByName)
{
    auto& ports = *midi().getPorts();
    EXPECT_EQ (midi().getSettings()[MidiSettings::INPUT_PORT], "Fake In");
    EXPECT_EQ (midi().getSettings()[MidiSettings::OUTPUT_PORT], "Fake Out");
    EXPECT_EQ (ports.findInputIndex ("Fake In"), 1);
    EXPECT_EQ (ports.findInputIndex ("Fa"), 0);
    EXPECT_EQ (ports.findOutputIndex ("Gone"), 0);

    ports.selectOutput (0);
    EXPECT_EQ (midi().getSettings()[MidiSettings::OUTPUT_PORT], "NONE");
    EXPECT_FALSE (ports.isOutputOpen());
    midi().sendNoteOn (1, 60, 100);
    EXPECT_TRUE (wire->take().empty());

    // An index past the list stores nothing and opens nothing.
    ports.selectInput (5);
    EXPECT_EQ (midi().getSettings()[MidiSettings::INPUT_PORT], "Fake In");
    EXPECT_FALSE (ports.isInputOpen());
}

TEST_F (PortsTest, ChannelMessagesClampTheirFields)
{
    midi().sendNoteOn (0, 60, 300);
    midi().sendNoteOn (17, 60, 100);   // above 16: dropped
    midi().sendNoteOff (16, 128);      // note above 127: dropped
    midi().sendPitchWheel (2, 8192 + 100);
    midi().sendController (16, 1, 64);

    EXPECT_EQ (wire->take(), (std::vector<Bytes> { { 0x90, 60, 127 }, { 0xE1, 100, 64 }, { 0xBF, 1, 64 } }));
}

TEST (PortsReopen, StoredPortNamesAreOpenedAtStart)
{
    auto wire = std::make_shared<FakeWire>();
    auto documents = juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
    documents.deleteRecursively();
    {
        DaduRAAudioProcessor first (std::make_unique<FakeMidiDriver> (wire, juce::StringArray { "A", "Port In" }, juce::StringArray { "Port Out" }), nullptr);
        first.getMidi().getPorts()->selectInput (2);
        first.getMidi().getPorts()->selectOutput (1);
    }
    DaduRAAudioProcessor second (std::make_unique<FakeMidiDriver> (wire, juce::StringArray { "Port In" }, juce::StringArray { "X", "Port Out" }), nullptr);
    EXPECT_EQ (second.getMidi().getPorts()->getInputIndex(), 0);
    EXPECT_EQ (second.getMidi().getPorts()->getOutputIndex(), 1);
    EXPECT_TRUE (second.getMidi().getPorts()->isOutputOpen());
    documents.deleteRecursively();
}
