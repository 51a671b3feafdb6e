#include "support/Fixtures.h"

using protocol::Bytes;

namespace
{
juce::String padded (const juce::String& name)
{
    return name.paddedRight (' ', ARRANGEMENT_NAME_LENGTH);
}
}

TEST (ArrangementRecord, NameCharacterRule)
{
    struct Case { juce::String name; juce::String stored; };
    const Case cases[] = {
        { "EDM", padded ("EDM") },
        { "A name of thirty characters!!", "A name of thirty charact" },
        { "", padded ("") },
        { juce::String::charToString (200) + "x", padded (" x") },
        { juce::String::charToString (159) + juce::String::charToString (20) + juce::String::charToString (19),
          padded (juce::String::charToString (159) + juce::String::charToString (20) + " ") },
    };

    for (const auto& c : cases)
    {
        ArrangementRecord record;
        record.setName (c.name);
        EXPECT_EQ (record.getName(), c.stored) << c.name;
        EXPECT_EQ (record.getName().length(), ARRANGEMENT_NAME_LENGTH);
    }
}

TEST (ArrangementRecord, FieldEncoding)
{
    ArrangementRecord record;
    record.setWord (56, 1000);
    record.setByte (58, -1);
    record.setByte (61, 300);
    EXPECT_EQ ((juce::uint8) record.getBytes()[56], 3);
    EXPECT_EQ ((juce::uint8) record.getBytes()[57], 232);
    EXPECT_EQ (record.getWord (56), 1000);
    EXPECT_EQ (record.getSignedByte (58), -1);
    EXPECT_EQ (record.getSignedByte (61), 44);
}

TEST (ArrangementRecord, DefaultRecords)
{
    const auto edm = ArrangementRecord::defaultRecord (0);
    EXPECT_EQ (edm.getName(), padded ("EDM"));
    EXPECT_EQ (edm.getProgram (0), 36);
    EXPECT_EQ (edm.getProgram (15), 564);
    EXPECT_EQ (edm.getWord (56), 1);
    EXPECT_EQ (edm.getSignedByte (58), 1);

    EXPECT_EQ (ArrangementRecord::defaultRecord (1).getName(), padded ("Hip Hop"));
    EXPECT_EQ (ArrangementRecord::defaultRecord (2).getProgram (1), 54);

    const auto empty = ArrangementRecord::defaultRecord (3);
    EXPECT_EQ (empty.getName(), juce::String::repeatedString ("-", 24));
    for (int ch = 0; ch < 16; ++ch)
        EXPECT_EQ (empty.getProgram (ch), 1);
    const Bytes globals (static_cast<const uint8_t*> (empty.getBytes().getData()) + 56,
                         static_cast<const uint8_t*> (empty.getBytes().getData()) + 67);
    EXPECT_EQ (globals, (Bytes { 0, 0, 0, 0, 0, 0, 0, 0x7F, 0, 0, 0x40 }));
    EXPECT_EQ (ArrangementRecord::defaultRecord (63).getBytes(), empty.getBytes());
}

//==============================================================================
class ArrangementStateTest : public ConnectedTest {};

TEST_F (ArrangementStateTest, FirstRunBankAndItsFile)
{
    auto& p = *processor;
    EXPECT_EQ (p.getNumPrograms(), 64);
    EXPECT_EQ (p.getProgramName (0), padded ("EDM"));
    EXPECT_EQ (p.getProgramName (1), padded ("Hip Hop"));
    EXPECT_EQ (p.getProgramName (2), padded ("Rock"));
    EXPECT_EQ (p.getProgramName (63), juce::String::repeatedString ("-", 24));
    EXPECT_EQ (p.getName(), "Velmoran VST");

    const auto file = p.getPresetBankFile();
    processor.reset();

    juce::MemoryBlock data;
    ASSERT_TRUE (file.loadFileAsData (data));
    ASSERT_EQ (data.getSize(), 19223u);
    EXPECT_EQ (data.toString().substring (0, 23), "ZK7PluginBankVersion100");
    EXPECT_EQ (juce::String (static_cast<const char*> (data.getData()) + 23, 3), "EDM");
}

TEST_F (ArrangementStateTest, RenamingAlsoMakesCurrent)
{
    processor->changeProgramName (4, "Jazz Trio");
    EXPECT_EQ (processor->getCurrentProgram(), 4);
    EXPECT_EQ (processor->getProgramName (4), padded ("Jazz Trio"));
}

