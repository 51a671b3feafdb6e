#pragma once

#include "arrange/PlugBank.h"

#include <optional>

/** The arrangement files: the arrangement library (named single-arrangement
    blocks), and the VST 2 bank and program files whose chunks are the
    arrangement state's bank and single blocks. Everything is built and
    parsed in memory; no reader looks past the end of its data. */
namespace arrfiles
{
const juce::String& libraryExtension();   // ".zk7arrlib"
const juce::String& bankExtension();      // ".fxb"
const juce::String& programExtension();   // ".fxp"

constexpr int LENGTH_BYTES = 10;
constexpr int ENTRY_NAME_SIZE = 256;
constexpr int ENTRY_HEADER_SIZE = 300;
constexpr int FXB_SIZE = 19383;
constexpr int FXP_SIZE = 387;

/** A number in 10 bytes, little-endian base 128. */
juce::MemoryBlock encodeLength (juce::uint64 n);
/** The number at offset; 0 when its 10 bytes do not all lie inside the data. */
juce::uint64 decodeLength (const juce::MemoryBlock& data, size_t offset);
/** The first position before limit where the tag lies wholly inside the data, or -1. */
int findTag (const char* tag, const juce::MemoryBlock& data, int limit);

//==============================================================================
/** A library entry: the 300-byte header with the name, then the state block,
    whose arrangement is given the same name (cut to the record's 24 characters). */
juce::MemoryBlock buildEntry (const juce::String& name, const juce::MemoryBlock& stateBlock);
/** The name bytes above 13 (as signed bytes), trailing blanks removed; fallback for an entry without a header. */
juce::String entryName (const juce::MemoryBlock& entry, const juce::String& fallback);
/** Writes the name field (first 256 characters, zero-filled) and the name of the arrangement
    the entry carries; entries without a header are left alone. */
void renameEntry (juce::MemoryBlock& entry, const juce::String& name);
/** The state block an entry carries: its bytes from 300 on. */
juce::MemoryBlock entryState (const juce::MemoryBlock& entry);

using Library = juce::Array<juce::MemoryBlock>;
juce::MemoryBlock encodeLibrary (const Library& entries);
/** The entries of a library file: nothing when it is too short or counts no entry;
    a count or a length that points past the end stops at the last whole entry. */
std::optional<Library> decodeLibrary (const juce::MemoryBlock& content);

//==============================================================================
/** A VST bank file around the bank state block (its 19200 record bytes). */
juce::MemoryBlock encodeBank (const juce::MemoryBlock& bankBlock);
/** The bank state block in a VST bank file; nothing without its tag or with a short chunk. */
std::optional<juce::MemoryBlock> decodeBank (const juce::MemoryBlock& content);

/** A VST program file for one record, with the record's 23 name bytes as the program name. */
juce::MemoryBlock encodeProgram (const ArrangementRecord& record);
/** The record of a VST program file; nothing without its tag or with a short chunk. */
std::optional<ArrangementRecord> decodeProgram (const juce::MemoryBlock& content);

//==============================================================================
/** The arrangement state's blocks around records: the single block, and the bank block (64 records, defaults after the given ones). */
juce::MemoryBlock singleBlock (const ArrangementRecord& record);
juce::MemoryBlock bankBlock (const std::vector<ArrangementRecord>& records);
/** The record of a whole single block (tag first); nothing otherwise. */
std::optional<ArrangementRecord> recordOfSingleBlock (const juce::MemoryBlock& block);

struct NamedArrangement
{
    juce::String name;
    ArrangementRecord record;
};

/** The arrangements in any arrangement file, told apart by its extension: a
    library, a VST bank or program file, or else a preset bank file. Nothing
    when the content is not of that form; library entries without a whole
    arrangement are left out, and each entry's name is its arrangement's name. */
std::optional<std::vector<NamedArrangement>> readArrangements (const juce::MemoryBlock& content, const juce::String& extension);

/** The arrangements as a file of the form the extension names: a library
    (every one, under its name), a VST bank (the first 64, defaults after them)
    or a VST program (the first). Nothing for another extension or no arrangement. */
std::optional<juce::MemoryBlock> encodeAs (const std::vector<NamedArrangement>& arrangements, const juce::String& extension);

/** The content of a file read whole, or nothing when it is not a file. */
std::optional<juce::MemoryBlock> readFile (const juce::File& file);
}
