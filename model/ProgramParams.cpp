#include "model/ProgramParams.h"
#include "model/ProgramRecord.h"

namespace program::param
{
namespace
{
constexpr int FLAGS = 0x3D, FX_FLAGS = 0x6C, AUX1_SEND = 0x6F, AUX2_SEND = 0x70;

struct Entry
{
    int level, block, sub, param;
    Place place;
};

// Level 1 addresses name the common part; level 2 the layer given as the unit.
const Entry entries[] = {
    { 1, 0, 0, 2, { -1, 0x20, 16, false } },         // song
    { 1, 1, 0, 2, { -1, FLAGS, 8, false, true } },   // globals
    { 1, 1, 0, 3, { -1, 0x3E, 8, true } },           // pitch-bend range up
    { 1, 1, 0, 4, { -1, 0x3F, 8, false } },          // portamento rate
    { 1, 1, 0, 6, { -1, 0x41, 8, false } },          // drum remap
    { 1, 1, 0, 19, { -1, 0x4E, 8, true } },          // pitch-bend range down
    { 1, 1, 0, 20, { -1, 0x50, 8, true } },          // output gain
    { 1, 1, 0, 21, { -1, 0x52, 8, false } },         // output pan mode
    { 1, 1, 0, 22, { -1, 0x53, 8, true } },          // output pan
    { 1, 1, 0, 24, { -1, FLAGS, 8, false, true } },  // monophonic
    { 1, 1, 0, 25, { -1, FLAGS, 8, false, true } },  // portamento
    { 1, 1, 0, 26, { -1, FLAGS, 8, false, true } },  // attack
    { 1, 1, 0, 27, { -1, FLAGS, 8, false, true } },  // legato play
    { 1, 1, 0, 28, { -1, FLAGS, 8, false, true } },  // mono sample crossfade
    { 1, 5, 0, 0, { -1, FX_FLAGS, 8, false, true } },
    { 1, 5, 0, 1, { -1, 0x6D, 16, false } },         // insert FX chain
    { 1, 5, 0, 2, { -1, AUX1_SEND, 8, false, true } },
    { 1, 5, 0, 3, { -1, AUX2_SEND, 8, false, true } },
    { 1, 5, 0, 6, { -1, 0x73, 8, false } },          // aux 1 mod
    { 1, 5, 1, 0, { -1, 0x78, 8, false } },          // aux 1 output
    { 1, 5, 1, 1, { -1, 0x79, 16, false } },         // aux 1 FX chain
    { 1, 5, 2, 0, { -1, 0x84, 8, false } },          // aux 2 output
    { 1, 5, 2, 1, { -1, 0x85, 16, false } },         // aux 2 FX chain
    { 2, 1, 0, 3, { 0, layer::ZONE_LOW, 8, false } },
    { 2, 1, 0, 4, { 0, layer::ZONE_HIGH, 8, false } },
    { 2, 10, 0, 7, { 0, layer::KEYMAP2, 16, false } },
    { 2, 10, 0, 10, { 0, layer::KEYMAP1, 16, false } },
    { 2, 11, 0, 1, { 0, layer::LEVEL, 8, true } },
};

/** The flag bit each flag parameter owns in the flags byte. */
int flagBit (int param)
{
    switch (param)
    {
        case 24: return 0;   // monophonic
        case 25: return 1;   // portamento
        case 2: return 2;    // globals
        case 26: return 3;   // attack
        case 27: return 4;   // legato play
        case 28: return 5;   // mono sample crossfade
        default: return 0;
    }
}
}

std::optional<Place> placeOf (const protocol::ParamAddress& a)
{
    for (const auto& e : entries)
        if (e.level == a.level && e.block == a.block && e.sub == a.sub && e.param == a.param)
        {
            if (a.level == 1 && a.unit != 0)
                return std::nullopt;
            auto place = e.place;
            if (a.level == 2)
            {
                if (a.unit < 0 || a.unit >= MAX_LAYERS)
                    return std::nullopt;
                place.layer = a.unit;
            }
            return place;
        }
    return std::nullopt;
}

Bits packedBits (const protocol::ParamAddress& a, int role)
{
    const auto place = placeOf (a);
    if (! place || ! place->packed)
        return {};
    switch (place->offset)
    {
        case FLAGS: return { flagBit (a.param), 1 };
        case FX_FLAGS: return { role <= 1 ? 0 : role - 1, 1 };   // insert output, aux 1 type, aux 2 type
        case AUX1_SEND: case AUX2_SEND: return role == 2 ? Bits { 7, 1 } : Bits { 0, 7 };   // pre/post above the level
        default: return {};
    }
}

int packedByte (int currentByte, const protocol::ParamAddress& a, int role, int value)
{
    const auto bits = packedBits (a, role);
    const int mask = ((1 << bits.count) - 1) << bits.first;
    return (currentByte & 0xFF & ~mask) | ((value << bits.first) & mask);
}

int unpackedValue (int wholeByte, const protocol::ParamAddress& a, int role)
{
    const auto bits = packedBits (a, role);
    return (wholeByte >> bits.first) & ((1 << bits.count) - 1);
}

long recordOffset (const Place& place)
{
    return place.layer < 0 ? place.offset : layerOffset (place.layer) + place.offset;
}

int read (const Bytes& block, long offset, const Place& place)
{
    if (place.width == 16)
        return place.isSigned ? bytes::s16 (block, offset) : bytes::u16 (block, offset);
    return place.isSigned ? bytes::s8 (block, offset) : bytes::u8 (block, offset);
}

void write (Bytes& block, long offset, const Place& place, int value)
{
    if (place.width == 16)
        bytes::put16 (block, offset, value);
    else
        bytes::put8 (block, offset, value);
}

bool applyToRecord (Bytes& record, const protocol::ParamAddress& address, int value)
{
    const auto place = placeOf (address);
    if (! place || (place->layer >= 0 && place->layer >= layerCount (record)))
        return false;
    write (record, recordOffset (*place), *place, value);
    return true;
}
}
