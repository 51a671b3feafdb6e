#include "model/BankStream.h"
#include "model/BankIndex.h"
#include "model/ObjectType.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{
Bytes payload (const std::string& name, size_t bodySize, uint8_t fill = 0x11)
{
    std::string padded = name;
    padded.resize (20, ' ');
    Bytes b (padded.begin(), padded.end());
    b.resize (20 + bodySize, fill);
    return b;
}

BankIndex indexOf (int type, int lastId, const std::map<int, Bytes>& objects, int maxId)
{
    BankIndex index;
    index.build (type, BankWriter::makeBank (type, lastId, objects), maxId);
    return index;
}
}

TEST (BankIndex, TheLastIndexedIdNeverHoldsAnObject)
{
    const auto programs = indexOf (typeProgram, 8192, { { 8191, payload ("Last", 40) }, { 8192, payload ("Beyond", 40) } }, 8191);
    EXPECT_TRUE (programs.exists (8191));
    EXPECT_FALSE (programs.exists (8192));

    const auto chains = indexOf (typeFxChain, 8192, { { 8192, payload ("Beyond", 40) } }, 8192);
    EXPECT_FALSE (chains.exists (8192));
    EXPECT_FALSE (chains.exists (9000));
    EXPECT_FALSE (chains.exists (-3));
}

TEST (BankIndex, RecordLengthsAndWhatCountsAsAnObject)
{
    const auto bank = indexOf (typeProgram, 6, { { 2, payload ("Name only", 0) }, { 3, payload ("Short", 2) },
                                                  { 4, payload ("Full", 100) }, { 5, Bytes (7, 0x41) } }, 8191);
    struct Case { int id; int length; bool exists; size_t recordSize; std::string name; };
    const Case cases[] = {
        { 1, 0, false, 0, "" },              // empty inner pair
        { 2, 20, false, 0, "" },             // a name alone
        { 3, 22, true, 0, "" },              // 21..23 bytes: exists, but no record and no name
        { 4, 120, true, 120, "Full                " },
        { 5, 7, false, 0, "" },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (bank.recordLength (c.id), c.length) << c.id;
        EXPECT_EQ (bank.exists (c.id), c.exists) << c.id;
        EXPECT_EQ (bank.getRecord (c.id).size(), c.recordSize) << c.id;
        EXPECT_EQ (bank.getName (c.id), c.name) << c.id;
        EXPECT_EQ (bank.recordOffset (c.id) >= 0, c.exists) << c.id;
    }
}

TEST (BankIndex, NamesDropNulAndHighBytesButKeepTrailingSpaces)
{
    auto odd = payload ("Dyn 9ft Grand", 40);
    auto dirty = payload ("AB", 40);
    dirty[2] = 0;
    dirty[3] = 0x80;
    dirty[4] = 0xFF;
    dirty[5] = 'C';
    const auto bank = indexOf (typeArp, 3, { { 1, odd }, { 2, dirty } }, 8191);
    EXPECT_EQ (bank.getName (1), "Dyn 9ft Grand       ");
    EXPECT_EQ (bank.getName (2), "ABC              ");
}

TEST (BankIndex, ReplaceRecordShiftsLaterRecordsOnly)
{
    std::map<int, Bytes> objects;
    for (int id = 1; id <= 30; ++id)
        objects[id] = payload ("Obj " + std::to_string (id), (size_t) (30 + id), (uint8_t) id);
    auto bank = indexOf (typeProgram, 40, objects, 8191);

    const auto bigger = payload ("Bigger", 500, 0x77);
    bank.replaceRecord (10, bigger);
    EXPECT_EQ (bank.getRecord (10), bigger);
    for (int id = 1; id <= 30; ++id)
        if (id != 10)
            ASSERT_EQ (bank.getRecord (id), objects[id]) << id;

    // Written out and read again, every record still reads the same.
    BankIndex reread;
    reread.build (typeProgram, bank.getStream(), 8191);
    EXPECT_EQ (reread.getRecord (10), bigger);
    EXPECT_EQ (reread.getRecord (11), objects[11]);
    EXPECT_EQ (reread.getRecord (30), objects[30]);

    // An empty record is filled between its inner tags, which stay.
    reread.replaceRecord (35, payload ("Filled", 50));
    EXPECT_TRUE (reread.exists (35));
    const auto& stream = reread.getStream();
    EXPECT_EQ (std::string (stream.end() - 10, stream.end()), "<Prog*Bank");
}

