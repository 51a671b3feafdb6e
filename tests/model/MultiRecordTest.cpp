#include "model/MultiRecord.h"

#include <gtest/gtest.h>

namespace
{
/** A zone block built the way the walk reads it. */
struct ZoneBuilder
{
    Bytes zone = Bytes (35, 0);

    void list (const std::vector<bool>& empties, int fullSize, int emptySize)
    {
        const int count = (int) empties.size();
        zone.insert (zone.end(), { 0, 0, 0, 0, 0, 0, 0, 0 });
        const size_t first = zone.size();
        for (size_t e = 0; e < empties.size(); ++e)
        {
            const size_t start = zone.size();
            zone.resize (start + (size_t) (empties[e] ? emptySize : fullSize), 0);
            if (e > 0 && empties[e - 1])
                zone[start] = 0xFF;   // the byte after an empty entry marks it
        }
        if (count > 0)
            zone[first] = (uint8_t) count;
        zone[first - 1] = (uint8_t) (count >> 8);
    }

    void typedEntries (int type)
    {
        static const int sizes[] = { 4, 6, 15, 33, 3 };
        for (int i = 0; i < 8; ++i)
        {
            zone.insert (zone.end(), { 0, 0, 0, 0, 0, 0, (uint8_t) type });
            zone.resize (zone.size() + (size_t) sizes[type] - 1, 0);
        }
        zone.resize (zone.size() + 4, 0);
    }
};
}

TEST (MultiRecord, ControllerListEntriesTakeTheirSizes)
{
    ZoneBuilder b;
    b.list ({ false, true, false }, 53, 3);
    const long second = (long) b.zone.size();
    b.list ({ true, false }, 157, 4);
    const long typed = (long) b.zone.size();
    b.typedEntries (3);
    const long text = (long) b.zone.size();
    b.zone.resize (b.zone.size() + 200, 0);

    const auto layout = multi::walkZone (b.zone, 0);
    EXPECT_EQ (layout.list1Count, 3);
    EXPECT_EQ (layout.list1First, 35 + 8);
    EXPECT_EQ (layout.list2, second);
    EXPECT_EQ (second, 35 + 8 + 53 + 3 + 53);
    EXPECT_EQ (layout.list2Count, 2);
    EXPECT_EQ (typed, second + 8 + 4 + 157);
    EXPECT_EQ (layout.text, text);
    EXPECT_EQ (text, typed + 8 * (6 + 33) + 4);
}

TEST (MultiRecord, TextBlockInBothForms)
{
    // Length-prefixed: fields at 52 and after, ending 8 bytes before the last one ends.
    Bytes prefixed (300, 0);
    prefixed[42] = 1;
    prefixed[52] = 10;        // p = 52 + 6 + 10 = 68
    prefixed[68] = 4;         // p = 78
    prefixed[78] = 2;         // p = 84, then + 6 = 90
    prefixed[90] = 20;        // p = 114, end = 106
    ZoneBuilder b;
    b.list ({}, 53, 3);
    b.list ({}, 157, 4);
    b.typedEntries (0);
    const long text = (long) b.zone.size();
    bytes::append (b.zone, prefixed);
    auto layout = multi::walkZone (b.zone, 0);
    EXPECT_EQ (layout.block44 - layout.text, 106);
    EXPECT_EQ (layout.text, text);

    // Flagged texts: from 49, a flag, 3 bytes, the length when flagged, 3 between.
    Bytes flagged (300, 0);
    flagged[49] = 1;
    flagged[51] = 0;
    flagged[52] = 5;          // p = 52 + 5 = 57, then + 3 = 60
    flagged[60] = 0;          // p = 63, + 3 = 66
    flagged[66] = 1;
    flagged[69] = 2;          // p = 69 + 2 = 71, + 3 = 74
    flagged[74] = -1 & 0xFF;  // a negative flag: p = 77
    b.zone.resize ((size_t) text);
    bytes::append (b.zone, flagged);
    layout = multi::walkZone (b.zone, 0);
    EXPECT_EQ (layout.block44 - layout.text, 77);
}

TEST (MultiRecord, CommonPlaces)
{
    struct Case { int element, number; bool full; long position; int width; bool readOnly; };
    const Case cases[] = {
        { 3, 22, true, 46, 8, false },
        { 272, 0, true, 294, 16, false },
        { 272, 0, false, 212, 16, false },
        { 15, 3162, true, 294, 16, false },
        { 17, 2, true, 106, 16, false },        // 3302
        { 23, 15, false, 146, 16, false },      // 3415
        { 19, 4, true, 207, 8, true },          // 3104, read only
        { 25, 0, true, 231, 8, true },
        { 311, 0, true, 313, 8, false },
        { 46, 3175, false, 225, 8, false },
        { 15, 3166, true, -1, 8, false },       // no such number
    };
    for (const auto& c : cases)
    {
        const auto place = multi::commonPlace (c.full, c.element, c.number, false);
        EXPECT_EQ (place.position, c.position) << c.element << "/" << c.number;
        if (c.position >= 0)
        {
            EXPECT_EQ (place.width, c.width) << c.element << "/" << c.number;
            EXPECT_EQ (place.readOnly, c.readOnly) << c.element << "/" << c.number;
        }
    }
    // Elements 19 and 25 write with the number as given.
    EXPECT_EQ (multi::commonPlace (true, 19, 3162, true).position, 294);
    EXPECT_EQ (multi::commonPlace (true, 19, 4, true).position, -1);
}

TEST (MultiRecord, WritingStoresOneByteExceptTheWideFields)
{
    Bytes data (40, 0);
    multi::writePlace (data, { 10, 16, true }, 0x1234, false);
    EXPECT_EQ (data[10], 0x34);
    EXPECT_EQ (data[11], 0);
    multi::writePlace (data, { 20, 32, true }, -2, true);
    EXPECT_EQ (multi::readPlace (data, { 20, 32, true }), -2);
    multi::writePlace (data, { 30, 8, true, true }, 9, true);
    EXPECT_EQ (data[30], 0);
    multi::writePlace (data, { 39, 16, true }, 0x0102, true);   // would cross the end: dropped
    EXPECT_EQ (data[39], 0);
}