TEST_F (ArrangementStateTest, RecallSendsModeThenMultiThenPrograms)
{
    auto record = ArrangementRecord::defaultRecord (0);
    record.setByte (58, 2);
    record.setWord (56, 42);
    processor->getBank().putRecord (7, record);

    processor->setCurrentProgram (7);

    std::vector<Bytes> expected = parameterRun (1, { 12, 0, 0, 0, 11 }, 2);
    expected.push_back (protocol::globalValue (42));
    for (int ch = 0; ch < 16; ++ch)
        expected.push_back (protocol::channelValue (ch, record.getProgram (ch)));

    EXPECT_EQ (wire->take(), expected);
    EXPECT_EQ (processor->getCurrentProgram(), 7);
    EXPECT_EQ (processor->getInstrumentMode(), 2);
    EXPECT_TRUE (midi().isHoldingOff());
    EXPECT_EQ (midi().takePendingStates(), std::vector<int> { state::word (state::REFRESH, 0, 0, 0) });
}

TEST_F (ArrangementStateTest, RecordWithoutModeRecallsInProgramMode)
{
    processor->setCurrentProgram (10);   // an empty slot: mode byte 0
    const auto sent = wire->take();
    ASSERT_EQ (sent.size(), 7u + 16u);
    EXPECT_EQ (std::vector<Bytes> (sent.begin(), sent.begin() + 7), parameterRun (1, { 12, 0, 0, 0, 11 }, 1));
    EXPECT_EQ (midi().getValue (slots::PLAYING_MODE), 1);
}

TEST_F (ArrangementStateTest, CaptureAfterRecallKeepsTheReservedBytes)
{
    auto record = ArrangementRecord::defaultRecord (1);
    juce::MemoryBlock bytes = record.getBytes();
    for (int i = ArrangementRecord::RESERVED_OFFSET; i < ARRANGEMENT_RECORD_SIZE; ++i)
        bytes[i] = (char) (i * 7);
    processor->getBank().putRecord (5, ArrangementRecord (bytes));

    processor->setCurrentProgram (5);
    midi().setChannelProgram (2, 999, false);
    midi().setValue (2309, 300, false);
    midi().setValue (2311, -5, false);

    const auto captured = processor->getBank().captureRecord (midi().getSlots(), 5, "Live");
    EXPECT_EQ (captured.getName(), padded ("Live"));
    EXPECT_EQ (captured.getProgram (2), 999);
    EXPECT_EQ (captured.getProgram (0), 45);
    EXPECT_EQ (captured.getWord (63), 300);
    EXPECT_EQ (captured.getSignedByte (66), -5);
    for (int i = ArrangementRecord::RESERVED_OFFSET; i < ARRANGEMENT_RECORD_SIZE; ++i)
        ASSERT_EQ (captured.getBytes()[i], bytes[i]) << i;
}

TEST_F (ArrangementStateTest, SingleArrangementBlocks)
{
    juce::MemoryBlock block;
    processor->setCurrentProgram (2);
    processor->getCurrentProgramStateInformation (block);
    ASSERT_EQ ((int) block.getSize(), DaduRAAudioProcessor::SINGLE_BLOCK_SIZE);
    EXPECT_EQ (block.toString().substring (0, 27), "ZK7PluginSettingsVersion100");

    // Change the block's programs and load it back: live state changes, the bank does not.
    auto* bytes = static_cast<juce::uint8*> (block.getData());
    bytes[27 + 24] = 0x01;
    bytes[27 + 25] = 0x00;   // channel 1 plays 256
    const auto bankBefore = processor->getBank().getRecords();
    wire->take();

    processor->setCurrentProgramStateInformation (block.getData(), (int) block.getSize());
    EXPECT_EQ (midi().getChannelProgram (0), 256);
    EXPECT_EQ (processor->getBank().getRecords(), bankBefore);
    EXPECT_EQ (processor->getCurrentProgram(), 2);
    EXPECT_EQ (wire->take().size(), 7u + 16u);

    // A wrong tag or a short block changes nothing and sends nothing.
    bytes[0] = 'X';
    processor->setCurrentProgramStateInformation (block.getData(), (int) block.getSize());
    bytes[0] = 'Z';
    processor->setCurrentProgramStateInformation (block.getData(), 200);
    EXPECT_EQ (midi().getChannelProgram (0), 256);
    EXPECT_TRUE (wire->take().empty());
}

