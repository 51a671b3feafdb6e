#include "comms/VirtualInstrument.h"
#include "model/MultiRecord.h"
#include "model/ObjectType.h"
#include "model/ProgramParams.h"
#include "model/ProgramRecord.h"
#include "resources/FactoryBanks.h"

using protocol::byteAt;

namespace
{
constexpr int MASTER_PART_SIZE = 200;
constexpr int LAYER_REPLY_BYTES = 317;   // what a 377-byte layer message carries
}

VirtualInstrument::VirtualInstrument()
{
    for (const int type : loadedTypes)
    {
        const auto factory = factoryBank (type);
        banks[type].build (type, Bytes (factory.data, factory.data + factory.size), objectTypeInfo (type)->maxId);
    }
    for (auto& part : masterParts)
        part.assign (MASTER_PART_SIZE, 0);
    for (int channel = 0; channel < 16; ++channel)
        chooseProgram (channel, 1);
    chooseMulti (1);

    const auto logPath = juce::SystemStats::getEnvironmentVariable ("ZK7_VIRTUAL_INSTRUMENT_LOG", {});
    if (logPath.isNotEmpty())
        log = std::make_unique<juce::FileOutputStream> (juce::File (logPath));
    const auto keysPath = juce::SystemStats::getEnvironmentVariable ("ZK7_VIRTUAL_INSTRUMENT_KEYS", {});
    if (keysPath.isNotEmpty())
        keysFile = juce::File (keysPath);

    thread = std::thread ([this] { run(); });
}

void VirtualInstrument::record (const protocol::Bytes& message)
{
    received.push_back (message);
    if (log != nullptr && log->openedOk())
    {
        *log << juce::String::toHexString (message.data(), (int) message.size()) << "\n";
        log->flush();
    }
}

VirtualInstrument::~VirtualInstrument()
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        stopping = true;
    }
    wake.notify_all();
    thread.join();
}

//==============================================================================
void VirtualInstrument::connectOutput (juce::MidiInputCallback* programInput)
{
    const std::lock_guard<std::mutex> guard (outputMutex);
    output = programInput;
}

void VirtualInstrument::receive (const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        queue.emplace_back (message.getRawData(), message.getRawData() + message.getRawDataSize());
    }
    wake.notify_all();
}

void VirtualInstrument::sendFromInstrument (const juce::MidiMessage& message)
{
    const std::lock_guard<std::mutex> guard (outputMutex);
    if (output != nullptr)
        output->handleIncomingMidiMessage (nullptr, message);
}

void VirtualInstrument::setIdentity (Identity newIdentity)
{
    const std::lock_guard<std::mutex> guard (mutex);
    identity = newIdentity;
}

void VirtualInstrument::setWireRate (int bytesPerSecond)
{
    const std::lock_guard<std::mutex> guard (mutex);
    wireRate = std::max (0, bytesPerSecond);
}

void VirtualInstrument::setSliceSize (int bytes)
{
    const std::lock_guard<std::mutex> guard (mutex);
    sliceSize = std::max (1, bytes);
}

void VirtualInstrument::injectFault (Fault newFault, int count)
{
    const std::lock_guard<std::mutex> guard (mutex);
    fault = newFault;
    faultCount = newFault == Fault::none ? 0 : count;
}

void VirtualInstrument::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock (mutex);
    idle.wait (lock, [this] { return queue.empty() && ! working; });
}

int VirtualInstrument::getChannelProgram (int channel)
{
    const std::lock_guard<std::mutex> guard (mutex);
    return channelPrograms[juce::jlimit (0, 15, channel)];
}

int VirtualInstrument::getMulti()
{
    const std::lock_guard<std::mutex> guard (mutex);
    return multi;
}

int VirtualInstrument::getSelectedChannel()
{
    const std::lock_guard<std::mutex> guard (mutex);
    return selectedChannel;
}

int VirtualInstrument::getParameter (int channel, int level, int unit, int block, int sub, int param)
{
    const std::lock_guard<std::mutex> guard (mutex);
    const auto found = parameters.find ({ channel, level, unit, block, sub, param });
    return found != parameters.end() ? found->second : 0;
}

Bytes VirtualInstrument::getRecord (int typeCode, int id)
{
    const std::lock_guard<std::mutex> guard (mutex);
    auto* bank = bankOf (typeCode);
    return bank != nullptr ? bank->getRecord (id) : Bytes();
}

