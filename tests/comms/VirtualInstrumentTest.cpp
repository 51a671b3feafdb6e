#include "support/VirtualRig.h"
#include "comms/MidiPortScan.h"

using protocol::Bytes;

class VirtualInstrumentTest : public VirtualRigTest {};

TEST_F (VirtualInstrumentTest, OffersItsPortPairAfterTheSystemPorts)
{
    auto& ports = *midi().getPorts();
    EXPECT_EQ (ports.getInputNames(), juce::StringArray { "ZK7 Virtual Instrument" });
    EXPECT_EQ (ports.getOutputNames(), juce::StringArray { "ZK7 Virtual Instrument" });
    EXPECT_TRUE (ports.isInputOpen() && ports.isOutputOpen());
    EXPECT_EQ (midi().getSettings()[MidiSettings::INPUT_PORT], "ZK7 Virtual Instrument");
}

TEST_F (VirtualInstrumentTest, IdentityGoesOnLineAndAsksForGlobalBlockThree)
{
    midi().sendIdentityRequest();
    ASSERT_TRUE (pumpUntil ([this] { return midi().supportedDevice; }));
    EXPECT_EQ (midi().deviceName, "VELMORAN ZK7");
    settle();
    const auto received = instrument->getReceived();
    EXPECT_NE (std::find (received.begin(), received.end(), protocol::editBufferRequest (4, 0, 3, 0)), received.end());
    // The instrument's block 3 tells the program which program each channel plays.
    EXPECT_EQ (store().channelProgramsOfGlobalBlock()[0], 1);

    instrument->setIdentity ({ 0x46, 0, 2, 0 });
    midi().sendIdentityRequest();
    ASSERT_TRUE (pumpUntil ([this] { return midi().otherMember; }));
    EXPECT_EQ (midi().deviceName, "Connected - Device Unknown");
    EXPECT_FALSE (midi().supportedDevice);
}

TEST_F (VirtualInstrumentTest, ChoosingAProgramTheInstrumentSendsItsLayersBack)
{
    // Make the instrument's program 500 differ from the library's: store channel 1's program (1) there.
    midi().sendSysEx (protocol::storeWithName (protocol::CMD_PROGRAM, 500, 0, "Moved Grand"));
    settle();
    const auto instrumentRecord = instrument->getRecord (typeProgram, 500);
    ASSERT_EQ (std::string (instrumentRecord.begin(), instrumentRecord.begin() + 20), "Moved Grand         ");
    ASSERT_NE (store().programs.bank.getRecord (500), instrumentRecord);

    midi().setChannelProgram (3, 500, true);
    settle();
    EXPECT_EQ (instrument->getChannelProgram (3), 500);
    EXPECT_EQ (midi().getChannelProgram (3), 500);
    // The layers now hold what the instrument sent: program 1's first layer.
    const auto layer = store().programEdits[3]->getLayer (0).getBlock();
    EXPECT_TRUE (std::equal (layer.begin(), layer.begin() + 317, instrumentRecord.begin() + program::LAYERS_START));
}

TEST_F (VirtualInstrumentTest, ParameterChangesReachTheInstrumentsEditBuffer)
{
    midi().setValue (slots::channelSlot (4, slots::PAN), -20, true);
    midi().setValue (slots::channelSlot (4, slots::AUX1_FX_CHAIN), 77, true);
    midi().setValue (slots::PLAYING_MODE, 2, true);
    settle();
    EXPECT_EQ (instrument->getParameter (4, 1, 0, 1, 0, 22), -20);
    EXPECT_EQ (instrument->getParameter (4, 1, 0, 5, 1, 1), 77);
    EXPECT_EQ (instrument->getParameter (0, 12, 0, 0, 0, 11), 2);

    midi().sendSysEx (protocol::selectChannel (9));
    midi().setMulti (3, true);
    settle();
    EXPECT_EQ (instrument->getSelectedChannel(), 9);
    EXPECT_EQ (instrument->getMulti(), 3);
    // The instrument answered with the multi's parts, which replaced the multi being edited.
    EXPECT_EQ (store().multiEdit.getZoneBlock (3), instrument->getRecord (typeMulti, 3).empty() ? Bytes() : store().multiEdit.getZoneBlock (3));
    EXPECT_EQ (store().multiEdit.getName(), store().multis.getName (3));
}

