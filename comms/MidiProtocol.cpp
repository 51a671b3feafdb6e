#include "comms/MidiProtocol.h"

#include <algorithm>

namespace protocol
{
namespace
{
    /** The 5-byte header, the command and the given body bytes. */
    Bytes frame (uint8_t command, std::initializer_list<uint8_t> body)
    {
        Bytes message { SYSEX_START, MANUFACTURER_ID, PRODUCT_CODE, HEADER_FIXED, 0, command };
        message.reserve (message.size() + body.size());
        for (const auto b : body)
            message.push_back (b);
        return message;
    }

    uint8_t high7 (int value14) { return (uint8_t) ((value14 >> 7) & 0x7F); }
    uint8_t low7  (int value14) { return (uint8_t) (value14 & 0x7F); }
}

Bytes pack (const uint8_t* data, size_t size)
{
    Bytes midi;
    midi.reserve (size + size / 7 + 2);

    for (size_t start = 0; start < size; start += 7)
    {
        const size_t count = std::min<size_t> (7, size - start);
        const uint8_t* d = data + start;

        midi.push_back (d[0] & 0x7F);
        for (size_t k = 1; k < count; ++k)
            midi.push_back ((uint8_t) (((d[k] << k) | (d[k - 1] >> (8 - k))) & 0x7F));

        // The carry of the group's last byte: its top bits that did not fit.
        midi.push_back ((uint8_t) (d[count - 1] >> (8 - count)));
    }

    midi.push_back (SYSEX_END);
    return midi;
}

Bytes unpack (const uint8_t* midi, size_t size)
{
    if (size > 0 && midi[size - 1] == SYSEX_END)
        --size;

    Bytes data;
    data.reserve (size);

    for (size_t start = 0; start < size; start += 8)
    {
        const size_t count = std::min<size_t> (8, size - start);
        const uint8_t* m = midi + start;

        for (size_t k = 0; k + 1 < count; ++k)
            data.push_back ((uint8_t) ((m[k] >> k) | (m[k + 1] << (7 - k))));
    }

    return data;
}

Bytes identityRequest()
{
    return { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
}

Bytes editBufferRequest (int command, int a, int b, int c)
{
    return frame ((uint8_t) command, { 0, 0, (uint8_t) a, (uint8_t) b, (uint8_t) c, 0, SYSEX_END });
}

Bytes editBufferData (int command, int a, int b, int c, int d, const Bytes& objectBytes)
{
    Bytes message = frame ((uint8_t) command, { 0, 0, (uint8_t) a, (uint8_t) b, (uint8_t) c, (uint8_t) d });
    const Bytes packed = pack (objectBytes);
    message.insert (message.end(), packed.begin(), packed.end());
    return message;
}

Bytes channelValue (int channel, int value)
{
    return frame (CMD_CHANNEL_VALUE, { (uint8_t) (channel & 0x0F), high7 (value), low7 (value), SYSEX_END });
}

Bytes globalValue (int value)
{
    return frame (CMD_GLOBAL_VALUE, { high7 (value), low7 (value), SYSEX_END });
}

Bytes selectChannel (int channel)
{
    return frame (CMD_SELECT_CHANNEL, { (uint8_t) (channel & 0x0F), SYSEX_END });
}

std::vector<ControllerValue> parameterChange (const ParamAddress& address, int value)
{
    const int offset = std::clamp (value, -8192, 8191) + 8192;
    return { { 110, address.level & 0x7F },
             { 111, address.unit & 0x7F },
             { 112, address.block & 0x7F },
             { 113, address.sub & 0x7F },
             { 114, address.param & 0x7F },
             { 118, offset >> 7 },
             { 119, offset & 0x7F } };
}

int parameterChannel (const ParamAddress& address, int channel)
{
    return address.level == 15 ? 1 : std::clamp (channel, 0, 15) + 1;
}

void putLowFirst (Bytes& b, int value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        b.push_back ((uint8_t) ((value >> (7 * i)) & 0x7F));
}

int lowFirst (const Bytes& b, size_t start, int byteCount)
{
    int value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= (byteAt (b, start + (size_t) i) & 0x7F) << (7 * i);
    return value;
}

Bytes objectInfoRequest (int type, int id)
{
    Bytes message = frame (CMD_OBJECT, { SUB_INFO_REQUEST, 0 });
    putLowFirst (message, type, 2);
    putLowFirst (message, id, 2);
    message.push_back (SYSEX_END);
    return message;
}

Bytes objectReadRequest (int type, int id, int offset, int length)
{
    Bytes message = frame (CMD_OBJECT, { SUB_READ, 0 });
    putLowFirst (message, type, 2);
    putLowFirst (message, id, 2);
    putLowFirst (message, offset, 3);
    putLowFirst (message, length, 3);
    message.push_back (SYSEX_END);
    return message;
}

Bytes storeWithName (int command, int id, int a, const std::string& name)
{
    Bytes message = frame ((uint8_t) command, { high7 (id), low7 (id), (uint8_t) a, 0, 0, 0x11 });
    std::string padded = name.substr (0, 16);
    padded.resize (16, ' ');
    for (const char c : padded)
        message.push_back ((uint8_t) (c & 0x7F));
    message.push_back (SYSEX_END);
    return message;
}
}
