#include "model/ProgramRecord.h"

#include <gtest/gtest.h>

namespace
{
/** A program of n layers with the given controller names and assignments. */
Bytes programWith (int layers, const std::vector<std::pair<int, std::string>>& names, const std::vector<std::array<int, 4>>& assigned)
{
    Bytes record (program::LAYERS_START, 0);
    record[program::LAYER_COUNT] = (uint8_t) layers;
    for (int l = 0; l < layers; ++l)
    {
        Bytes block (program::LAYER_SIZE, 0);
        block[0] = 0x09;
        bytes::append (record, block);
    }
    if (layers < program::MAX_LAYERS)
        record.push_back (0);

    record.insert (record.end(), { 1, 2, 0, (uint8_t) names.size() });
    for (const auto& [number, text] : names)
    {
        record.insert (record.end(), { 0, 0, 0, (uint8_t) number, 0xFF, 0xFF, 0, (uint8_t) (text.size() + 1) });
        bytes::append (record, text);
        record.push_back (0);
    }
    record.insert (record.end(), { 0, 3, 0, (uint8_t) assigned.size() });
    for (const auto& a : assigned)
        for (const int b : a)
            record.push_back ((uint8_t) b);
    record.resize (record.size() + 444, 0x55);
    return record;
}
}

TEST (ProgramRecord, ListPositionsFollowTheLayerCount)
{
    EXPECT_EQ (program::nameListOffset (programWith (32, {}, {})), 10425);
    EXPECT_EQ (program::nameListOffset (programWith (20, {}, {})), 6610);
    EXPECT_EQ (program::nameListOffset (programWith (1, {}, {})), 568);

    const auto record = programWith (3, { { 5, "Cutoff" }, { 128, "About this sound" } }, { { 1, 5, 64, 71 }, { 1, 6, -1, 1 } });
    const int a = program::nameListOffset (record);
    EXPECT_EQ (program::nameListSize (record), 4 + (8 + 7) + (8 + 17));
    EXPECT_EQ (program::assignmentListOffset (record), a + program::nameListSize (record));
    EXPECT_EQ (program::assignmentListSize (record), 12);

    const auto names = program::controllerNames (record);
    ASSERT_EQ (names.size(), 2u);
    EXPECT_EQ (names[0].number, 5);
    EXPECT_EQ (names[0].text, "Cutoff");
    EXPECT_EQ (names[0].value, -1);
    EXPECT_EQ (names[1].number, program::DESCRIPTION_NUMBER);

    const auto assigned = program::assignments (record);
    ASSERT_EQ (assigned.size(), 2u);
    EXPECT_EQ (assigned[1].value, -1);
    EXPECT_EQ (assigned[0].controller, 71);
}

TEST (ProgramRecord, FlagAndPartialFieldSetters)
{
    using F = program::Field;
    struct Case { F field; int offset; int before; int value; int after; };
    const Case cases[] = {
        { F::portamento, 61, 0x1D, 1, 0x1F },
        { F::monophonic, 61, 0x1F, 0, 0x1E },
        { F::legatoPlay, 61, 0x00, 1, 0x10 },
        { F::aux1Send, 111, 0x80, 100, 0xE4 },      // keeps bit 7
        { F::aux1PrePost, 111, 0x64, 1, 0xE4 },     // keeps bits 0..6
        { F::aux2Send, 112, 0xFF, 0, 0x80 },
        { F::insertOutput, 108, 0x06, 1, 0x07 },
        { F::aux2Type, 108, 0x07, 0, 0x03 },
    };
    for (const auto& c : cases)
    {
        Bytes record (300, 0);
        record[(size_t) c.offset] = (uint8_t) c.before;
        program::setField (record, c.field, c.value);
        EXPECT_EQ (record[(size_t) c.offset], c.after) << c.offset;
        EXPECT_EQ (program::getField (record, c.field), c.value);
    }
}

TEST (ProgramRecord, WholeFieldsAndTheirSigns)
{
    using F = program::Field;
    Bytes record (300, 0);
    program::setField (record, F::insertChain, 2719);
    program::setField (record, F::pitchBendDown, -12);
    program::setField (record, F::outGain, -6);
    EXPECT_EQ (record[109], 2719 / 256);
    EXPECT_EQ (record[110], 2719 % 256);
    EXPECT_EQ (program::getField (record, F::insertChain), 2719);
    EXPECT_EQ (program::getField (record, F::pitchBendDown), -12);
    EXPECT_EQ (program::getField (record, F::outGain), -6);

    // Outside a short block: reads give 0, writes are dropped.
    Bytes shortRecord (100, 0);
    program::setField (shortRecord, F::aux2Chain, 77);
    EXPECT_EQ (shortRecord, Bytes (100, 0));
    EXPECT_EQ (program::getField (shortRecord, F::kind), 0);
}

TEST (ProgramRecord, LayerNames)
{
    Bytes block (program::LAYER_SIZE, 0);
    auto named = [&block] (const std::string& name)
    {
        std::string padded = name;
        padded.resize (20, ' ');
        std::copy (padded.begin(), padded.end(), block.begin() + program::layer::NAME);
        return program::layer::ownName (block);
    };
    EXPECT_EQ (named ("LayerNameHere0123456"), "");
    EXPECT_EQ (named (""), "");
    EXPECT_EQ (named ("Hammer"), "Hammer              ");
}

TEST (ProgramRecord, ListsThatPointPastTheRecordStopAtItsEnd)
{
    auto record = programWith (2, { { 1, "A" } }, { { 1, 1, 1, 1 } });
    const int a = program::nameListOffset (record);
    record[(size_t) a + 3] = 250;                 // 250 names claimed
    record[(size_t) a + 4 + 7] = 200;             // the first one 200 bytes long
    EXPECT_LT (program::controllerNames (record).size(), 250u);
    EXPECT_LE (program::assignments (record).size() * 4, record.size());

    record[program::LAYER_COUNT] = 200;           // layers past the end
    EXPECT_EQ (program::layerCount (record), 32);
    EXPECT_TRUE (program::controllerNames (record).empty());
    EXPECT_TRUE (program::assignments (record).empty());
}
