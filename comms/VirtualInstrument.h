#pragma once

#include "comms/MidiPortDriver.h"
#include "comms/SysExAssembler.h"
#include "model/BankIndex.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

/** The other end of the cable: an instrument in software that speaks the
    ZK7's protocol. When the environment names a file in ZK7_VIRTUAL_INSTRUMENT_LOG
    (a test harness does), every message it receives is appended there in hex. It keeps its own banks (the factory content), sixteen
    channel edit buffers, a multi and its global blocks, answers on a thread of
    its own like a real device, and can be slowed to a wire rate or made to
    misbehave so that tests see what the program does then. */
class VirtualInstrument
{
public:
    static constexpr const char* PORT_NAME = "ZK7 Virtual Instrument";
    static constexpr int DIN_BYTES_PER_SECOND = 3125;     // 31250 baud, 10 bits a byte
    static constexpr int USB_BYTES_PER_SECOND = 32000;    // a typical USB-MIDI device

    struct Identity
    {
        int family = 0x46, familyHigh = 0, member = 1, memberHigh = 0;
    };

    enum class Fault { none, dropReply, corruptByte, truncate, negativeReply, silent };

    VirtualInstrument();
    ~VirtualInstrument();

    /** Where the instrument's replies go (the program's MIDI input); nullptr unplugs it. */
    void connectOutput (juce::MidiInputCallback* programInput);
    /** A message the program sent; handled on the instrument's own thread. */
    void receive (const juce::MidiMessage& message);
    /** Plays a message from the instrument (a note from its keys, say). */
    void sendFromInstrument (const juce::MidiMessage& message);

    /** A change made on the instrument's own panel: its edit buffer takes the value
        and it sends the block that holds it, as the hardware announces such changes. */
    void changeOnBoard (int channel, const protocol::ParamAddress& address, int value);

    /** How often the keys file (ZK7_VIRTUAL_INSTRUMENT_KEYS) is looked for. Each
        of its lines is one message in hex that the instrument plays, or
        "set channel level unit block sub param value" for a change on its panel;
        the file is removed once read, so a harness plays by renaming a file into place. */
    static constexpr int KEYS_POLL_MS = 100;

    void setIdentity (Identity identity);
    /** Bytes per second on the wire; 0 for no limit. */
    void setWireRate (int bytesPerSecond);
    /** The most object bytes one data slice carries. */
    void setSliceSize (int bytes);
    /** The next count replies suffer the fault; silent lasts until Fault::none. */
    void injectFault (Fault fault, int count = 1);

    /** Blocks until everything received so far is answered. */
    void waitUntilIdle();

    // What the instrument holds now (safe from any thread).
    int getChannelProgram (int channel);
    int getMulti();
    int getSelectedChannel();
    int getParameter (int channel, int level, int unit, int block, int sub, int param);
    Bytes getRecord (int typeCode, int id);
    /** The program record a channel's edit buffer holds now. */
    Bytes getEditBuffer (int channel);
    /** All bytes the instrument has put on the wire so far. */
    int64_t getBytesSent();
    /** Every complete message received, in order. */
    std::vector<protocol::Bytes> getReceived();

private:
    void run();
    void playKeysFile();
    void handle (const protocol::Bytes& message);
    void handleSysEx (const protocol::Bytes& m);
    void handleController (int channel, int controller, int value);
    void handleEditBufferRequest (int command, int a, int b, int c);
    void handleObjectRequest (const protocol::Bytes& m);
    void chooseProgram (int channel, int program);
    void chooseMulti (int multi);
    void storeWithName (const protocol::Bytes& m);
    void sendProgramBlocks (int channel, int a);

    void reply (protocol::Bytes message);
    void record (const protocol::Bytes& message);
    protocol::Bytes dataReply (int command, int a, int b, int c, const Bytes& prefix, size_t packedStart, const Bytes& data) const;
    BankIndex* bankOf (int typeCode);

    std::mutex mutex;                    // guards everything below
    std::condition_variable wake, idle;
    std::deque<protocol::Bytes> queue;
    bool working = false;
    bool stopping = false;

    std::mutex outputMutex;              // held while a reply is delivered
    juce::MidiInputCallback* output = nullptr;

    Identity identity;
    int wireRate = 0;
    int sliceSize = 512;
    Fault fault = Fault::none;
    int faultCount = 0;

    SysExAssembler assembler;
    std::map<int, BankIndex> banks;
    Bytes channelBuffers[16];
    int channelPrograms[16] {};
    Bytes multiBuffer;
    int multi = 1;
    int selectedChannel = 0;
    Bytes masterParts[4];
    int pendingAddress[16][5] {};
    int pendingHigh[16] {};
    std::map<std::array<int, 6>, int> parameters;
    std::vector<protocol::Bytes> received;
    int64_t bytesSent = 0;
    std::unique_ptr<juce::FileOutputStream> log;   // for test harnesses that watch from outside
    juce::File keysFile;                           // for harnesses that play the instrument's keys from outside

    std::thread thread;
};

/** The system's MIDI devices followed by the virtual instrument's port pair. */
class MidiDriverWithVirtualInstrument final : public MidiPortDriver
{
public:
    explicit MidiDriverWithVirtualInstrument (std::unique_ptr<MidiPortDriver> system);

    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputEndpoint> openInput (int index, juce::MidiInputCallback& callback) override;
    std::unique_ptr<MidiOutputEndpoint> openOutput (int index) override;

    /** Created on first use, so a player who never chooses it pays nothing. */
    VirtualInstrument& getVirtualInstrument();
    static bool isVirtual (const juce::String& portName) { return portName == VirtualInstrument::PORT_NAME; }

private:
    std::unique_ptr<MidiPortDriver> system;
    std::unique_ptr<VirtualInstrument> instrument;
};
