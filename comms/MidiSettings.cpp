#include "comms/MidiSettings.h"
#include "comms/LibraryFiles.h"

void MidiSettings::resetToDefaults()
{
    entries.clearQuick();
    for (int i = 0; i < ENTRY_COUNT; ++i)
        entries.add ("0");

    entries.set (0, "1.0.0");
    for (int i = 1; i <= 3; ++i)
        entries.set (i, "-1");
    entries.set (4, "100");
    entries.set (5, "0");
    entries.set (WINDOW_WIDTH, {});
    entries.set (WINDOW_HEIGHT, {});
    entries.set (8, "1");
}

juce::StringArray MidiSettings::parse (const juce::String& text)
{
    juce::StringArray found;
    int position = 0;

    for (;;)
    {
        const int open = text.indexOf (position, "^|");
        if (open < 0)
            break;

        const int close = text.indexOf (open + 2, "|^");
        if (close < 0)
            break;

        // An empty entry ("^||^") is a real entry: the window size is empty until first laid out.
        found.add (text.substring (open + 2, close));
        position = close + 2;
    }

    return found;
}

juce::String MidiSettings::format() const
{
    juce::String text;
    for (const auto& entry : entries)
        text << "^|" << entry << "|^";
    return text;
}

void MidiSettings::loadFromText (const juce::String& text)
{
    const auto found = text.length() < 6 ? juce::StringArray() : parse (text);

    if (found.size() <= 2)
    {
        resetToDefaults();
        return;
    }

    entries.clearQuick();
    for (int i = 0; i < juce::jmin (found.size(), ENTRY_COUNT); ++i)
        entries.add (found[i]);
    while (entries.size() < ENTRY_COUNT)
        entries.add ("0");
}

void MidiSettings::load (const juce::File& file)
{
    if (! file.existsAsFile())
    {
        resetToDefaults();
        save (file);
        return;
    }

    loadFromText (file.loadFileAsString());
}

bool MidiSettings::save (const juce::File& file) const
{
    const auto text = format().toStdString();
    return library::writeAtomically (file, text.data(), text.size());
}

int MidiSettings::validatedChannel()
{
    const auto& text = entries.getReference (CURRENT_CHANNEL);
    const int channel = text.getIntValue();

    if (! text.containsOnly ("0123456789") || channel < 1 || channel > 16)
    {
        entries.set (CURRENT_CHANNEL, "1");
        return 1;
    }
    return channel;
}
