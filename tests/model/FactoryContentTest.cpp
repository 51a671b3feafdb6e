#include "support/FactoryFiles.h"
#include "model/FxChainRecord.h"
#include "model/MultiRecord.h"
#include "model/ProgramRecord.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
struct BankShape
{
    int type;
    int records;
    int objects;
    int minPayload, maxPayload;
    int firstId, lastId;
};

const BankShape shapes[] = {
    { typeProgram, 8192, 1141, 1281, 11621, 1, 2047 },
    { typeMulti, 8192, 54, 6810, 18129, 1, 2047 },
    { typeFxChain, 8192, 2719, 408, 1241, 1, 4085 },
    { typeKeymap, 8192, 920, 52, 4656, 1, 3651 },
    { typeIntonation, 132, 18, 44, 44, 1, 18 },
    { typeShiftPattern, 8192, 116, 28, 76, 1, 200 },
    { typeVelocityPattern, 8192, 95, 28, 76, 1, 210 },
    { typeArp, 8192, 136, 96, 288, 1, 149 },
};

class FactoryContent : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const auto& shape : shapes)
            banks[shape.type] = factoryIndex (shape.type);
    }

    static const BankIndex& bank (int type) { return banks.at (type); }
    static inline std::map<int, BankIndex> banks;
};
}

TEST_F (FactoryContent, EveryBankHasItsShape)
{
    for (const auto& shape : shapes)
    {
        const auto& b = bank (shape.type);
        const auto ids = b.listIds (BankIndex::LIST_EXISTING, 0);
        const char* name = objectTypeInfo (shape.type)->cliName;

        int records = 0;
        for (int id = 1; id <= b.getSlotCount(); ++id)
            records += b.hasRecord (id) ? 1 : 0;
        EXPECT_EQ (records, std::min (shape.records, b.getSlotCount())) << name;   // IDs past maxId + 1 are not indexed
        EXPECT_EQ ((int) ids.size(), shape.objects) << name;
        EXPECT_EQ (ids.front(), shape.firstId) << name;
        EXPECT_EQ (ids.back(), shape.lastId) << name;
        EXPECT_TRUE (b.listIds (BankIndex::LIST_HALF, 1).empty()) << name;

        std::set<std::string> names;
        for (const int id : ids)
        {
            const int length = b.recordLength (id);
            EXPECT_GE (length, shape.minPayload) << name << " " << id;
            EXPECT_LE (length, shape.maxPayload) << name << " " << id;
            const auto objectName = b.getName (id);
            EXPECT_EQ (objectName.size(), 20u) << name << " " << id;   // printable, space padded
            EXPECT_NE (objectName.find_first_not_of (' '), std::string::npos);
            names.insert (objectName);
        }
        EXPECT_EQ (names.size(), ids.size()) << name << ": names repeat";

        const auto& stream = b.getStream();
        EXPECT_EQ (std::string (stream.end() - 10, stream.end()), "<" + std::string (objectTypeInfo (shape.type)->bankTag) + "Bank");
    }
}

TEST_F (FactoryContent, TheProgramsTheRestOfTheProgramReliesOn)
{
    const auto& programs = bank (typeProgram);
    EXPECT_EQ (programs.getName (1), "Dyn 9ft Grand       ");
    EXPECT_NE (bytes::u8 (programs.getRecord (1), program::KIND), program::ORGAN_KIND);
    EXPECT_EQ (bytes::u8 (programs.getRecord (119), program::KIND), program::ORGAN_KIND);
    for (int id = 1137; id <= 2042; ++id)
        ASSERT_FALSE (programs.exists (id)) << id;

    std::size_t total = programs.getStream().size();
    EXPECT_GT (total, 4000000u);
    EXPECT_LT (total, 4700000u);
}

