#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/** The bytes exchanged with the instrument: 7-bit packing, message frames,
    the parameter-change controller run and the fixed requests.
    Plain C++ with no JUCE dependency, so it can be tested and fuzzed alone. */
namespace protocol
{
using Bytes = std::vector<uint8_t>;

constexpr uint8_t SYSEX_START = 0xF0;
constexpr uint8_t SYSEX_END   = 0xF7;
constexpr uint8_t MANUFACTURER_ID = 0x07;
constexpr uint8_t PRODUCT_CODE    = 0x46;
constexpr uint8_t HEADER_FIXED    = 0x01;
constexpr int HEADER_SIZE = 5;
constexpr int REQUEST_SIZE = 13;

enum Command : uint8_t
{
    CMD_PROGRAM       = 0x02,
    CMD_GLOBAL        = 0x04,
    CMD_BLOCK5        = 0x05,
    CMD_MULTI         = 0x0B,
    CMD_BLOCK12       = 0x0C,
    CMD_BLOCK13       = 0x0D,
    CMD_GLOBAL_VALUE  = 0x11,
    CMD_CHANNEL_VALUE = 0x20,
    CMD_SELECT_CHANNEL = 0x40,
    CMD_OBJECT        = 0x5A,
    CMD_OBJECT_ALT    = 0x5B
};

/** Where one parameter lives in the instrument's edit buffer. */
struct ParamAddress
{
    int level = 0, unit = 0, block = 0, sub = 0, param = 0;
};

/** One controller message of a parameter-change run. */
struct ControllerValue
{
    int controller;
    int value;
};

/** Packs 8-bit data into 7-bit bytes, 7 bytes to 8, and appends 0xF7. */
Bytes pack (const uint8_t* data, size_t size);
inline Bytes pack (const Bytes& data) { return pack (data.data(), data.size()); }

/** Reverses pack(); one trailing 0xF7 is not data. */
Bytes unpack (const uint8_t* midi, size_t size);
inline Bytes unpack (const Bytes& midi) { return unpack (midi.data(), midi.size()); }

/** The universal identity request F0 7E 7F 06 01 F7. */
Bytes identityRequest();

/** A 13-byte edit-buffer request (direction 0, no payload). */
Bytes editBufferRequest (int command, int a, int b, int c);

/** An edit-buffer data message: header, command, ID 0, A, B, C, D, packed data. */
Bytes editBufferData (int command, int a, int b, int c, int d, const Bytes& objectBytes);

/** Sets a channel's value (its program), channel 0..15, value 14-bit. */
Bytes channelValue (int channel, int value);

/** Sets the global value (the multi number), 14-bit. */
Bytes globalValue (int value);

/** Makes a channel (0..15) the instrument's selected channel. */
Bytes selectChannel (int channel);

/** The seven controllers 110..114, 118, 119 that change one parameter.
    The value is clamped to the signed 14-bit range. */
std::vector<ControllerValue> parameterChange (const ParamAddress& address, int value);

/** The MIDI channel (1..16) a parameter-change run for channel 0..15 goes on. */
int parameterChannel (const ParamAddress& address, int channel);

/** Object transfer sub-commands (byte 6 of a 0x5A message). */
enum ObjectSub : uint8_t
{
    SUB_READ = 0x00, SUB_DATA = 0x01, SUB_ACK = 0x02, SUB_NEGATIVE = 0x03, SUB_INFO = 0x05, SUB_INFO_REQUEST = 0x20
};

/** Asks for an object's info: type and ID as 14-bit low-first numbers. */
Bytes objectInfoRequest (int type, int id);
/** Asks for a slice of an object's data; offset and length 21-bit low-first. */
Bytes objectReadRequest (int type, int id, int offset, int length);
/** The instrument stores its edit buffer under an ID with a name (16 characters, space padded). */
Bytes storeWithName (int command, int id, int a, const std::string& name);

/** 14- and 21-bit numbers, low 7 bits first. */
void putLowFirst (Bytes& b, int value, int byteCount);
int lowFirst (const Bytes& b, size_t start, int byteCount);

/** Reads byte i of a message, 0 past its end. */
inline int byteAt (const Bytes& message, size_t i) { return i < message.size() ? message[i] : 0; }
}