TEST (BankIndex, ReplaceOnAMissingOpenerChangesNothing)
{
    auto stream = BankWriter::makeBank (typeArp, 5, { { 2, payload ("Two", 80) } });
    const std::string opener = "Arp *Dat*>0004";
    const auto at = std::search (stream.begin(), stream.end(), opener.begin(), opener.end());
    ASSERT_NE (at, stream.end());
    *(at + 10) = 'X';   // record 4 can no longer be found

    BankIndex bank;
    bank.build (typeArp, stream, 8191);
    const auto before = bank.getStream();
    bank.replaceRecord (4, payload ("New", 80));
    EXPECT_EQ (bank.getStream(), before);
    EXPECT_FALSE (bank.hasRecord (4));
    EXPECT_FALSE (bank.exists (3));   // its length cannot be taken either
}

TEST (BankIndex, ByteAndWordAccess)
{
    auto p = payload ("Bytes", 60);
    p[30] = 0xF0;
    p[31] = 7;
    p[61] = 1;
    p[71] = 12;
    const auto bank = indexOf (typeProgram, 3, { { 1, p } }, 8191);
    EXPECT_EQ (bank.getByte (1, 30), -16);
    EXPECT_EQ (bank.getWord (1, 30), 0xF007);
    EXPECT_EQ (bank.getCategory (1), -16);
    EXPECT_EQ (bank.getSubCategory (1), 7);
    EXPECT_EQ (bank.getByte (2, 0), 0);        // an empty record: closer than 50 bytes to the next
    EXPECT_EQ (bank.getWord (1, 100000), 0);
    EXPECT_TRUE (bank.getBytes (1, 100000, 10).empty());
    EXPECT_EQ (bank.getBytes (1, 0, 5), Bytes ({ 'B', 'y', 't', 'e', 's' }));

    const auto arps = indexOf (typeArp, 3, { { 1, p } }, 8191);
    EXPECT_EQ (arps.getArpKindText (1), "STEP. SEQ: 12");
    EXPECT_EQ (arps.getArpKindText (2), "");
}

TEST (BankIndex, ListModes)
{
    std::map<int, Bytes> objects { { 1, payload ("A", 40, 0) }, { 3, payload ("B", 40, 0) }, { 4096, payload ("C", 40, 0) }, { 8191, payload ("D", 40, 0) } };
    objects[3][30] = 5;
    const auto bank = indexOf (typeProgram, 8192, objects, 8191);

    EXPECT_EQ (bank.listIds (BankIndex::LIST_HALF, 0), (std::vector<int> { 1, 3 }));
    EXPECT_EQ (bank.listIds (BankIndex::LIST_HALF, 1), (std::vector<int> { 4096, 8191 }));
    EXPECT_EQ (bank.listIds (BankIndex::LIST_HALF, 100).size(), 8192u - 4096u + 1u);
    EXPECT_EQ (bank.listIds (BankIndex::LIST_EXISTING, 0), (std::vector<int> { 1, 3, 4096, 8191 }));
    EXPECT_EQ (bank.listIds (BankIndex::LIST_ALL, 0).size(), 8192u);
    EXPECT_EQ (bank.listIds (BankIndex::LIST_CATEGORY, 5), std::vector<int> { 3 });
    const auto zeros = bank.listIds (BankIndex::LIST_CATEGORY, 0);
    EXPECT_EQ (zeros.front(), 0);          // ID 0 and empty slots read category 0
    EXPECT_EQ (zeros.size(), 8192u - 1u);
    EXPECT_TRUE (bank.listIds (3, 0).empty());
}

TEST (BankIndex, FxPresetsAreNeverIndexed)
{
    BankIndex bank;
    bank.build (typeFxPreset, BankWriter::makeBank (typeFxPreset, 3, { { 1, payload ("Preset", 40) } }), 2559);
    EXPECT_FALSE (bank.exists (1));
    EXPECT_TRUE (bank.getStream().empty());
}