TEST_F (FactoryContent, ProgramsDecodeAndPointAtObjectsThatExist)
{
    const auto& programs = bank (typeProgram);
    const auto& keymaps = bank (typeKeymap);
    const auto& chains = bank (typeFxChain);
    std::set<std::pair<int, int>> subCategories;
    std::set<int> layerCounts;
    int organs = 0, maxNames = 0;

    for (const int id : programs.listIds (BankIndex::LIST_EXISTING, 0))
    {
        const auto record = programs.getRecord (id);
        const int layers = record[program::LAYER_COUNT];
        ASSERT_GE (layers, 1) << id;
        ASSERT_LE (layers, 32) << id;
        layerCounts.insert (layers);
        subCategories.insert ({ record[30], record[31] });
        EXPECT_EQ (std::string (record.begin() + 20, record.begin() + 23), "ZK5");
        EXPECT_EQ (std::string (record.begin() + 141, record.begin() + 157), "ProgramRFU012567");

        for (int l = 0; l < layers; ++l)
        {
            const long block = program::layerOffset (l);
            ASSERT_EQ (record[(size_t) block], 0x09) << id << " layer " << l;
            EXPECT_TRUE (keymaps.exists (bytes::u16 (record, block + program::layer::KEYMAP1))) << id;
            if (record[(size_t) block + program::layer::FLAGS] & 0x20)
                EXPECT_TRUE (keymaps.exists (bytes::u16 (record, block + program::layer::KEYMAP2))) << id;
        }
        for (const auto field : { program::Field::insertChain, program::Field::aux1Chain, program::Field::aux2Chain })
            EXPECT_TRUE (chains.exists (program::getField (record, field))) << id;

        // The two lists end inside the record, before a tail.
        const auto names = program::controllerNames (record);
        ASSERT_FALSE (names.empty()) << id;
        EXPECT_LE (names.size(), 31u);
        EXPECT_EQ (names.back().number, program::DESCRIPTION_NUMBER) << id;
        maxNames = std::max (maxNames, (int) names.size());
        EXPECT_LE (program::assignmentListOffset (record) + program::assignmentListSize (record) + 444, (int) record.size()) << id;

        if (record[program::KIND] == program::ORGAN_KIND)
        {
            ++organs;
            EXPECT_EQ (record[30], 4) << id;
            const auto assigned = program::assignments (record);
            for (const int drawbar : { 12, 13, 22, 23, 24, 25, 26, 27, 28 })
                EXPECT_EQ (std::count_if (assigned.begin(), assigned.end(), [drawbar] (auto& a) { return a.controller == drawbar; }), 1) << id;
            const int last = assigned.back().controller;
            EXPECT_TRUE (last != 12 && last != 13 && (last < 22 || last > 28)) << id;
        }
    }

    EXPECT_GT (organs, 20);
    EXPECT_EQ (maxNames, 31);
    EXPECT_TRUE (layerCounts.count (1) && layerCounts.count (20) && layerCounts.count (32));
    for (int category = 1; category <= 14; ++category)
    {
        EXPECT_TRUE (subCategories.count ({ category, 0 }) || subCategories.count ({ category, 1 })) << category;
        for (int sub = 1; ! subCategoryName (category, sub).empty(); ++sub)
            EXPECT_TRUE (subCategories.count ({ category, sub })) << category << "/" << sub;
    }
}

TEST_F (FactoryContent, FxChainsDecodeAndFillTheCategories)
{
    const auto& chains = bank (typeFxChain);
    const auto booth = chains.getRecord (1);
    EXPECT_EQ (chains.getName (1), "Little Booth        ");
    const auto decoded = fxchain::decode (booth);
    EXPECT_EQ (decoded.chainStart, 30);
    ASSERT_EQ (decoded.units.size(), 1u);
    EXPECT_EQ (decoded.controlListPosition + fxchain::controlListSize (booth, decoded.controlListPosition), (int) booth.size());

    std::set<int> categories;
    for (const int id : chains.listIds (BankIndex::LIST_EXISTING, 0))
    {
        const auto record = chains.getRecord (id);
        const auto d = fxchain::decode (record);
        ASSERT_EQ (d.chainStart, 26 + 4 * (int) d.units.size()) << id;
        EXPECT_EQ (d.controlListPosition + fxchain::controlListSize (record, d.controlListPosition), (int) record.size()) << id;
        for (const auto& unit : d.units)
            for (const int c : fxchain::categoriesOfCode (fxchain::effectCode (unit.type)))
                categories.insert (c);
    }
    for (int c = 1; c <= FX_CATEGORY_COUNT; ++c)
        if (fxCategoryName (c) != "Echo" && fxCategoryName (c) != "Drums")
            EXPECT_TRUE (categories.count (c)) << fxCategoryName (c);
}

TEST_F (FactoryContent, MultisWalkIntoFourZonesAndTheirTail)
{
    const auto& multis = bank (typeMulti);
    for (const int id : multis.listIds (BankIndex::LIST_EXISTING, 0))
    {
        const auto record = multis.getRecord (id);
        ASSERT_EQ (record[multi::ZONE_COUNT], 4) << id;
        EXPECT_EQ (record[23], 0x03);
        EXPECT_EQ (record[24], 0x0E);
        long s = multi::COMMON_SIZE;
        for (int z = 0; z < 4; ++z)
        {
            const auto layout = multi::walkZone (record, s);
            EXPECT_LT (layout.text, layout.block44) << id;
            EXPECT_GT (layout.list1Count, 0) << id;
            s = layout.end;
        }
        EXPECT_EQ ((long) record.size() - s, 2676) << id;
    }
}

TEST_F (FactoryContent, ArpsOfBothKindsAndSmallObjects)
{
    const auto& arps = bank (typeArp);
    EXPECT_EQ (arps.getName (1), "Default Arp         ");
    int classic = 0, steps = 0;
    for (const int id : arps.listIds (BankIndex::LIST_EXISTING, 0))
    {
        const auto kind = arps.getArpKindText (id);
        classic += kind == "CLASSIC" ? 1 : 0;
        steps += kind.rfind ("STEP. SEQ: ", 0) == 0 ? 1 : 0;
    }
    EXPECT_GT (classic, 0);
    EXPECT_GT (steps, 0);
    EXPECT_EQ (classic + steps, 136);
    EXPECT_EQ (bank (typeIntonation).getName (1), "Equal               ");
}
