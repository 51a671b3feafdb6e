#include "model/ParDes.h"
#include "model/ObjectType.h"

#include <gtest/gtest.h>

namespace
{
struct Case
{
    int code;
    int value;
    const char* text;
};

std::string fakeName (int type, int id)
{
    return (type == typeProgram ? "Program " : type == typeArp ? "Arp " : "Object ") + std::to_string (id);
}

void check (const std::vector<Case>& cases)
{
    for (const auto& c : cases)
        EXPECT_EQ (pardes::formatValue (c.value, c.code, fakeName), c.text) << "code " << c.code << " value " << c.value;
}
}

TEST (FormatValue, PlainAndSpecialCodes)
{
    check ({ { 0, -5, "-5" }, { 99, 12, "12" }, { 400, 0, "NONE" }, { 400, 2, "MULTI" }, { 400, 7, "7" }, { 450, 3, "3" },
             { 744, 5, "Bank 6" }, { 777, 60, "C4" }, { 777, 0, "C-1" }, { 777, 61, "C#4" }, { 777, 127, "G9" },
             { 778, 0, "OFF" }, { 778, -3, "ON" }, { 779, -1, "OFF" }, { 779, 0, "0" }, { 780, -12, "-12 ST" },
             { 781, 50, "50 ct" }, { 782, 100, "100%" }, { 783, -1, "NONE" }, { 783, 7, "7" }, { 784, -6, "-6 dB" },
             { 650, 1, "" }, { 700, 0, "" }, { 1999, 3, "" } });
}

TEST (FormatValue, HundredFamily)
{
    check ({ { 103, 5, "5 Key/s" }, { 104, 7200, "0 ct" }, { 104, 7250, "50 ct" }, { 105, 130, "Pitch Up" }, { 105, 20, "MIDI 20" },
             { 105, 200, "" }, { 105, -1, "NONE" }, { 106, 1, "+MIDI" }, { 107, 0, "< 0 >" }, { 107, 3, "R: 3" }, { 107, -3, "L: 3" },
             { 108, -96, "-96 dB" }, { 109, 2, "Velm 2" }, { 112, 64, "Sustain" }, { 127, 5, "" }, { 113, 5, "" }, { 125, 1, "" },
             { 120, 0, "Pre" }, { 120, 9, "Post" }, { 121, 1, "SEC." }, { 122, 0, "OFF" }, { 126, 1, "%" }, { 100, 42, "42" } });
}

TEST (FormatValue, TwoHundredFamily)
{
    check ({ { 200, 5, "5" }, { 202, 5, "" }, { 204, 7201, "1 ct" }, { 206, 1, "ON" }, { 207, 2, "2 ST" }, { 213, 7, "Volume" },
             { 215, 9, "9" }, { 245, 3, "3 dB" }, { 256, -4, "-4 ct" }, { 261, 0, "Pre" }, { 263, 1, "" }, { 264, 1, "1" } });
}

TEST (FormatValue, ThreeHundredFamily)
{
    check ({ { 300, 4, "4" }, { 301, 4, "4" }, { 303, 1, "MULTI" }, { 311, 0, "OFF" }, { 311, 5, "5 dB" }, { 313, 2, "RIGHT" },
             { 314, 0, "(L + R) / 2" }, { 317, 3, "" }, { 324, 4, "Channel 4" }, { 328, 6, "LOCAL" }, { 329, 9, "---" },
             { 332, 12, "Constant" }, { 336, 8, "Rvrs Crossfade" }, { 344, 0, "OFF" }, { 344, 3, "Arp 3" }, { 356, 16, "1/16" },
             { 357, 10, "Stop Wait" }, { 358, -1, "ALL" }, { 359, 120, "120 bpm" }, { 363, 64, "E4" }, { 375, 2, "PRE" },
             { 375, 3, "" }, { 376, 1, "None" }, { 376, 15, "15 Local + MIDI" }, { 376, 16, "16 MIDI" }, { 376, 34, "Any MIDI" },
             { 377, 3, "Expand" }, { 380, -2, "BPM" }, { 380, 5, "SEQUENCE" }, { 381, 0, "OFF" }, { 381, -1, "OFF" },
             { 381, 114, "LFO1" }, { 381, 20, "MIDI 20" }, { 381, 200, "" }, { 381, 255, "Soft Pd+ MW" }, { 386, 2, "2" } });
}

TEST (FormatValue, FiveHundredFamily)
{
    check ({ { 500, 1, "ON" }, { 501, 9, "1NoteAutoHi" }, { 502, 8, "Simultaneous" }, { 504, 8, "1/8" }, { 505, -1, "Off" },
             { 505, 1, "Step Sequencer" }, { 507, 0, "Fixed" }, { 511, 7, "Human1" }, { 511, 14, "Chimp4" }, { 511, 23, "MissNotes9" },
             { 511, 5, "Fixed" }, { 513, 7, "16 Short" }, { 515, 19, "System" }, { 515, 120, "120 bpm" }, { 516, 5, ".05" },
             { 516, 25, ".25" }, { 518, -1, "NONE" }, { 518, 60, "C4" }, { 519, 1, "NONE" }, { 519, 2, "Any Beat" }, { 520, 3, "3" } });
}

TEST (FormatValue, ObjectReferences)
{
    check ({ { 2100, 0, "NONE" }, { 2100, 1, "1 Program 1" }, { 2101, 1, "Program 1" }, { 2102, 133, "133 Program 133" },
             { 2900, 1, "Edited Arp" }, { 2901, 1, "Arp 1" }, { 2800, 4, "4 Object 4" }, { 2202, 3, "3 " }, { 3000, 9, "9 " } });
    EXPECT_EQ (pardes::formatValue (5, 2100), "5 ");   // without banks the name is empty
}

TEST (ParameterNames, GlobalTable)
{
    EXPECT_EQ (pardes::parameterName (200), "Insert");
    EXPECT_EQ (pardes::parameterName (214), "214");
    EXPECT_EQ (pardes::parameterName (217), "Program No.");
    EXPECT_EQ (pardes::parameterName (410), "RFU Multi");
    EXPECT_EQ (pardes::parameterName (542), "EQ-Cmp Mode");
    EXPECT_EQ (pardes::parameterName (300), "Index 300");
}