TEST (Names, CategoryTexts)
{
    EXPECT_EQ (categoryName (0), "-----------");
    EXPECT_EQ (categoryName (8), "BRASS / WIND");
    EXPECT_EQ (categoryName (14), "FM");
    EXPECT_EQ (categoryName (15), "15");
    EXPECT_EQ (subCategoryName (4, 4), "Pipe");
    EXPECT_EQ (subCategoryName (9, 1), "Mellotron");
    EXPECT_EQ (subCategoryName (6, 1), "");
    EXPECT_EQ (fxCategoryName (0), "------");
    EXPECT_EQ (fxCategoryName (17), "EQ");
    EXPECT_EQ (fxCategoryName (19), "");
    EXPECT_EQ (fxCategoryName (21), "21");
    EXPECT_EQ (objectTypeName (typeMulti), "Multi");
    EXPECT_EQ (objectTypeName (typeArp), "");
    EXPECT_EQ (objectTypeName (999), "");
}

namespace
{
/** The index's rule written the slow way: each ID's opener is its first
    occurrence after the previous one's payload start (nameSkip bytes on). */
std::vector<int> referenceOpenerPositions (const Bytes& stream, const std::string& tag, int lastId, size_t nameSkip)
{
    std::vector<int> positions (1, -1);
    size_t scan = 0;
    for (int id = 1; id <= lastId; ++id)
    {
        char digits[8];
        std::snprintf (digits, sizeof (digits), "%04d", id);
        const std::string opener = tag + ">" + digits;
        const auto at = std::search (stream.begin() + (long) scan, stream.end(), opener.begin(), opener.end());
        if (at == stream.end())
        {
            positions.push_back (-1);
            continue;
        }
        positions.push_back ((int) (at - stream.begin()));
        scan = (size_t) (at - stream.begin()) + nameSkip;
    }
    return positions;
}
}

TEST (BankIndex, FindsEveryOpenerAsAPlainForwardSearchWouldInHostileStreams)
{
    // Streams cut together from the bank's own tags, stray openers and noise:
    // where empty records stand, the index's shortcut must agree with the plain search.
    // A record whose whole payload is the next ID's opener: that copy comes first.
    const std::string fake = "Arp *Bank>Arp *Dat*>0001Arp *Dat*>0002Arp *Dat*>0002<Arp *Dat*0002<Arp *Bank";
    BankIndex arps;
    arps.build (typeArp, Bytes (fake.begin(), fake.end()), 1);
    EXPECT_EQ (arps.openerPosition (2), 24);

    std::mt19937 random (7);
    for (const int type : { typeArp, typeProgram })
    {
        const auto* info = objectTypeInfo (type);
        const std::string tag = std::string (info->bankTag) + info->recordWord;
        const auto good = BankWriter::makeBank (type, 40, { { 3, payload ("Three", 30) }, { 9, payload ("Nine", 50) } });
        for (int round = 0; round < 200; ++round)
        {
            Bytes stream = good;
            for (int cut = 0; cut < 4; ++cut)
            {
                const auto at = stream.begin() + (long) (random() % stream.size());
                char digits[8];
                std::snprintf (digits, sizeof (digits), "%04d", (int) (random() % 40) + 1);
                const std::string pieces[] = { tag + ">" + digits, "<" + tag + digits, "Prog_Dat*><Prog_Dat*", std::string (random() % 20, 'x') };
                const auto& piece = pieces[random() % 4];
                if (random() % 3 == 0)
                    stream.erase (at, at + (long) std::min<size_t> (piece.size(), (size_t) (stream.end() - at)));
                else
                    stream.insert (at, piece.begin(), piece.end());
            }
            BankIndex index;
            index.build (type, stream, 39);
            const auto expected = referenceOpenerPositions (stream, tag, 40, info->innerTag != nullptr ? 24 : 14);
            for (int id = 1; id <= 40; ++id)
                ASSERT_EQ (index.openerPosition (id), expected[(size_t) id]) << "type " << type << " round " << round << " id " << id;
        }
    }
}