int64_t VirtualInstrument::getBytesSent()
{
    const std::lock_guard<std::mutex> guard (mutex);
    return bytesSent;
}

std::vector<protocol::Bytes> VirtualInstrument::getReceived()
{
    const std::lock_guard<std::mutex> guard (mutex);
    return received;
}

BankIndex* VirtualInstrument::bankOf (int typeCode)
{
    const auto found = banks.find (typeCode);
    return found != banks.end() ? &found->second : nullptr;
}

//==============================================================================
void VirtualInstrument::run()
{
    std::unique_lock<std::mutex> lock (mutex);
    const auto ready = [this] { return stopping || ! queue.empty(); };
    for (;;)
    {
        if (keysFile == juce::File())
            wake.wait (lock, ready);
        else if (! wake.wait_for (lock, std::chrono::milliseconds (KEYS_POLL_MS), ready))
        {
            lock.unlock();
            playKeysFile();
            lock.lock();
            continue;
        }
        if (stopping)
            return;

        working = true;
        const auto message = std::move (queue.front());
        queue.pop_front();
        handle (message);   // may unlock while it delivers replies
        working = false;
        if (queue.empty())
            idle.notify_all();
    }
}

void VirtualInstrument::playKeysFile()
{
    if (! keysFile.existsAsFile())
        return;
    juce::StringArray lines;
    keysFile.readLines (lines);
    keysFile.deleteFile();
    for (const auto& line : lines)
    {
        if (line.startsWith ("set "))
        {
            // "set channel level unit block sub param value": a change made on the instrument's panel.
            juce::StringArray n;
            n.addTokens (line.substring (4), " ", "");
            n.removeEmptyStrings();
            if (n.size() == 7)
                changeOnBoard (n[0].getIntValue(), { n[1].getIntValue(), n[2].getIntValue(), n[3].getIntValue(),
                                                     n[4].getIntValue(), n[5].getIntValue() }, n[6].getIntValue());
            continue;
        }
        juce::MemoryBlock bytes;
        bytes.loadFromHexString (line);
        const auto* data = static_cast<const uint8_t*> (bytes.getData());
        // Only whole channel messages: a stray line must not become something the program never sees from an instrument.
        if (bytes.getSize() == 3 && data[0] >= 0x80 && data[0] < 0xF0 && data[1] < 0x80 && data[2] < 0x80)
            sendFromInstrument (juce::MidiMessage (data[0], data[1], data[2]));
    }
}

void VirtualInstrument::handle (const protocol::Bytes& message)
{
    const int status = byteAt (message, 0);
    if (status == protocol::SYSEX_START || status < 0x80)
    {
        if (auto complete = assembler.add (message.data(), message.size()))
        {
            record (*complete);
            handleSysEx (*complete);
        }
        return;
    }

    record (message);
    if ((status & 0xF0) == 0xB0)
        handleController (status & 0x0F, byteAt (message, 1), byteAt (message, 2));
}

void VirtualInstrument::handleController (int channel, int controller, int value)
{
    // A parameter-change run: five address controllers, then the value high and low.
    if (controller >= 110 && controller <= 114)
        pendingAddress[channel][controller - 110] = value;
    else if (controller == 118)
        pendingHigh[channel] = value;
    else if (controller == 119)
    {
        const auto* a = pendingAddress[channel];
        const int parameterValue = (pendingHigh[channel] << 7 | value) - 8192;
        parameters[{ channel, a[0], a[1], a[2], a[3], a[4] }] = parameterValue;
        // Program and layer parameters change the channel's edit buffer, which its replies carry.
        program::param::applyToRecord (channelBuffers[channel], { a[0], a[1], a[2], a[3], a[4] }, parameterValue);
    }
}

void VirtualInstrument::changeOnBoard (int channel, const protocol::ParamAddress& address, int value)
{
    const std::lock_guard<std::mutex> guard (mutex);
    channel &= 15;
    if (! program::param::applyToRecord (channelBuffers[channel], address, value))
        return;
    // The instrument tells of a change made on its panel by sending the block that holds it.
    if (address.level == 2)
        handleEditBufferRequest (protocol::CMD_PROGRAM, channel, 1, address.unit);
    else
        handleEditBufferRequest (protocol::CMD_PROGRAM, channel, 0, 0);
}

Bytes VirtualInstrument::getEditBuffer (int channel)
{
    const std::lock_guard<std::mutex> guard (mutex);
    return channelBuffers[channel & 15];
}