//==============================================================================
class TransferTest : public VirtualRigTest
{
protected:
    void receive (int type, int first, int last, bool all = false)
    {
        store().transfer.startRange (type, first, last, all);
        ASSERT_TRUE (pumpUntil ([this] { return ! store().transfer.isBusy(); }, 60000));
    }
};

TEST_F (TransferTest, RangeReceiveStoresTheInstrumentsObjectsByteForByte)
{
    midi().sendSysEx (protocol::storeWithName (protocol::CMD_PROGRAM, 150, 0, "Changed On Board"));
    instrument->setSliceSize (300);   // several slices per program
    settle();

    receive (typeProgram, 1, 200);
    EXPECT_EQ (store().transfer.getStoredCount(), 200);
    EXPECT_TRUE (store().transfer.getSkippedIds().empty());
    EXPECT_EQ (store().transfer.getFailure(), "");
    for (int id = 1; id <= 200; ++id)
    {
        const auto mine = store().programs.bank.getRecord (id), theirs = instrument->getRecord (typeProgram, id);
        ASSERT_EQ (mine.size(), theirs.size()) << id;
        ASSERT_TRUE (mine == theirs) << id << " differs at " << std::mismatch (mine.begin(), mine.end(), theirs.begin()).first - mine.begin();
    }
    EXPECT_EQ (store().programs.getName (150), "Changed On Board    ");

    // Received objects reach the library at shut-down.
    processor.reset();
    ZK5Class reread (library::folder());
    reread.loadBanks();
    EXPECT_EQ (reread.programs.getName (150), "Changed On Board    ");
}

TEST_F (TransferTest, NegativeRepliesSkipMissingObjects)
{
    receive (typeProgram, 1130, 1140);
    EXPECT_EQ (store().transfer.getStoredCount(), 7);
    EXPECT_FALSE (store().programs.bank.exists (1137));
    EXPECT_EQ (store().transfer.getInboxState(), FIFO_Class::FINISHED);
}

TEST_F (TransferTest, AllObjectsWalksTheTypeChain)
{
    receive (typeProgram, 1, 2, true);
    EXPECT_EQ (store().transfer.getType(), typeSong);
    // Programs 1-2, FX chains, multis, keymaps, intonations, shift and velocity patterns that exist at 1-2.
    int expected = 0;
    for (const int type : { typeProgram, typeFxChain, typeMulti, typeKeymap, typeIntonation, typeShiftPattern, typeVelocityPattern })
        for (int id = 1; id <= 2; ++id)
            expected += instrument->getRecord (type, id).empty() ? 0 : 1;
    EXPECT_EQ (store().transfer.getStoredCount(), expected);
}

TEST_F (TransferTest, RangesAreClampedLikeTheDialogDoes)
{
    store().transfer.startRange (typeProgram, 9000, 5, false);
    EXPECT_EQ (store().transfer.getFirstId(), 8190);
    EXPECT_EQ (store().transfer.getLastId(), 8190);
    store().transfer.cancel();
    store().transfer.startRange (typeFxChain, 0, 9999, false);
    EXPECT_EQ (store().transfer.getFirstId(), 1);
    EXPECT_EQ (store().transfer.getLastId(), 8192);
    store().transfer.cancel();
}

TEST_F (TransferTest, SingleObjectReceive)
{
    midi().sendSysEx (protocol::storeWithName (protocol::CMD_PROGRAM, 1200, 0, "Fresh"));
    settle();
    store().transfer.receiveObject (2, 1200);
    ASSERT_TRUE (pumpUntil ([this] { return ! store().transfer.isBusy(); }));
    EXPECT_EQ (store().programs.getName (1200), "Fresh               ");
    EXPECT_EQ (store().transfer.getStoredCount(), 1);
}

