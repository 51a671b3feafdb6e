// Banks and records from disk are untrusted. Every reader must give absent
// records, 0 or empty texts for bad data, and never read outside it: these
// tests run under AddressSanitizer in the sanitizer build.

#include "support/FactoryFiles.h"
#include "comms/MidiProtocol.h"
#include "model/BankStream.h"
#include "model/FxChainRecord.h"
#include "model/MultiRecord.h"
#include "model/ProgramRecord.h"

#include <gtest/gtest.h>
#include <random>

namespace
{
/** Asks a bank every question the program asks of it. */
size_t exercise (const BankIndex& bank)
{
    size_t touched = 0;
    for (int id = -1; id <= bank.getSlotCount() + 1; ++id)
    {
        if (! bank.hasRecord (id) && ! bank.hasRecord (id + 1))
            continue;
        const auto record = bank.getRecord (id);
        touched += bank.getName (id).size() + record.size();
        touched += (size_t) (bank.getByte (id, 30) + bank.getWord (id, 157) + bank.getCategory (id)) & 1;
        touched += bank.getBytes (id, 0, 20).size() + bank.getArpKindText (id).size() + bank.getCategoryName (id).size();

        switch (bank.getTypeCode())
        {
            case typeProgram:
                touched += program::controllerNames (record).size() + program::assignments (record).size();
                touched += (size_t) program::getField (record, program::Field::aux2Chain) & 1;
                break;
            case typeMulti:
            {
                long s = multi::COMMON_SIZE;
                for (int z = 0; z < std::min (bytes::u8 (record, multi::ZONE_COUNT), 16) && s < (long) record.size(); ++z)
                {
                    const auto zone = bytes::slice (record, s, std::max<long> (0, multi::walkZone (record, s).end - s));
                    const auto layout = multi::walkZone (zone, 0);
                    for (const int element : { 43, 35, 37, 39, 470 })
                        for (const int number : { 2, 11, 93, 95, 260, 276, 290, 15, 107, 219, 17 })
                        {
                            bool whole = false;
                            const auto place = multi::zonePlace (zone, layout, z % 2 == 0, element, number, whole);
                            touched += (size_t) multi::readPlace (zone, place) & 1;
                        }
                    s = std::max (s + 1, layout.end + s);
                }
                break;
            }
            case typeFxChain:
            {
                const auto decoded = fxchain::decode (record);
                touched += decoded.units.size() + (size_t) fxchain::controlListSize (record, decoded.controlListPosition);
                break;
            }
            default:
                break;
        }
    }
    for (const int mode : { 0, 1, 2, 4 })
        touched += bank.listIds (mode, mode == 1 ? 100 : 0).size();
    return touched;
}

BankIndex build (int type, const Bytes& stream)
{
    BankIndex bank;
    bank.build (type, stream, objectTypeInfo (type)->maxId);
    return bank;
}
}

TEST (HostileBanks, NamedFixtures)
{
    const auto good = BankWriter::makeBank (typeArp, 4, { { 1, Bytes (60, 'a') }, { 2, Bytes (60, 'b') }, { 3, Bytes (60, 'c') } });

    // Truncated in the middle of record 2: records from 2 on are absent.
    const auto truncated = build (typeArp, Bytes (good.begin(), good.begin() + 10 + 14 + 60 + 14 + 14 + 30));
    EXPECT_EQ (truncated.recordLength (1), 60);
    EXPECT_FALSE (truncated.exists (2));
    exercise (truncated);

    // Records out of order: the index finds what stands in ascending order.
    const auto outOfOrder = build (typeArp, Bytes (good.rbegin(), good.rend()));
    EXPECT_TRUE (outOfOrder.listIds (BankIndex::LIST_EXISTING, 0).empty());

    // No closers at all, an opener as the very last bytes, random bytes.
    std::string lonely = "Arp *Bank>Arp *Dat*>0001" + std::string (40, 'x') + "Arp *Dat*>0002";
    const auto atEnd = build (typeArp, Bytes (lonely.begin(), lonely.end()));
    EXPECT_EQ (atEnd.recordLength (1), 40 + 14 - 28);   // without closers the length is off, but inside the data
    EXPECT_FALSE (atEnd.exists (2));
    exercise (atEnd);

    std::mt19937 random (11);
    Bytes noise (5000);
    for (auto& b : noise)
        b = (uint8_t) random();
    for (const int type : { typeProgram, typeMulti, typeFxChain, typeArp })
        EXPECT_TRUE (build (type, noise).listIds (BankIndex::LIST_EXISTING, 0).empty());

    EXPECT_TRUE (build (typeProgram, {}).listIds (BankIndex::LIST_EXISTING, 0).empty());
}

TEST (HostileBanks, RecordsWhoseCountsPointPastThem)
{
    // A program claiming 32 layers and 255 controller names in a 300-byte payload.
    Bytes program (300, 0x7F);
    program[program::LAYER_COUNT] = 32;
    auto bank = build (typeProgram, BankWriter::makeBank (typeProgram, 2, { { 1, program } }));
    exercise (bank);
    EXPECT_TRUE (program::controllerNames (bank.getRecord (1)).empty());

    // A multi whose zone lists claim two billion entries.
    Bytes multiRecord (1200, 0);
    multiRecord[multi::ZONE_COUNT] = 16;
    for (long p = multi::COMMON_SIZE + 35 + 5; p <= multi::COMMON_SIZE + 35 + 8; ++p)
        multiRecord[(size_t) p] = 0x7F;
    const auto layout = multi::walkZone (multiRecord, multi::COMMON_SIZE);
    EXPECT_GT (layout.list1Count, 1000000);
    exercise (build (typeMulti, BankWriter::makeBank (typeMulti, 2, { { 1, multiRecord } })));

    // An FX chain with 127 units of 65535 parameters each.
    Bytes chain (500, 0);
    chain[28] = 0;
    chain[29] = 0;
    chain[30] = 0x14;
    chain[30 + 349] = 127;
    chain[30 + 350 + 6] = 0xFF;
    chain[30 + 350 + 7] = 0xFF;
    const auto decoded = fxchain::decode (chain);
    EXPECT_EQ (decoded.chainStart, 30);
    EXPECT_EQ (decoded.units.size(), 1u);
}

TEST (HostileBanks, SeededMutationsOfTheFactoryBanks)
{
    std::mt19937 random (20261210);
    for (const int type : { typeProgram, typeMulti, typeFxChain, typeKeymap, typeArp, typeIntonation })
    {
        const auto original = factoryBankFile (type);
        ASSERT_FALSE (original.empty());
        for (int round = 0; round < 6; ++round)
        {
            Bytes mutated = original;
            // Flip bytes, cut the tail, and splice a random chunk out.
            for (int i = 0; i < 200; ++i)
                mutated[random() % mutated.size()] = (uint8_t) random();
            if (round % 2 == 1)
                mutated.resize (random() % mutated.size());
            if (round % 3 == 2 && mutated.size() > 1000)
            {
                const size_t from = random() % (mutated.size() - 1000);
                mutated.erase (mutated.begin() + (long) from, mutated.begin() + (long) from + (long) (random() % 1000));
            }
            const auto bank = build (type, mutated);
            EXPECT_GE (exercise (bank), 0u);
        }
    }
}

TEST (HostileMessages, UnpackingAnything)
{
    std::mt19937 random (3);
    for (int trial = 0; trial < 2000; ++trial)
    {
        Bytes junk (random() % 300);
        for (auto& b : junk)
            b = (uint8_t) random();
        const auto data = protocol::unpack (junk);
        EXPECT_LE (data.size(), junk.size());
    }
}