void VirtualInstrument::handleSysEx (const protocol::Bytes& m)
{
    if (byteAt (m, 1) == 0x7E && byteAt (m, 3) == 0x06 && byteAt (m, 4) == 0x01)
    {
        reply ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, protocol::MANUFACTURER_ID, (uint8_t) identity.family, (uint8_t) identity.familyHigh,
                 (uint8_t) identity.member, (uint8_t) identity.memberHigh, 0x01, 0x00, 0x00, 0x00, protocol::SYSEX_END });
        return;
    }
    if (byteAt (m, 2) != protocol::PRODUCT_CODE || byteAt (m, 3) != protocol::HEADER_FIXED)
        return;

    const int command = byteAt (m, 5);
    switch (command)
    {
        case protocol::CMD_CHANNEL_VALUE:
            chooseProgram (byteAt (m, 6) & 15, byteAt (m, 7) << 7 | byteAt (m, 8));
            sendProgramBlocks (byteAt (m, 6) & 15, 0);
            return;
        case protocol::CMD_GLOBAL_VALUE:
            chooseMulti (byteAt (m, 6) << 7 | byteAt (m, 7));
            handleEditBufferRequest (protocol::CMD_MULTI, 0, 0, 0);
            handleEditBufferRequest (protocol::CMD_MULTI, 0, 1, 0);
            for (int zone = 0; zone < bytes::u8 (multiBuffer, multi::ZONE_COUNT); ++zone)
                handleEditBufferRequest (protocol::CMD_MULTI, 0, 2, zone);
            return;
        case protocol::CMD_SELECT_CHANNEL:
            selectedChannel = byteAt (m, 6) & 15;
            return;
        case protocol::CMD_OBJECT:
        case protocol::CMD_OBJECT_ALT:
            handleObjectRequest (m);
            return;
        default:
            break;
    }

    if (byteAt (m, 11) == 0x11 && (command == protocol::CMD_PROGRAM || command == protocol::CMD_MULTI))
        storeWithName (m);
    else if (m.size() == protocol::REQUEST_SIZE && byteAt (m, 11) == 0)
    {
        const int a = byteAt (m, 8), b = byteAt (m, 9);
        handleEditBufferRequest (command, a, b, byteAt (m, 10));
        // Asked for a channel's program, the instrument sends the whole edit buffer: block 0, every layer, blocks 2 and 4.
        if (command == protocol::CMD_PROGRAM && b == 0 && a < 16)
            sendProgramBlocks (a, 0);
    }
}

void VirtualInstrument::chooseProgram (int channel, int program)
{
    channelPrograms[channel] = program;
    channelBuffers[channel] = banks[typeProgram].getRecord (program);
    bytes::put16 (masterParts[3], 8L * channel + 2, program);
}

void VirtualInstrument::chooseMulti (int number)
{
    multi = number;
    multiBuffer = banks[typeMulti].getRecord (number);
}

void VirtualInstrument::sendProgramBlocks (int channel, int a)
{
    // What the instrument sends when a channel's program changes: every layer, then blocks 2 and 4.
    for (int layer = 0; layer < program::layerCount (channelBuffers[channel]); ++layer)
        handleEditBufferRequest (protocol::CMD_PROGRAM, channel | a, 1, layer);
    handleEditBufferRequest (protocol::CMD_PROGRAM, channel | a, 2, 0);
    handleEditBufferRequest (protocol::CMD_PROGRAM, channel | a, 4, 0);
}

