#pragma once

#include <juce_core/juce_core.h>

/** The library folder in the user's documents, and safe writing of its files. */
namespace library
{
const char* const SETTINGS_FILE = "velmipzk7.dat";
const char* const FAVORITES_FILE = "Favorites.dat";
const char* const PRESET_BANK_FILE = "ZK7 Preset bank.arrbank";

/** <documents>/Library/VZK7; not created here. */
juce::File folder();

/** A file in the library folder. */
juce::File file (const juce::String& name);

/** Writes the whole content to a temporary file beside the target and renames
    it over the target, so a crash never leaves a truncated or missing file.
    Creates the folder when needed. Returns false if anything failed; the old
    file is then left as it was. */
bool writeAtomically (const juce::File& target, const void* data, size_t size);
bool writeAtomically (const juce::File& target, const juce::MemoryBlock& data);

/** Reads a whole file; an empty block when it is missing or unreadable. */
juce::MemoryBlock readWhole (const juce::File& source);
}
