#include "support/Fixtures.h"
#include "support/Mouse.h"
#include "arrange/ArrangementFiles.h"
#include "arrange/FileMan.h"

#include <random>

namespace
{
juce::MemoryBlock bytesOf (std::initializer_list<int> values)
{
    juce::MemoryBlock b;
    for (const int v : values)
        b.append (&v, 1);   // little-endian: the low byte
    return b;
}

juce::MemoryBlock singleBlock (const juce::String& name, int program)
{
    ArrangementRecord record;
    record.setName (name);
    record.setProgram (0, program);
    return arrfiles::singleBlock (record);
}

arrfiles::Library threeEntries()
{
    return { arrfiles::buildEntry ("Piano", singleBlock ("Piano", 1)), arrfiles::buildEntry ("Organ", singleBlock ("Organ", 119)),
             arrfiles::buildEntry ("Strings", singleBlock ("Strings", 300)) };
}
}

TEST (LibraryNumbers, TenBytesLittleEndianBase128)
{
    EXPECT_EQ (arrfiles::encodeLength (16384), bytesOf ({ 0, 0, 1, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ (arrfiles::decodeLength (arrfiles::encodeLength (16384), 0), 16384u);
    EXPECT_EQ (arrfiles::encodeLength (627), bytesOf ({ 0x73, 0x04, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ (arrfiles::decodeLength (bytesOf ({ 1, 2, 3 }), 0), 0u);              // fewer than ten bytes
    EXPECT_EQ (arrfiles::decodeLength (arrfiles::encodeLength (5), 1), 0u);         // runs past the end
    EXPECT_EQ (arrfiles::decodeLength (arrfiles::encodeLength (5), 400), 0u);       // starts past the end
}

TEST (LibraryNumbers, FindTagOnlyWhollyInsideAndBeforeTheLimit)
{
    juce::MemoryBlock data ("xxZK7PluginBank", 15);
    EXPECT_EQ (arrfiles::findTag ("ZK7PluginBank", data, 200), 2);
    EXPECT_EQ (arrfiles::findTag ("ZK7PluginBank", data, 2), -1);
    EXPECT_EQ (arrfiles::findTag ("ZK7PluginBank", juce::MemoryBlock ("xxZK7Plugin", 11), 200), -1);
}

TEST (ArrangementLibrary, ThreeEntriesLayout)
{
    const auto content = arrfiles::encodeLibrary (threeEntries());
    ASSERT_EQ (content.getSize(), 1921u);
    EXPECT_EQ (juce::MemoryBlock (content.getData(), 10), arrfiles::encodeLength (3));
    EXPECT_EQ (juce::MemoryBlock (static_cast<const char*> (content.getData()) + 10, 10), bytesOf ({ 0x73, 0x04, 0, 0, 0, 0, 0, 0, 0, 0 }));

    const auto entries = arrfiles::decodeLibrary (content);
    ASSERT_TRUE (entries.has_value());
    ASSERT_EQ (entries->size(), 3);
    EXPECT_EQ (arrfiles::entryName ((*entries)[1], "x"), "Organ");
    EXPECT_EQ (arrfiles::entryState ((*entries)[2]), singleBlock ("Strings", 300));
}

TEST (ArrangementLibrary, NamesDropControlAndHighBytesAndTrailingBlanks)
{
    struct Case { const char* stored; const char* shown; };
    for (const auto& c : { Case { "Piano", "Piano" }, Case { "Piano   ", "Piano" }, Case { "Pi\tano\x01", "Piano" },
                           Case { "Caf\xe9 Set", "Caf Set" }, Case { "", "" } })
    {
        auto entry = arrfiles::buildEntry ({}, singleBlock ("x", 1));
        entry.copyFrom (c.stored, 0, std::strlen (c.stored));
        EXPECT_EQ (arrfiles::entryName (entry, "fallback"), c.shown) << c.stored;
    }
    EXPECT_EQ (arrfiles::entryName (juce::MemoryBlock (299, true), "fallback"), "fallback");

    auto entry = arrfiles::buildEntry ("A long old name", singleBlock ("x", 1));
    arrfiles::renameEntry (entry, "New");
    EXPECT_EQ (arrfiles::entryName (entry, {}), "New");
    EXPECT_EQ (entry.getSize(), 627u);
}

TEST (ArrangementLibrary, AnEntryNamesTheArrangementItCarries)
{
    const auto recordName = [] (const juce::MemoryBlock& entry)
    { return arrfiles::recordOfSingleBlock (arrfiles::entryState (entry))->getName().trimEnd(); };

    auto entry = arrfiles::buildEntry ("Live Set A", singleBlock ("EDM", 1));
    EXPECT_EQ (recordName (entry), "Live Set A");
    arrfiles::renameEntry (entry, "Encore");
    EXPECT_EQ (recordName (entry), "Encore");
    EXPECT_EQ (arrfiles::recordOfSingleBlock (arrfiles::entryState (entry))->getProgram (0), 1);   // only the name changed

    // A library written before entries named their records still exports under the entry's name.
    auto stale = arrfiles::buildEntry ("EDM", singleBlock ("EDM", 1));
    stale.copyFrom ("Live Set A", 0, 10);
    const auto read = arrfiles::readArrangements (arrfiles::encodeLibrary ({ stale }), ".zk7arrlib");
    ASSERT_EQ (read->size(), 1u);
    EXPECT_EQ (read->front().name, "Live Set A");
    EXPECT_EQ (read->front().record.getName().trimEnd(), "Live Set A");
}

TEST (ArrangementLibrary, AnExportedLibraryIsTheFileTheManagerSaves)
{
    // Entries as the library manager makes them (added, then one renamed), saved as it saves them.
    arrfiles::Library entries { arrfiles::buildEntry ("Live Set A", singleBlock ("EDM", 12)),
                                arrfiles::buildEntry ("Untitled", singleBlock ("EDM", 40)) };
    arrfiles::renameEntry (entries.getReference (1), "Encore");
    const auto saved = arrfiles::encodeLibrary (entries);

    const auto read = arrfiles::readArrangements (saved, ".zk7arrlib");
    EXPECT_EQ (arrfiles::encodeAs (*read, ".zk7arrlib"), saved);

    // The VST forms carry the same names.
    const auto bank = arrfiles::readArrangements (*arrfiles::encodeAs (*read, ".FXB"), ".fxb");
    ASSERT_EQ (bank->size(), 64u);
    EXPECT_EQ ((*bank)[0].name, "Live Set A");
    EXPECT_EQ ((*bank)[1].name, "Encore");
    EXPECT_EQ ((*bank)[1].record.getProgram (0), 40);
    EXPECT_EQ (arrfiles::readArrangements (*arrfiles::encodeAs (*read, ".fxp"), ".fxp")->front().name, "Live Set A");
    EXPECT_FALSE (arrfiles::encodeAs (*read, ".txt").has_value());
    EXPECT_FALSE (arrfiles::encodeAs ({}, ".fxb").has_value());
}

TEST (ArrangementLibrary, HostileFilesStopAtTheLastWholeEntry)
{
    const auto good = arrfiles::encodeLibrary (threeEntries());

    auto truncated = good;
    truncated.setSize (1921 - 100);   // the third entry is cut short
    EXPECT_EQ (arrfiles::decodeLibrary (truncated)->size(), 2);

    auto hugeCount = good;
    hugeCount.copyFrom (arrfiles::encodeLength (1u << 30).getData(), 0, 10);
    EXPECT_EQ (arrfiles::decodeLibrary (hugeCount)->size(), 3);

    auto hugeLength = good;
    hugeLength.copyFrom (bytesOf ({ 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F }).getData(), 10, 10);
    EXPECT_EQ (arrfiles::decodeLibrary (hugeLength)->size(), 0);

    auto zeroLengths = arrfiles::encodeLength (4);
    for (int i = 0; i < 4; ++i)
        zeroLengths.append (arrfiles::encodeLength (0).getData(), 10);
    const auto empties = arrfiles::decodeLibrary (zeroLengths);
    ASSERT_EQ (empties->size(), 4);
    EXPECT_EQ (arrfiles::entryName ((*empties)[0], "Untitled"), "Untitled");
    EXPECT_EQ (arrfiles::entryState ((*empties)[0]).getSize(), 0u);

    EXPECT_FALSE (arrfiles::decodeLibrary (juce::MemoryBlock (11, true)).has_value());       // too short
    EXPECT_FALSE (arrfiles::decodeLibrary (juce::MemoryBlock (40, true)).has_value());       // counts no entry
}

TEST (ArrangementLibrary, SeededMutationsNeverReadPastTheEnd)
{
    const auto seeds = { arrfiles::encodeLibrary (threeEntries()), arrfiles::encodeBank (juce::MemoryBlock (19223, true)),
                         arrfiles::encodeProgram (ArrangementRecord()) };
    std::mt19937 random (7);
    for (const auto& seed : seeds)
        for (int round = 0; round < 400; ++round)
        {
            auto data = seed;
            data.setSize (std::uniform_int_distribution<size_t> (0, seed.getSize()) (random));
            for (int flips = 0; flips < 8 && data.getSize() > 0; ++flips)
                data[std::uniform_int_distribution<size_t> (0, data.getSize() - 1) (random)] = (char) random();
            if (const auto entries = arrfiles::decodeLibrary (data))
                for (const auto& entry : *entries)
                {
                    EXPECT_LE (entry.getSize(), data.getSize());
                    arrfiles::entryName (entry, {});
                    arrfiles::entryState (entry);
                }
            if (const auto block = arrfiles::decodeBank (data))
                EXPECT_GE (block->getSize(), (size_t) DaduRAAudioProcessor::BANK_BLOCK_SIZE);
            arrfiles::decodeProgram (data);
        }
}

//==============================================================================
TEST (VstFiles, ProgramFileLayoutAndRoundTrip)
{
    auto record = ArrangementRecord::defaultRecord (0);
    record.setName ("Jazz Trio On A Friday Night");
    record.setProgram (5, 777);
    const auto image = arrfiles::encodeProgram (record);
    ASSERT_EQ (image.getSize(), (size_t) arrfiles::FXP_SIZE);
    EXPECT_EQ (juce::String::fromUTF8 (static_cast<const char*> (image.getData()), 4), "CcnK");
    EXPECT_EQ (juce::String::fromUTF8 (static_cast<const char*> (image.getData()) + 8, 4), "FPCh");
    EXPECT_EQ (juce::String::fromUTF8 (static_cast<const char*> (image.getData()) + 28, 23), "Jazz Trio On A Friday N");
    EXPECT_EQ (image[51], 0);
    EXPECT_EQ (juce::String::fromUTF8 (static_cast<const char*> (image.getData()) + 60, 17), "ZK7PluginSettings");
    EXPECT_EQ (juce::MemoryBlock (static_cast<const char*> (image.getData()) + 87, 300), record.getBytes());   // the record from offset 87

    const auto back = arrfiles::decodeProgram (image);
    ASSERT_TRUE (back.has_value());
    EXPECT_EQ (back->getBytes(), record.getBytes());

    auto untagged = image;
    untagged[60] = 'X';
    EXPECT_FALSE (arrfiles::decodeProgram (untagged).has_value());
    auto shortChunk = image;
    shortChunk.setSize (image.getSize() - 1);
    EXPECT_FALSE (arrfiles::decodeProgram (shortChunk).has_value());
}

//==============================================================================
TEST (FileManTest, KindsTitlesPatternsAndTheExtensionRule)
{
    FileMan files;
    juce::File answer;
    FileMan::answer = [&answer] (int, int, const juce::String&) { return answer; };

    struct Case { const char* typed; const char* chosen; };
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory);
    for (const auto& c : { Case { "mine", "mine.zk7arrlib" }, Case { "mine.zk7arrlib", "mine.zk7arrlib" }, Case { "mine.x", "mine.x.zk7arrlib" },
                           Case { "mine.fxb", "mine.fxb" } })
    {
        answer = folder.getChildFile (c.typed);
        ASSERT_TRUE (files.run (FileMan::SAVE, FileMan::SAVE_LIBRARY, "Untitled"));
        EXPECT_EQ (files.getChosenFile(), folder.getChildFile (c.chosen)) << c.typed;
    }
    EXPECT_EQ (files.getTitle(), "Save Arrangements");

    answer = folder.getChildFile ("open.x");
    ASSERT_TRUE (files.run (FileMan::OPEN, FileMan::LOAD_LIBRARY, {}));
    EXPECT_EQ (files.getChosenFile(), folder.getChildFile ("open.x"));   // opening never renames
    EXPECT_EQ (files.getTitle(), "Load Arrangements");
    EXPECT_EQ (files.getPatterns(), juce::StringArray ("*.zk7arrlib"));

    answer = juce::File();   // cancelled: the previous choice stays
    EXPECT_FALSE (files.run (FileMan::OPEN, FileMan::LOAD_PROGRAM, {}));
    EXPECT_EQ (files.getChosenFile(), folder.getChildFile ("open.x"));
    EXPECT_EQ (files.getTitle(), "Load VST Program");
    FileMan::answer = nullptr;
}

//==============================================================================
class VstBankTest : public ConnectedTest {};

TEST_F (VstBankTest, BankFileRestoresAll64Arrangements)
{
    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
        processor->getBank().setRecordName (i, "Arrangement " + juce::String (i + 1));
    juce::MemoryBlock block;
    processor->getStateInformation (block);
    const auto image = arrfiles::encodeBank (block);
    ASSERT_EQ (image.getSize(), (size_t) arrfiles::FXB_SIZE);
    EXPECT_EQ (juce::String::fromUTF8 (static_cast<const char*> (image.getData()) + 8, 4), "FBCh");

    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
        processor->getBank().setRecordName (i, "gone");
    const auto chunk = arrfiles::decodeBank (image);
    ASSERT_TRUE (chunk.has_value());
    processor->setStateInformation (chunk->getData(), (int) chunk->getSize());
    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
        EXPECT_EQ (processor->getBank().getRecordName (i).trimEnd(), "Arrangement " + juce::String (i + 1));

    auto shortChunk = image;
    shortChunk.setSize (image.getSize() - 1);
    EXPECT_FALSE (arrfiles::decodeBank (shortChunk).has_value());
}