void VirtualInstrument::handleEditBufferRequest (int command, int a, int b, int c)
{
    const int channel = a & 15;
    const Bytes& prog = channelBuffers[channel];
    switch (command)
    {
        case protocol::CMD_PROGRAM:
            switch (b)
            {
                case 0: reply (dataReply (command, a, b, c, bytes::slice (prog, 0, 20), 33, bytes::slice (prog, program::COMMON_START, 132))); break;
                case 1: reply (dataReply (command, a, b, c, {}, 13, bytes::slice (prog, program::layerOffset (c), LAYER_REPLY_BYTES))); break;
                case 2: reply (dataReply (command, a, b, c, {}, 14, bytes::slice (prog, 158, 91))); break;
                case 4: reply (dataReply (command, a, b, c, {}, 13, bytes::slice (prog, 108, 33))); break;
                case 6: reply (dataReply (command, a, b, c, {}, 12, Bytes (64, (uint8_t) channel))); break;
                default: break;
            }
            break;
        case protocol::CMD_GLOBAL:
            if (b <= 3)
                reply (dataReply (command, a, b, c, {}, 12, masterParts[b]));
            break;
        case protocol::CMD_BLOCK5:
            reply (dataReply (command, a, b, c, Bytes (28, 0x10), 40, {}));
            break;
        case protocol::CMD_MULTI:
            if (b == 0)
                reply (dataReply (command, a, b, c, bytes::slice (multiBuffer, 0, 20), 32, bytes::slice (multiBuffer, multi::NAME_PART_START, multi::NAME_PART_SIZE)));
            else if (b == 1)
                reply (dataReply (command, a, b, c, {}, 12, bytes::slice (multiBuffer, multi::MAIN_PART_START, multi::MAIN_PART_SIZE)));
            else if (b == 2)
            {
                long s = multi::COMMON_SIZE;
                for (int zone = 0; zone < c; ++zone)
                    s = multi::walkZone (multiBuffer, s).end;
                const auto end = multi::walkZone (multiBuffer, s).end;
                reply (dataReply (command, a, b, c, {}, 12, bytes::slice (multiBuffer, s, end - s)));
            }
            break;
        case protocol::CMD_BLOCK12:
        case protocol::CMD_BLOCK13:
            reply (dataReply (command, a, b, c, {}, a == 0 ? 32 : 12, Bytes (40, 0)));
            break;
        default:
            break;
    }
}

void VirtualInstrument::storeWithName (const protocol::Bytes& m)
{
    const int id = byteAt (m, 6) << 7 | byteAt (m, 7);
    std::string name (m.begin() + 12, m.begin() + (long) std::min<size_t> (28, m.size()));
    name.resize (20, ' ');

    const bool isProgram = byteAt (m, 5) == protocol::CMD_PROGRAM;
    Bytes record = isProgram ? channelBuffers[byteAt (m, 8) & 15] : multiBuffer;
    if (record.size() < 20)
        return;
    std::copy (name.begin(), name.end(), record.begin());
    bankOf (isProgram ? typeProgram : typeMulti)->replaceRecord (id, record);
}

void VirtualInstrument::handleObjectRequest (const protocol::Bytes& m)
{
    const int sub = byteAt (m, 6);
    const int type = protocol::lowFirst (m, 8, 2);
    const int id = protocol::lowFirst (m, 10, 2);
    auto* bank = bankOf (type);
    const bool exists = bank != nullptr && bank->exists (id);
    const bool refuse = fault == Fault::negativeReply && faultCount > 0;

    auto header = [&] (uint8_t replySub)
    {
        protocol::Bytes r { 0xF0, protocol::MANUFACTURER_ID, protocol::PRODUCT_CODE, protocol::HEADER_FIXED, 0, protocol::CMD_OBJECT, replySub, 0 };
        protocol::putLowFirst (r, type, 2);
        protocol::putLowFirst (r, id, 2);
        return r;
    };

    if (sub != protocol::SUB_INFO_REQUEST && sub != protocol::SUB_READ)
        return;
    if (! exists || refuse)
    {
        if (refuse)
            --faultCount;
        auto negative = header (protocol::SUB_NEGATIVE);
        negative.push_back (0x03);
        negative.push_back (protocol::SYSEX_END);
        reply (negative);
        return;
    }

    const auto record = bank->getRecord (id);
    if (sub == protocol::SUB_INFO_REQUEST)
    {
        auto info = header (protocol::SUB_INFO);
        protocol::putLowFirst (info, (int) record.size(), 3);
        info.push_back (0);
        info.insert (info.end(), record.begin(), record.begin() + 20);
        info.push_back (protocol::SYSEX_END);
        reply (info);
        return;
    }

    const int offset = protocol::lowFirst (m, 12, 3);
    const int length = std::min ({ protocol::lowFirst (m, 15, 3), sliceSize, std::max (0, (int) record.size() - offset) });
    auto slice = header (protocol::SUB_DATA);
    protocol::putLowFirst (slice, offset, 3);
    protocol::putLowFirst (slice, length, 3);
    const auto packed = protocol::pack (bytes::slice (record, offset, length));
    slice.insert (slice.end(), packed.begin(), packed.end() - 1);
    for (const uint8_t trailer : { 0, 0 })
        slice.push_back (trailer);
    slice.push_back (protocol::SYSEX_END);
    reply (slice);
}