TEST_F (ArrangementStateTest, BankBlockRoundTrip)
{
    processor->changeProgramName (9, "Saved");
    juce::MemoryBlock block;
    processor->getStateInformation (block);
    ASSERT_EQ ((int) block.getSize(), DaduRAAudioProcessor::BANK_BLOCK_SIZE);

    processor->changeProgramName (9, "Overwritten");
    processor->setStateInformation (block.getData(), (int) block.getSize());
    EXPECT_EQ (processor->getProgramName (9), padded ("Saved"));

    const char foreign[] = "ZK7PluginSettingsVersion100";
    processor->setStateInformation (foreign, (int) sizeof (foreign));
    EXPECT_EQ (processor->getProgramName (9), padded ("Saved"));
}

TEST_F (ArrangementStateTest, ParameterValueTexts)
{
    midi().setValue (9, -3, false);
    EXPECT_EQ (processor->getParameterValueText (9), "L: 3");
    midi().setChannelProgram (2, 45, false);
    EXPECT_EQ (processor->getParameterValueText (slots::programSlot (2)), "45 Object 45");
    midi().setValue (slots::channelSlot (2, slots::PROGRAM_BANK), 1, false);
    midi().setValue (slots::channelSlot (2, slots::PROGRAM_NUMBER), 5, false);
    EXPECT_EQ (processor->getParameterValueText (slots::channelSlot (2, slots::PROGRAM_NUMBER)), "133 Object 133");
    EXPECT_EQ (processor->getParameterValueText (slots::PLAYING_MODE), "PROGRAM");
    EXPECT_EQ (processor->getParameterValueText (slots::controllerSlot (0, 7)), "0");
    EXPECT_EQ (processor->getParameterValueText (99999), "");
}

TEST_F (ArrangementStateTest, ParameterValueIsScaledToTheRange)
{
    midi().setValue (9, 0, false);         // pan -64..64
    EXPECT_FLOAT_EQ (processor->getParameterValue (9), 0.5f);
    midi().setValue (2305, 2, false);      // mode 1..2
    EXPECT_FLOAT_EQ (processor->getParameterValue (2305), 1.0f);
    EXPECT_FLOAT_EQ (processor->getParameterValue (5000), 0.0f);
}

//==============================================================================
class PresetBankFileTest : public LibraryTest
{
protected:
    juce::String nameAfterStartWith (const juce::MemoryBlock& file, int index)
    {
        library::writeAtomically (library::file (library::PRESET_BANK_FILE), file);
        DaduRAAudioProcessor processor (nullptr, nullptr);
        return processor.getProgramName (index);
    }
};

TEST_F (PresetBankFileTest, ShortOrForeignFilesAreCompletedWithDefaults)
{
    juce::MemoryBlock shortBank;
    shortBank.append ("ZK7PluginBankVersion100", 23);
    auto mine = ArrangementRecord::defaultRecord (5);
    mine.setName ("Mine");
    shortBank.append (mine.getBytes().getData(), 300);
    shortBank.append (mine.getBytes().getData(), 120);   // a torn second record is not taken

    EXPECT_EQ (nameAfterStartWith (shortBank, 0), padded ("Mine"));
    EXPECT_EQ (nameAfterStartWith (shortBank, 1), padded ("Hip Hop"));
    EXPECT_EQ (nameAfterStartWith (shortBank, 63), juce::String::repeatedString ("-", 24));

    juce::MemoryBlock foreign;
    foreign.append ("NotABankAtAll, really not", 25);
    EXPECT_EQ (nameAfterStartWith (foreign, 0), padded ("EDM"));
    EXPECT_EQ (nameAfterStartWith ({}, 2), padded ("Rock"));

    // Whatever was read, the file written back is a whole bank.
    EXPECT_EQ (library::file (library::PRESET_BANK_FILE).getSize(), 19223);
}

TEST_F (PresetBankFileTest, RenamedArrangementSurvivesARestart)
{
    {
        DaduRAAudioProcessor processor (nullptr, nullptr);
        processor.changeProgramName (20, "Encore");
    }
    DaduRAAudioProcessor processor (nullptr, nullptr);
    EXPECT_EQ (processor.getProgramName (20), padded ("Encore"));
    EXPECT_EQ (processor.getProgramName (0), padded ("EDM"));
}
