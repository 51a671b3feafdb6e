#pragma once

#include <juce_core/juce_core.h>

/** The controller state's 55 settings texts and their file format:
    each entry written as "^|" + entry + "|^". */
class MidiSettings
{
public:
    static constexpr int ENTRY_COUNT = 55;

    enum Entry
    {
        VERSION = 0,
        WINDOW_WIDTH = 6,
        WINDOW_HEIGHT = 7,
        CURRENT_CHANNEL = 42,
        INPUT_PORT = 48,
        OUTPUT_PORT = 49
    };

    MidiSettings() { resetToDefaults(); }

    void resetToDefaults();

    const juce::String& operator[] (int entry) const { return entries.getReference (entry); }
    void set (int entry, const juce::String& text) { entries.set (entry, text); }

    /** The entries found in a settings text, in order. */
    static juce::StringArray parse (const juce::String& text);
    juce::String format() const;

    /** Takes the parsed entries of a file's text: more than two replace the
        list (at most 55, padded with "0"), fewer reset to the defaults. */
    void loadFromText (const juce::String& text);

    /** Loads the file; a missing file gets the defaults, written at once. */
    void load (const juce::File& file);
    bool save (const juce::File& file) const;

    /** Entry 42 as a channel 1..16; anything else there becomes "1". */
    int validatedChannel();

private:
    juce::StringArray entries;
};