//==============================================================================
protocol::Bytes VirtualInstrument::dataReply (int command, int a, int b, int c, const Bytes& prefix, size_t packedStart, const Bytes& data) const
{
    protocol::Bytes m { 0xF0, protocol::MANUFACTURER_ID, protocol::PRODUCT_CODE, protocol::HEADER_FIXED, 0, (uint8_t) command, 0, 0,
                        (uint8_t) a, (uint8_t) b, (uint8_t) c, 1 };
    for (const auto byte : prefix)
        m.push_back (byte & 0x7F);
    m.resize (packedStart, 0);
    if (data.empty())
        m.push_back (protocol::SYSEX_END);
    else
    {
        const auto packed = protocol::pack (data);
        m.insert (m.end(), packed.begin(), packed.end());
    }
    return m;
}

void VirtualInstrument::reply (protocol::Bytes message)
{
    // Called on the instrument's thread with the mutex held.
    if (fault == Fault::silent)
        return;
    if (faultCount > 0 && fault != Fault::negativeReply)
    {
        --faultCount;
        if (fault == Fault::dropReply)
            return;
        if (fault == Fault::corruptByte && message.size() > 8)
            message[message.size() / 2] ^= 0x55;
        if (fault == Fault::truncate)
            message.resize (message.size() / 2);
    }

    const int rate = wireRate;
    bytesSent += (int64_t) message.size();
    mutex.unlock();
    if (rate > 0)
        std::this_thread::sleep_for (std::chrono::microseconds ((int64_t) message.size() * 1000000 / rate));
    {
        const std::lock_guard<std::mutex> guard (outputMutex);
        if (output != nullptr)
            output->handleIncomingMidiMessage (nullptr, juce::MidiMessage (message.data(), (int) message.size()));
    }
    mutex.lock();
}

//==============================================================================
namespace
{
class VirtualInput final : public MidiInputEndpoint
{
public:
    VirtualInput (VirtualInstrument& vi, juce::MidiInputCallback& cb) : instrument (vi), callback (cb) {}
    ~VirtualInput() override { stop(); }
    void start() override { instrument.connectOutput (&callback); }
    void stop() override { instrument.connectOutput (nullptr); }

private:
    VirtualInstrument& instrument;
    juce::MidiInputCallback& callback;
};

class VirtualOutput final : public MidiOutputEndpoint
{
public:
    explicit VirtualOutput (VirtualInstrument& vi) : instrument (vi) {}
    void startBackgroundThread() override {}
    void stopBackgroundThread() override {}
    void clearAllPendingMessages() override {}
    void sendBlockOfMessages (const juce::MidiBuffer& buffer, double, double) override
    {
        for (const auto metadata : buffer)
            instrument.receive (metadata.getMessage());
    }
    void sendMessageNow (const juce::MidiMessage& message) override { instrument.receive (message); }

private:
    VirtualInstrument& instrument;
};
}

MidiDriverWithVirtualInstrument::MidiDriverWithVirtualInstrument (std::unique_ptr<MidiPortDriver> s) : system (std::move (s)) {}

juce::StringArray MidiDriverWithVirtualInstrument::getInputNames()
{
    auto names = system != nullptr ? system->getInputNames() : juce::StringArray();
    names.add (VirtualInstrument::PORT_NAME);
    return names;
}

juce::StringArray MidiDriverWithVirtualInstrument::getOutputNames()
{
    auto names = system != nullptr ? system->getOutputNames() : juce::StringArray();
    names.add (VirtualInstrument::PORT_NAME);
    return names;
}

std::unique_ptr<MidiInputEndpoint> MidiDriverWithVirtualInstrument::openInput (int index, juce::MidiInputCallback& callback)
{
    const int systemCount = system != nullptr ? system->getInputNames().size() : 0;
    if (index == systemCount)
        return std::make_unique<VirtualInput> (getVirtualInstrument(), callback);
    return system != nullptr ? system->openInput (index, callback) : nullptr;
}

std::unique_ptr<MidiOutputEndpoint> MidiDriverWithVirtualInstrument::openOutput (int index)
{
    const int systemCount = system != nullptr ? system->getOutputNames().size() : 0;
    if (index == systemCount)
        return std::make_unique<VirtualOutput> (getVirtualInstrument());
    return system != nullptr ? system->openOutput (index) : nullptr;
}

VirtualInstrument& MidiDriverWithVirtualInstrument::getVirtualInstrument()
{
    if (instrument == nullptr)
        instrument = std::make_unique<VirtualInstrument>();
    return *instrument;
}
