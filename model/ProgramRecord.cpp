#include "model/ProgramRecord.h"

namespace program
{
namespace
{
using F = Field;

struct Entry
{
    Field field;
    FieldLayout layout;
};

const Entry fields[] = {
    { F::category, { 30, 8, false } },       { F::subCategory, { 31, 8, false } },
    { F::song, { 32, 16, false } },          { F::layerCount, { 60, 8, false } },
    { F::monophonic, { 61, 8, false, 0, 1 } }, { F::portamento, { 61, 8, false, 1, 1 } },
    { F::globals, { 61, 8, false, 2, 1 } },  { F::attack, { 61, 8, false, 3, 1 } },
    { F::legatoPlay, { 61, 8, false, 4, 1 } }, { F::monoSampleXfade, { 61, 8, false, 5, 1 } },
    { F::pitchBendUp, { 62, 8, true } },     { F::rate, { 63, 8, false } },
    { F::drumRemap, { 65, 8, false } },      { F::pitchBendDown, { 78, 8, true } },
    { F::outGain, { 80, 8, true } },         { F::outPanMode, { 82, 8, false } },
    { F::outPan, { 83, 8, true } },
    { F::insertOutput, { 108, 8, false, 0, 1 } }, { F::aux1Type, { 108, 8, false, 1, 1 } },
    { F::aux2Type, { 108, 8, false, 2, 1 } }, { F::insertChain, { 109, 16, false } },
    { F::aux1Send, { 111, 8, false, 0, 7 } }, { F::aux1PrePost, { 111, 8, false, 7, 1 } },
    { F::aux2Send, { 112, 8, false, 0, 7 } }, { F::aux2PrePost, { 112, 8, false, 7, 1 } },
    { F::aux1Mod, { 115, 8, false } },       { F::aux2Mod, { 116, 8, false } },
    { F::aux1Output, { 120, 8, false, 0, 1 } }, { F::aux1Chain, { 121, 16, false } },
    { F::aux2Output, { 132, 8, false, 0, 1 } }, { F::aux2Chain, { 133, 16, false } },
    { F::kind, { 157, 8, false } },
};

int entrySize (const Bytes& record, int position)
{
    return 8 + bytes::u8 (record, position + 7);
}
}

const FieldLayout& fieldLayout (Field field)
{
    for (const auto& e : fields)
        if (e.field == field)
            return e.layout;
    return fields[0].layout;
}

int getField (const Bytes& record, Field field)
{
    const auto& s = fieldLayout (field);
    if (s.width == 16)
        return bytes::u16 (record, s.offset);
    if (s.bitCount > 0)
        return (bytes::u8 (record, s.offset) >> s.bit) & ((1 << s.bitCount) - 1);
    return s.isSigned ? bytes::s8 (record, s.offset) : bytes::u8 (record, s.offset);
}

void setField (Bytes& record, Field field, int value)
{
    const auto& s = fieldLayout (field);
    if (s.width == 16)
    {
        bytes::put16 (record, s.offset, value);
        return;
    }
    if (s.bitCount > 0)
    {
        const int mask = ((1 << s.bitCount) - 1) << s.bit;
        bytes::put8 (record, s.offset, (bytes::u8 (record, s.offset) & ~mask) | ((value << s.bit) & mask));
        return;
    }
    bytes::put8 (record, s.offset, value);
}

int layerCount (const Bytes& record)
{
    return std::min (bytes::u8 (record, LAYER_COUNT), MAX_LAYERS);
}

int layerOffset (int layerIndex)
{
    return LAYERS_START + LAYER_SIZE * layerIndex;
}

int nameListOffset (const Bytes& record)
{
    const int n = layerCount (record);
    // The layer list ends with one 0x00, except when it is full.
    return n < MAX_LAYERS ? layerOffset (n) + 1 : layerOffset (MAX_LAYERS);
}

int nameListSize (const Bytes& record)
{
    const int a = nameListOffset (record);
    const int count = bytes::u8 (record, a + 3);
    int size = 4;
    for (int i = 0; i < count && a + size < (int) record.size(); ++i)
        size += entrySize (record, a + size);
    return size;
}

int assignmentListOffset (const Bytes& record)
{
    return nameListOffset (record) + nameListSize (record);
}

int assignmentListSize (const Bytes& record)
{
    return 4 + 4 * bytes::u16 (record, assignmentListOffset (record) + 2);
}

std::vector<ControllerName> controllerNames (const Bytes& record)
{
    std::vector<ControllerName> names;
    const int a = nameListOffset (record);
    const int count = bytes::u8 (record, a + 3);
    int p = a + 4;

    for (int i = 0; i < count && bytes::inside (record, p, 8); ++i)
    {
        const int length = bytes::u8 (record, p + 7);
        std::string text;
        for (int k = 0; k < length && bytes::inside (record, p + 8 + k); ++k)
        {
            const int c = bytes::u8 (record, p + 8 + k);
            if (c == 0)
                break;
            text += (char) c;
        }
        names.push_back ({ bytes::u8 (record, p + 3), bytes::s16 (record, p + 4), text });
        p += 8 + length;
    }
    return names;
}

std::vector<Assignment> assignments (const Bytes& record)
{
    std::vector<Assignment> list;
    const int b = assignmentListOffset (record);
    const int count = bytes::u16 (record, b + 2);

    for (int i = 0, p = b + 4; i < count && bytes::inside (record, p, 4); ++i, p += 4)
        list.push_back ({ bytes::s8 (record, p), bytes::s8 (record, p + 1), bytes::s8 (record, p + 2), bytes::s8 (record, p + 3) });
    return list;
}

std::string layer::ownName (const Bytes& block)
{
    const auto raw = bytes::slice (block, NAME, 20);
    const std::string text (raw.begin(), raw.end());
    if (text == UNNAMED || text.find_first_not_of (' ') == std::string::npos)
        return {};
    return bytes::printable (block, NAME, 20);
}
}
