#include "support/Fixtures.h"

namespace
{
juce::String settingsText (int count)
{
    juce::String text;
    for (int i = 0; i < count; ++i)
        text << "^|e" << i << "|^";
    return text;
}
}

TEST (MidiSettings, Defaults)
{
    const MidiSettings settings;
    EXPECT_EQ (settings[0], "1.0.0");
    EXPECT_EQ (settings[3], "-1");
    EXPECT_EQ (settings[4], "100");
    EXPECT_EQ (settings[5], "0");
    EXPECT_EQ (settings[6], "");
    EXPECT_EQ (settings[7], "");
    EXPECT_EQ (settings[8], "1");
    EXPECT_EQ (settings[54], "0");
}

TEST (MidiSettings, HowManyEntriesAFileMayHold)
{
    struct Case { juce::String text; juce::String entry0; juce::String entry54; };
    const Case cases[] = {
        { settingsText (2), "1.0.0", "0" },          // two entries reset to the defaults
        { settingsText (3), "e0", "0" },             // three replace the list, padded with "0"
        { settingsText (60), "e0", "e54" },          // at most 55 are taken
        { "^|ab", "1.0.0", "0" },                    // shorter than 6 characters: empty
        { "garbage without markers", "1.0.0", "0" },
        { settingsText (4) + "^|unclosed", "e0", "0" },
    };

    for (const auto& c : cases)
    {
        MidiSettings settings;
        settings.set (0, "changed");
        settings.loadFromText (c.text);
        EXPECT_EQ (settings[0], c.entry0) << c.text;
        EXPECT_EQ (settings[54], c.entry54) << c.text;
    }
}

TEST (MidiSettings, RoundTripKeepsEmptyEntriesAndPortNames)
{
    MidiSettings settings;
    settings.set (MidiSettings::INPUT_PORT, "ZK7 Virtual Instrument");
    settings.set (MidiSettings::OUTPUT_PORT, "USB MIDI 1");

    MidiSettings reread;
    reread.loadFromText (settings.format());
    for (int i = 0; i < MidiSettings::ENTRY_COUNT; ++i)
        EXPECT_EQ (reread[i], settings[i]) << i;
    EXPECT_TRUE (settings.format().startsWith ("^|1.0.0|^^|-1|^"));
}

TEST (MidiSettings, CurrentChannelEntryIsValidated)
{
    const std::pair<const char*, int> cases[] = { { "7", 7 }, { "16", 16 }, { "0", 1 }, { "17", 1 }, { "x", 1 }, { "", 1 }, { "-3", 1 } };
    for (const auto& [text, channel] : cases)
    {
        MidiSettings settings;
        settings.set (MidiSettings::CURRENT_CHANNEL, text);
        EXPECT_EQ (settings.validatedChannel(), channel) << text;
        EXPECT_EQ (settings[MidiSettings::CURRENT_CHANNEL], juce::String (channel));
    }
}

class SettingsFileTest : public LibraryTest {};

TEST_F (SettingsFileTest, MissingFileIsCreatedWithDefaults)
{
    const auto file = library::file (library::SETTINGS_FILE);
    MidiSettings settings;
    settings.set (0, "changed");
    settings.load (file);

    EXPECT_EQ (settings[0], "1.0.0");
    ASSERT_TRUE (file.existsAsFile());
    EXPECT_EQ (file.loadFileAsString(), MidiSettings().format());
}

TEST_F (SettingsFileTest, ControllerStateSavesItsSettingsAtTheEnd)
{
    {
        DaduRAAudioProcessor processor (nullptr, nullptr);
        processor.getMidi().getSettings().set (30, "kept");
    }
    MidiSettings reread;
    reread.load (library::file (library::SETTINGS_FILE));
    EXPECT_EQ (reread[30], "kept");
}

//==============================================================================
class AtomicWriteTest : public LibraryTest {};

TEST_F (AtomicWriteTest, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    const auto target = library::file ("bank.dat");
    ASSERT_TRUE (library::writeAtomically (target, "a long first content", 20));
    ASSERT_TRUE (library::writeAtomically (target, "short", 5));

    EXPECT_EQ (target.loadFileAsString(), "short");
    EXPECT_EQ (library::folder().getNumberOfChildFiles (juce::File::findFilesAndDirectories | juce::File::ignoreHiddenFiles, "*") , 1);
    EXPECT_EQ (library::folder().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);
}

TEST_F (AtomicWriteTest, AFailedWriteLeavesTheTargetAsItWas)
{
    // A target that cannot be replaced: a folder with something in it.
    const auto target = library::file ("blocked.dat");
    ASSERT_TRUE (target.getChildFile ("inside").create());

    EXPECT_FALSE (library::writeAtomically (target, "new", 3));
    EXPECT_TRUE (target.getChildFile ("inside").existsAsFile());
    EXPECT_EQ (library::folder().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);

    // A folder that cannot be created (a file stands in its way).
    const auto blockedFolder = library::file ("plain");
    ASSERT_TRUE (blockedFolder.replaceWithText ("x"));
    EXPECT_FALSE (library::writeAtomically (blockedFolder.getChildFile ("child.dat"), "new", 3));
    EXPECT_EQ (blockedFolder.loadFileAsString(), "x");
}