TEST_F (TransferTest, EveryFaultEndsInADefinedOutcome)
{
    // A lost reply is asked for again.
    instrument->injectFault (VirtualInstrument::Fault::dropReply, 1);
    receive (typeProgram, 10, 11);
    EXPECT_EQ (store().transfer.getStoredCount(), 2);

    // A cut-off reply never completes; the request is repeated and the next answer is whole.
    instrument->injectFault (VirtualInstrument::Fault::truncate, 1);
    receive (typeProgram, 12, 12);
    EXPECT_EQ (store().transfer.getStoredCount(), 1);
    EXPECT_EQ (store().programs.bank.getRecord (12), instrument->getRecord (typeProgram, 12));

    // A refusal skips the object.
    instrument->injectFault (VirtualInstrument::Fault::negativeReply, 1);
    receive (typeProgram, 13, 14);
    EXPECT_EQ (store().transfer.getStoredCount(), 1);

    // A corrupted byte changes the data but not its size: stored as it came.
    instrument->injectFault (VirtualInstrument::Fault::corruptByte, 2);
    receive (typeProgram, 15, 15);
    EXPECT_EQ (store().transfer.getStoredCount(), 1);
    EXPECT_EQ (store().programs.bank.recordLength (15), (int) instrument->getRecord (typeProgram, 15).size());

    // Silence: the transfer ends with a clear message and keeps what it had.
    const auto before = store().programs.bank.getRecord (20);
    instrument->injectFault (VirtualInstrument::Fault::silent);
    receive (typeProgram, 20, 30);
    EXPECT_EQ (store().transfer.getFailure(), "No answer from the instrument.");
    EXPECT_EQ (store().transfer.getStatusText(), "No answer from the instrument.");
    EXPECT_EQ (store().programs.bank.getRecord (20), before);
    EXPECT_EQ (store().programs.bank.getRecord (12), instrument->getRecord (typeProgram, 12));
}

TEST_F (TransferTest, AnInstrumentThatFallsSilentMidwaySkipsAndGoesOn)
{
    // A slow wire keeps the second object in flight when the instrument falls silent.
    instrument->setWireRate (VirtualInstrument::DIN_BYTES_PER_SECOND);
    store().transfer.answerTimeoutMs = 300;
    store().transfer.startRange (typeProgram, 1, 3, false);
    ASSERT_TRUE (pumpUntil ([this] { return store().transfer.getStoredCount() >= 1; }));
    instrument->injectFault (VirtualInstrument::Fault::silent);
    ASSERT_TRUE (pumpUntil ([this] { return ! store().transfer.isBusy(); }, 20000));
    EXPECT_GE (store().transfer.getStoredCount(), 1);
    EXPECT_FALSE (store().transfer.getSkippedIds().empty());
    EXPECT_EQ (store().transfer.getFailure(), "");
}

//==============================================================================
namespace
{
/** Fake system ports with the virtual instrument wired behind one input and one output. */
class WiredPorts final : public MidiPortDriver
{
public:
    WiredPorts (int inputCount, int outputCount, int instrumentInput, int instrumentOutput)
        : inputs (inputCount), outputs (outputCount), wiredIn (instrumentInput), wiredOut (instrumentOutput) {}

    juce::StringArray getInputNames() override { return names ("In", inputs); }
    juce::StringArray getOutputNames() override { return names ("Out", outputs); }

    std::unique_ptr<MidiInputEndpoint> openInput (int index, juce::MidiInputCallback& callback) override
    {
        struct Input final : MidiInputEndpoint
        {
            Input (VirtualInstrument* vi, juce::MidiInputCallback& cb) : instrument (vi), callback (cb) {}
            ~Input() override { stop(); }
            void start() override { if (instrument != nullptr) instrument->connectOutput (&callback); }
            void stop() override { if (instrument != nullptr) instrument->connectOutput (nullptr); }
            VirtualInstrument* instrument;
            juce::MidiInputCallback& callback;
        };
        return std::make_unique<Input> (index == wiredIn ? &instrument : nullptr, callback);
    }

