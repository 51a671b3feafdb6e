#include "model/MultiRecord.h"

namespace multi
{
using bytes::s16;
using bytes::s32;
using bytes::s8;
using bytes::u16;
using bytes::u8;

namespace
{
long textBlockEnd (const Bytes& d, long t)
{
    if (u8 (d, t + 42) == 1)
    {
        long p = t + 52;
        p += 6 + u8 (d, p);
        p += 6 + u8 (d, p);
        p += 4 + u8 (d, p);
        p += 6;
        p += 4 + u8 (d, p);
        return p - 8;
    }

    long p = t + 49;
    for (int text = 0; text < 4; ++text)
    {
        const int flag = s8 (d, p);
        p += 3;
        if (flag > 0)
            p += std::max (0, s16 (d, p - 1));
        if (text < 3)
            p += 3;
    }
    return p;
}

/** Skips count entries; sizes depend on a marker byte. Stops at the data's end. */
long skipEntries (const Bytes& d, long p, long count, int markerOffset, long emptySize, long fullSize)
{
    for (long i = 0; i < count && p < (long) d.size(); ++i)
        p += u8 (d, p + markerOffset) == 0xFF ? emptySize : fullSize;
    return p;
}
}

ZoneLayout walkZone (const Bytes& d, long s)
{
    ZoneLayout z;
    z.start = s;
    long p = s + 35;

    z.list1 = p;
    z.list1Count = std::max<long> (0, s32 (d, p + 5));
    z.list1First = p + 8;
    p = skipEntries (d, z.list1First, z.list1Count, 3, 3, 53);

    z.list2 = p;
    z.list2Count = std::max<long> (0, s32 (d, p + 5));
    z.list2First = p + 8;
    p = skipEntries (d, z.list2First, z.list2Count, 4, 4, 157);

    static const int typedSizes[] = { 4, 6, 15, 33, 3 };
    for (int entry = 0; entry < 8; ++entry)
    {
        const int32_t type = s32 (d, p + 3);
        p += 6 + (type >= 0 && type <= 4 ? typedSizes[type] : 0);
    }
    p += 4;

    z.text = p;
    p = textBlockEnd (d, p);
    z.block44 = p;
    z.block8 = p + 44;
    z.entryList = p + 52;
    z.end = z.entryList + 4 + 4L * u16 (d, z.entryList);
    return z;
}

int readPlace (const Bytes& d, const FieldPlace& place)
{
    switch (place.width)
    {
        case 32: return s32 (d, place.position);
        case 16: return place.isSigned ? s16 (d, place.position) : u16 (d, place.position);
        default: return place.isSigned ? s8 (d, place.position) : u8 (d, place.position);
    }
}

void writePlace (Bytes& d, const FieldPlace& place, int value, bool wholeWidth)
{
    if (place.position < 0 || place.readOnly)
        return;
    if (wholeWidth && place.width == 32)
        bytes::put32 (d, place.position, value);
    else if (wholeWidth && place.width == 16)
        bytes::put16 (d, place.position, value);
    else
        bytes::put8 (d, place.position, value & 0xFF);
}

//==============================================================================
bool isCommonElement (int e)
{
    switch (e)
    {
        case 3: case 13: case 15: case 17: case 19: case 21: case 23: case 25: case 46:
        case 27: case 29: case 31: case 33: case 271: case 272: case 311: case 312:
            return true;
        default:
            return false;
    }
}

bool isZoneElement (int e)
{
    switch (e)
    {
        case 4: case 35: case 37: case 7: case 70: case 441: case 39: case 41: case 111: case 43: case 470:
            return true;
        default:
            return false;
    }
}

int raisedNumber (int element, int number, bool forWrite)
{
    switch (element)
    {
        case 13: return number + 3000;
        case 17: return number + 3300;
        case 23: return number + 3400;
        case 19: return forWrite ? number : number + 3100;
        case 25: return forWrite ? number : number + 3200;
        default: return number;
    }
}

FieldPlace commonPlace (bool full, int element, int number, bool forWrite)
{
    auto at = [full] (long set, long clear, int width, bool isSigned, bool readOnly = false)
    {
        return FieldPlace { full ? set : clear, width, isSigned, readOnly };
    };

    // Elements that name one field by themselves.
    switch (element)
    {
        case 3:
            if (number == 16) return { 39, 8, false };
            if (number == 22) return { 46, 8, false };
            if (number == 24) return { 48, 8, false };
            return {};
        case 272: return at (294, 212, 16, true);
        case 312: return at (296, 214, 16, true);
        case 27:  return at (301, 217, 8, false);
        case 31:  return at (303, 219, 8, false);
        case 29:  return at (307, 221, 8, false);
        case 33:  return at (309, 223, 8, false);
        case 271: return at (312, 224, 8, false);
        case 311: return at (313, 225, 8, false);
        default: number = raisedNumber (element, number, forWrite); break;
    }

    const int i = number % 100;
    const int group = number - i;
    if (i < 16)
    {
        switch (group)
        {
            case 3000: return at (68 + i, 50 + i, 8, false, true);   // read through its own rule below
            case 3100: return at (199 + 2 * i, 181 + 2 * i, 8, false, true);
            case 3200: return at (231 + 2 * i, 213 + 2 * i, 8, false, true);
            case 3300: return at (102 + 2 * i, 84 + 2 * i, 16, true);
            case 3400: return at (134 + 2 * i, 116 + 2 * i, 16, true);
            default: break;
        }
    }

    switch (number)
    {
        case 3162: return at (294, 212, 16, true);
        case 3164: return at (296, 214, 16, true);
        case 3167: return at (301, 217, 8, false);
        case 3171: return at (307, 221, 8, false);
        case 3173: return at (309, 223, 8, false);
        case 3174: return at (312, 224, 8, false);
        case 3175: return at (313, 225, 8, false);
        default: return {};
    }
}

//==============================================================================
namespace
{
FieldPlace place (long position, int width, bool isSigned, bool readOnly = false)
{
    return { position, width, isSigned, readOnly };
}

FieldPlace element43 (const ZoneLayout& z, int number)
{
    const long e = z.block8 - z.start + 1;
    switch (number)
    {
        case 2: return place (2, 8, true);
        case 3: return place (3, 8, false);
        case 4: return place (5, 8, true);
        case 5: return place (6, 8, true, true);
        case 11: return place (11, 16, true);
        case 12: return place (13, 8, false);
        case 13: return place (14, 8, true);
        case 14: return place (15, 8, true);
        case 17: return place (18, 8, false);
        case 18: return place (19, 8, false);
        case 19: return place (20, 8, true);
        case 21: return place (21, 16, true);
        case 22: return place (23, 8, true);
        case 26: return place (e + 11, 8, true);
        case 28: return place (e + 15, 8, true);
        case 31: return place (27, 16, true);
        case 33: return place (29, 16, true);
        case 34: case 35: case 36: case 37: case 38: return place (number - 3, 8, false);
        case 93: return place (e, 16, true);
        case 95: return place (e + 1, 8, true, true);
        default: return {};
    }
}

FieldPlace element35 (const ZoneLayout& z, int number)
{
    const long m = z.block44 - z.start;
    if (number >= 262 && number <= 271)
        return place (m + number - 255, 8, true);
    switch (number)
    {
        case 257: return place (m + 1, 8, true);
        case 272: case 274: return place (m + 17, 8, true);
        case 273: case 275: return place (m + 18, 8, true);
        case 278: return place (m + 23, 8, true);
        case 288: return place (m + 33, 8, true);
        case 260: return place (m + 3, 32, true);
        case 281: return place (m + 27, 32, true);
        case 285: return place (m + 31, 32, true);
        case 276: return place (m + 19, 16, true);
        case 290: return place (m + 34, 16, true);
        case 291: return place (m + 36, 16, true);
        default: return {};
    }
}

FieldPlace firstListEntry (const Bytes& d, const ZoneLayout& z, int number)
{
    const long e = number / 10, f = number % 10;
    if (e >= z.list1Count)
        return {};
    long p = z.list1First;
    for (long i = 0; i < e && p < (long) d.size(); ++i)
        p += u8 (d, p + 3) == 0xFF ? 3 : 53;
    p -= z.start;
    switch (f)
    {
        case 0: return place (p + 4, 16, true);
        case 2: return place (p + 14, 16, true);
        case 3: return place (p + 16, 16, true);
        case 4: return place (p + 21, 8, true);
        case 5: return place (p + 23, 8, true);
        case 6: return place (p + 18, 8, true);
        case 7: return place (p + 3, 8, true);
        default: return {};
    }
}

FieldPlace secondListEntry (const Bytes& d, const ZoneLayout& z, bool full, int number)
{
    const long e = number / 100, f = number % 100;
    if (e >= z.list2Count)
        return {};
    long p = z.list2First;
    for (long i = 0; i < e && p < (long) d.size(); ++i)
        p += u8 (d, p + 4) == 0xFF ? 4 : (full ? 157 : 153);
    p -= z.start;
    const long shift = full ? 0 : 4;
    if (f >= 10 && f <= 17)
        return place (p + 46 - shift + f - 10, 8, true);
    switch (f)
    {
        case 0: return place (p + 5, 16, true);
        case 2: return full ? place (p + 25, 16, true) : place (p + 25, 8, true);
        case 3: return full ? place (p + 27, 16, true) : place (p + 26, 8, true);
        case 4: return place (p + 33 - shift, 8, true);
        case 5: return place (p + 35 - shift, 8, true);
        case 6: return place (p + 3, 8, true);
        case 7: return place (p + 4, 8, true);
        case 18: return place (p + 45 - shift, 8, true);
        case 19: return place (p + 54 - shift, 8, true);
        default: return {};
    }
}

FieldPlace element470 (const ZoneLayout& z, int number)
{
    const long t = z.text - z.start;
    static const std::pair<int, int> unsignedBytes[] = {
        { 1, 13 }, { 2, 15 }, { 3, 37 }, { 4, 39 }, { 5, 5 }, { 6, 4 }, { 7, 7 }, { 8, 23 }, { 11, 8 }, { 12, 21 },
        { 13, 22 }, { 14, 26 }, { 15, 45 }, { 16, 6 }, { 19, 18 }, { 20, 19 }, { 21, 11 } };
    for (const auto& [n, offset] : unsignedBytes)
        if (n == number)
            return place (t + offset, 8, false, true);
    if (number == 9)
        return place (t + 41, 8, true, true);
    if (number == 17)
        return place (t + 16, 16, false, true);
    return {};
}
}

FieldPlace zonePlace (const Bytes& d, const ZoneLayout& z, bool full, int element, int number, bool& wholeWidth)
{
    wholeWidth = (element == 43 && number == 93) || (element == 35 && (number == 260 || number == 281 || number == 285));
    switch (element)
    {
        case 43: return element43 (z, number);
        case 35: return element35 (z, number);
        case 37: case 7: case 70: case 441: return firstListEntry (d, z, number);
        case 39: case 41: case 111: return secondListEntry (d, z, full, number);
        case 470: return element470 (z, number);
        default: return {};
    }
}
}