    std::unique_ptr<MidiOutputEndpoint> openOutput (int index) override
    {
        struct Output final : MidiOutputEndpoint
        {
            explicit Output (VirtualInstrument* vi) : instrument (vi) {}
            void startBackgroundThread() override {}
            void stopBackgroundThread() override {}
            void clearAllPendingMessages() override {}
            void sendBlockOfMessages (const juce::MidiBuffer& b, double, double) override
            {
                for (const auto m : b)
                    sendMessageNow (m.getMessage());
            }
            void sendMessageNow (const juce::MidiMessage& m) override { if (instrument != nullptr) instrument->receive (m); }
            VirtualInstrument* instrument;
        };
        return std::make_unique<Output> (index == wiredOut ? &instrument : nullptr);
    }

    VirtualInstrument instrument;

private:
    static juce::StringArray names (const char* prefix, int count)
    {
        juce::StringArray list;
        for (int i = 1; i <= count; ++i)
            list.add (juce::String (prefix) + " " + juce::String (i));
        return list;
    }
    int inputs, outputs, wiredIn, wiredOut;
};

struct ScanResult
{
    bool found = false;
    int steps = 0;
    juce::String input, output;
};

ScanResult scan (int inputs, int outputs, int wiredIn, int wiredOut)
{
    auto wired = std::make_unique<WiredPorts> (inputs, outputs, wiredIn, wiredOut);
    DaduRAAudioProcessor processor (std::make_unique<MidiDriverWithVirtualInstrument> (std::move (wired)), nullptr);
    auto& midi = processor.getMidi();

    ScanResult result;
    bool done = false;
    MidiPortScan scanner (midi);
    scanner.onFinished = [&] (bool found) { result.found = found; done = true; };
    scanner.start();
    pumpUntil ([&] { return done; }, 20000);
    result.steps = scanner.getStepCount();
    result.input = midi.getSettings()[MidiSettings::INPUT_PORT];
    result.output = midi.getSettings()[MidiSettings::OUTPUT_PORT];
    EXPECT_FALSE (midi.scanning);
    return result;
}
}

class PortScanTest : public LibraryTest {};

TEST_F (PortScanTest, FindsTheInstrumentBehindTheRightPair)
{
    const auto result = scan (3, 4, 1, 2);   // "In 2" and "Out 3"
    EXPECT_TRUE (result.found);
    EXPECT_EQ (result.input, "In 2");
    EXPECT_EQ (result.output, "Out 3");
    // In 1 with five output steps, then In 2 and three outputs.
    EXPECT_EQ (result.steps, 1 + 5 + 1 + 3);
}

TEST_F (PortScanTest, OnePairTakesTwoSteps)
{
    const auto result = scan (1, 1, 0, 0);
    EXPECT_TRUE (result.found);
    EXPECT_EQ (result.steps * MidiPortScan::DWELL_MS, 400);
}

TEST_F (PortScanTest, NothingAnswersAndTheVirtualPairIsNeverTried)
{
    const auto result = scan (2, 2, -1, -1);
    EXPECT_FALSE (result.found);
    EXPECT_NE (result.input, "ZK7 Virtual Instrument");
    EXPECT_NE (result.output, "ZK7 Virtual Instrument");
    EXPECT_EQ (result.input, "In 2");   // the last pair tried stays selected
}

TEST_F (TransferTest, ASlowWireAndImpatientRetriesStillStoreEachObjectOnce)
{
    instrument->setWireRate (VirtualInstrument::DIN_BYTES_PER_SECOND);
    instrument->setSliceSize (200);
    store().transfer.answerTimeoutMs = 40;   // shorter than one reply takes on the wire
    store().transfer.maxRetries = 20;

    receive (typeKeymap, 1, 1);
    EXPECT_EQ (store().transfer.getStoredCount(), 1);
    EXPECT_EQ (store().keymaps.bank.getRecord (1), instrument->getRecord (typeKeymap, 1));
    EXPECT_TRUE (store().transfer.getSkippedIds().empty());
}

namespace
{
/** Records what the instrument sends, as the program's input would receive it. */
struct ReplyRecorder final : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        const std::lock_guard<std::mutex> guard (mutex);
        replies.emplace_back (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }
    std::vector<Bytes> take()
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return std::exchange (replies, {});
    }
    std::mutex mutex;
    std::vector<Bytes> replies;
};
}

TEST (VirtualInstrumentReplies, EditBufferRepliesHaveTheLengthsTheProgramExpects)
{
    VirtualInstrument instrument;
    ReplyRecorder recorder;
    instrument.connectOutput (&recorder);

    struct Case { int command, a, b, c; size_t length; };
    const Case cases[] = { { 2, 0, 0, 0, 185 }, { 2, 3, 1, 0, 377 }, { 2, 3, 2, 0, 119 }, { 5, 0, 0, 0, 41 },
                           { 11, 0, 0, 0, 85 }, { 11, 0, 1, 0, 464 } };
    for (const auto& c : cases)
    {
        instrument.receive (juce::MidiMessage (protocol::editBufferRequest (c.command, c.a, c.b, c.c).data(), protocol::REQUEST_SIZE));
        instrument.waitUntilIdle();
        const auto replies = recorder.take();
        // Block 0 of a channel brings the whole edit buffer after it: every layer, then blocks 2 and 4.
        const bool wholeProgram = c.command == 2 && c.b == 0;
        const size_t layers = (size_t) program::layerCount (instrument.getEditBuffer (c.a));
        ASSERT_EQ (replies.size(), wholeProgram ? 3 + layers : 1u) << c.command << "/" << c.b;
        EXPECT_EQ (replies[0].size(), c.length) << c.command << "/" << c.b;
        EXPECT_EQ (replies[0][11], 1);   // data from the instrument
    }

    // A store (direction 0x11) changes a bank but sends nothing back.
    const auto store = protocol::storeWithName (2, 10, 0, "X");
    instrument.receive (juce::MidiMessage (store.data(), (int) store.size()));
    instrument.waitUntilIdle();
    EXPECT_TRUE (recorder.take().empty());
    instrument.connectOutput (nullptr);
}

TEST_F (VirtualInstrumentTest, ChosenAsPortsItIsReopenedAtTheNextStart)
{
    processor.reset();   // saves "ZK7 Virtual Instrument" as both remembered ports
    processor = std::make_unique<DaduRAAudioProcessor> (std::make_unique<MidiDriverWithVirtualInstrument> (nullptr),
                                                        std::make_unique<ZK5Class> (library::folder()));
    EXPECT_TRUE (midi().getPorts()->isInputOpen());
    EXPECT_TRUE (midi().getPorts()->isOutputOpen());
    midi().sendIdentityRequest();
    EXPECT_TRUE (pumpUntil ([this] { return midi().supportedDevice; }));
}

//==============================================================================
namespace
{
struct Collector final : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        const std::lock_guard<std::mutex> guard (mutex);
        messages.push_back (juce::String::toHexString (m.getRawData(), m.getRawDataSize()));
    }
    std::vector<juce::String> taken()
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return messages;
    }
    std::mutex mutex;
    std::vector<juce::String> messages;
};
}

TEST_F (LibraryTest, AKeysFilePlaysItsWholeChannelMessagesAndIsRemoved)
{
    const auto keys = library::folder().getChildFile ("keys.txt");
    ASSERT_TRUE (library::folder().createDirectory());
    setenv ("ZK7_VIRTUAL_INSTRUMENT_KEYS", keys.getFullPathName().toRawUTF8(), 1);
    Collector collector;
    {
        VirtualInstrument instrument;
        instrument.connectOutput (&collector);
        ASSERT_TRUE (keys.replaceWithText ("90 3c 64\nnot hex at all\nf0 7e 7f 06 01 f7\n90 3c\n91 80 10\nb0 07 7f\n"));
        const auto end = juce::Time::getMillisecondCounter() + 3000;
        while (keys.existsAsFile() && juce::Time::getMillisecondCounter() < end)
            juce::Thread::sleep (10);
        instrument.connectOutput (nullptr);
    }
    unsetenv ("ZK7_VIRTUAL_INSTRUMENT_KEYS");
    EXPECT_FALSE (keys.existsAsFile());
    EXPECT_EQ (collector.taken(), (std::vector<juce::String> { "90 3c 64", "b0 07 7f" }));
}
