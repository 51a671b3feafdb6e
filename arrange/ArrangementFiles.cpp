#include "arrange/ArrangementFiles.h"
#include "arrange/DaduRAAudioProcessor.h"
#include "comms/LibraryFiles.h"

namespace arrfiles
{
namespace
{
constexpr int PLUGIN_VERSION = 105;
constexpr int PARAMETER_COUNT = 2314;
constexpr int PROGRAM_NAME_OFFSET = 28;
constexpr int PROGRAM_NAME_LENGTH = 23;

void putInt (juce::MemoryBlock& b, size_t offset, int value)
{
    for (int i = 0; i < 4; ++i)
        b[offset + (size_t) i] = (char) ((value >> (24 - 8 * i)) & 0xFF);
}

void putText (juce::MemoryBlock& b, size_t offset, const char* text)
{
    b.copyFrom (text, (int) offset, std::strlen (text));
}

/** The fixed head of both VST files: magic, sizes, kind, version, identifier, count. */
juce::MemoryBlock vstImage (const char* kind, int count, size_t chunkOffset, const char* tag, int chunkSize)
{
    juce::MemoryBlock image (chunkOffset + (size_t) chunkSize, true);
    putText (image, 0, "CcnK");
    putInt (image, 4, (int) image.getSize() - 8);
    putText (image, 8, kind);
    putInt (image, 12, 1);
    putText (image, 16, "Brav");
    putInt (image, 20, PLUGIN_VERSION);
    putInt (image, 24, count);
    putInt (image, chunkOffset - 4, chunkSize);
    putText (image, chunkOffset, tag);
    putText (image, chunkOffset + std::strlen (tag), DaduRAAudioProcessor::VERSION_TAG);
    return image;
}
}

const juce::String& libraryExtension() { static const juce::String e (".zk7arrlib"); return e; }
const juce::String& bankExtension() { static const juce::String e (".fxb"); return e; }
const juce::String& programExtension() { static const juce::String e (".fxp"); return e; }

juce::MemoryBlock encodeLength (juce::uint64 n)
{
    juce::MemoryBlock bytes (LENGTH_BYTES, true);
    for (int i = 0; i < LENGTH_BYTES; ++i)
        bytes[(size_t) i] = (char) ((n >> (7 * i)) & 0x7F);
    return bytes;
}

juce::uint64 decodeLength (const juce::MemoryBlock& data, size_t offset)
{
    if (offset > data.getSize() || data.getSize() - offset < (size_t) LENGTH_BYTES)
        return 0;
    juce::uint64 n = 0;
    for (int i = LENGTH_BYTES; --i >= 0;)
        n = (n << 7) | (juce::uint64) (static_cast<juce::uint8> (data[offset + (size_t) i]) & 0x7F);
    return n;
}

int findTag (const char* tag, const juce::MemoryBlock& data, int limit)
{
    const auto length = std::strlen (tag);
    const auto* bytes = static_cast<const char*> (data.getData());
    for (size_t p = 0; p < (size_t) juce::jmax (0, limit) && p + length <= data.getSize(); ++p)
        if (std::memcmp (bytes + p, tag, length) == 0)
            return (int) p;
    return -1;
}

//==============================================================================
namespace
{
/** Gives the arrangement an entry carries the entry's name, so that the name
    survives when the arrangement leaves the library (a VST file, the bank). */
void nameCarriedRecord (juce::MemoryBlock& entry, const juce::String& name)
{
    auto record = recordOfSingleBlock (entryState (entry));
    if (! record)
        return;
    record->setName (name);
    entry.copyFrom (record->getBytes().getData(), ENTRY_HEADER_SIZE + DaduRAAudioProcessor::SINGLE_HEADER_SIZE,
                    ARRANGEMENT_RECORD_SIZE);
}
}

juce::MemoryBlock buildEntry (const juce::String& name, const juce::MemoryBlock& stateBlock)
{
    juce::MemoryBlock entry (ENTRY_HEADER_SIZE, true);
    entry.append (stateBlock.getData(), stateBlock.getSize());
    renameEntry (entry, name);
    return entry;
}

juce::String entryName (const juce::MemoryBlock& entry, const juce::String& fallback)
{
    if (entry.getSize() < (size_t) ENTRY_HEADER_SIZE)
        return fallback;
    juce::String name;
    for (int i = 0; i < ENTRY_NAME_SIZE; ++i)
        if (const auto c = static_cast<signed char> (entry[(size_t) i]); c > 13)
            name << juce::String::charToString ((juce::juce_wchar) c);
    return name.trimEnd();
}

void renameEntry (juce::MemoryBlock& entry, const juce::String& name)
{
    if (entry.getSize() < (size_t) ENTRY_HEADER_SIZE)
        return;
    for (int i = 0; i < ENTRY_NAME_SIZE; ++i)
        entry[(size_t) i] = (char) (i < name.length() ? (name[i] & 0xFF) : 0);
    nameCarriedRecord (entry, name);
}

juce::MemoryBlock entryState (const juce::MemoryBlock& entry)
{
    if (entry.getSize() <= (size_t) ENTRY_HEADER_SIZE)
        return {};
    return juce::MemoryBlock (static_cast<const char*> (entry.getData()) + ENTRY_HEADER_SIZE, entry.getSize() - ENTRY_HEADER_SIZE);
}

juce::MemoryBlock encodeLibrary (const Library& entries)
{
    auto content = encodeLength ((juce::uint64) entries.size());
    for (const auto& entry : entries)
    {
        content.append (encodeLength (entry.getSize()).getData(), LENGTH_BYTES);
        content.append (entry.getData(), entry.getSize());
    }
    return content;
}

std::optional<Library> decodeLibrary (const juce::MemoryBlock& content)
{
    if (content.getSize() < 12)
        return std::nullopt;
    const auto count = decodeLength (content, 0);
    if (count < 1)
        return std::nullopt;

    Library entries;
    size_t offset = LENGTH_BYTES;
    for (juce::uint64 i = 0; i < count; ++i)
    {
        if (content.getSize() - offset < (size_t) LENGTH_BYTES)
            break;   // no room for another length: the count was too high
        const auto length = decodeLength (content, offset);
        offset += LENGTH_BYTES;
        if (length > content.getSize() - offset)
            break;   // an entry running past the end is not taken
        entries.add (juce::MemoryBlock (static_cast<const char*> (content.getData()) + offset, (size_t) length));
        offset += (size_t) length;
    }
    return entries;
}

//==============================================================================
juce::MemoryBlock encodeBank (const juce::MemoryBlock& bankBlock)
{
    auto image = vstImage ("FBCh", ARRANGEMENT_COUNT, 160, DaduRAAudioProcessor::BANK_TAG, DaduRAAudioProcessor::BANK_BLOCK_SIZE);
    const int p = findTag (DaduRAAudioProcessor::BANK_TAG, image, 200);
    const auto records = juce::jmin ((size_t) ARRANGEMENT_BANK_SIZE, bankBlock.getSize() - juce::jmin (bankBlock.getSize(), (size_t) DaduRAAudioProcessor::BANK_HEADER_SIZE));
    image.copyFrom (static_cast<const char*> (bankBlock.getData()) + DaduRAAudioProcessor::BANK_HEADER_SIZE,
                    p + DaduRAAudioProcessor::BANK_HEADER_SIZE, records);
    return image;
}

std::optional<juce::MemoryBlock> decodeBank (const juce::MemoryBlock& content)
{
    const int p = findTag (DaduRAAudioProcessor::BANK_TAG, content, 200);
    if (p < 0 || content.getSize() - (size_t) p < (size_t) DaduRAAudioProcessor::BANK_BLOCK_SIZE)
        return std::nullopt;
    return juce::MemoryBlock (static_cast<const char*> (content.getData()) + p, content.getSize() - (size_t) p);
}

juce::MemoryBlock encodeProgram (const ArrangementRecord& record)
{
    auto image = vstImage ("FPCh", PARAMETER_COUNT, 60, DaduRAAudioProcessor::SINGLE_TAG, DaduRAAudioProcessor::SINGLE_BLOCK_SIZE);
    image.copyFrom (record.getBytes().getData(), PROGRAM_NAME_OFFSET, PROGRAM_NAME_LENGTH);
    const int p = findTag (DaduRAAudioProcessor::SINGLE_TAG, image, 200);
    image.copyFrom (record.getBytes().getData(), p + DaduRAAudioProcessor::SINGLE_HEADER_SIZE, ARRANGEMENT_RECORD_SIZE);
    return image;
}

std::optional<ArrangementRecord> decodeProgram (const juce::MemoryBlock& content)
{
    if (content.getSize() < (size_t) ARRANGEMENT_RECORD_SIZE)
        return std::nullopt;
    const int p = findTag (DaduRAAudioProcessor::SINGLE_TAG, content, 300);
    if (p < 0)
        return std::nullopt;
    return recordOfSingleBlock (juce::MemoryBlock (static_cast<const char*> (content.getData()) + p, content.getSize() - (size_t) p));
}

//==============================================================================
juce::MemoryBlock singleBlock (const ArrangementRecord& record)
{
    juce::MemoryBlock block;
    block.append (DaduRAAudioProcessor::SINGLE_TAG, std::strlen (DaduRAAudioProcessor::SINGLE_TAG));
    block.append (DaduRAAudioProcessor::VERSION_TAG, std::strlen (DaduRAAudioProcessor::VERSION_TAG));
    block.append (record.getBytes().getData(), ARRANGEMENT_RECORD_SIZE);
    return block;
}

juce::MemoryBlock bankBlock (const std::vector<ArrangementRecord>& records)
{
    juce::MemoryBlock block;
    block.append (DaduRAAudioProcessor::BANK_TAG, std::strlen (DaduRAAudioProcessor::BANK_TAG));
    block.append (DaduRAAudioProcessor::VERSION_TAG, std::strlen (DaduRAAudioProcessor::VERSION_TAG));
    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
    {
        const auto record = i < (int) records.size() ? records[(size_t) i] : ArrangementRecord::defaultRecord (i);
        block.append (record.getBytes().getData(), ARRANGEMENT_RECORD_SIZE);
    }
    return block;
}

std::optional<ArrangementRecord> recordOfSingleBlock (const juce::MemoryBlock& block)
{
    if (block.getSize() < (size_t) DaduRAAudioProcessor::SINGLE_BLOCK_SIZE
          || findTag (DaduRAAudioProcessor::SINGLE_TAG, block, 1) != 0)
        return std::nullopt;
    return ArrangementRecord (juce::MemoryBlock (static_cast<const char*> (block.getData()) + DaduRAAudioProcessor::SINGLE_HEADER_SIZE,
                                                 ARRANGEMENT_RECORD_SIZE));
}

namespace
{
std::vector<NamedArrangement> recordsOfBankBlock (const juce::MemoryBlock& block)
{
    std::vector<NamedArrangement> arrangements;
    for (size_t offset = DaduRAAudioProcessor::BANK_HEADER_SIZE; offset + ARRANGEMENT_RECORD_SIZE <= block.getSize();
         offset += ARRANGEMENT_RECORD_SIZE)
    {
        const ArrangementRecord record (juce::MemoryBlock (static_cast<const char*> (block.getData()) + offset, ARRANGEMENT_RECORD_SIZE));
        arrangements.push_back ({ record.getName().trimEnd(), record });
        if (arrangements.size() == (size_t) ARRANGEMENT_COUNT)
            break;
    }
    return arrangements;
}
}

std::optional<std::vector<NamedArrangement>> readArrangements (const juce::MemoryBlock& content, const juce::String& extension)
{
    const auto ext = extension.toLowerCase();
    if (ext == libraryExtension())
    {
        const auto entries = decodeLibrary (content);
        if (! entries)
            return std::nullopt;
        std::vector<NamedArrangement> arrangements;
        for (const auto& entry : *entries)
            if (auto record = recordOfSingleBlock (entryState (entry)))
            {
                // Libraries written before entries named their records carry a stale record name.
                const auto name = entryName (entry, "Untitled");
                record->setName (name);
                arrangements.push_back ({ name, *record });
            }
        return arrangements;
    }
    if (ext == programExtension())
    {
        const auto record = decodeProgram (content);
        if (! record)
            return std::nullopt;
        return std::vector<NamedArrangement> { { record->getName().trimEnd(), *record } };
    }
    const auto block = ext == bankExtension() ? decodeBank (content) : std::optional<juce::MemoryBlock> (content);
    if (! block || findTag (DaduRAAudioProcessor::BANK_TAG, *block, 1) != 0)
        return std::nullopt;
    return recordsOfBankBlock (*block);
}

std::optional<juce::MemoryBlock> encodeAs (const std::vector<NamedArrangement>& arrangements, const juce::String& extension)
{
    if (arrangements.empty())
        return std::nullopt;
    const auto ext = extension.toLowerCase();
    if (ext == libraryExtension())
    {
        Library entries;
        for (const auto& a : arrangements)
            entries.add (buildEntry (a.name, singleBlock (a.record)));
        return encodeLibrary (entries);
    }
    if (ext == bankExtension())
    {
        std::vector<ArrangementRecord> records;
        for (size_t i = 0; i < std::min (arrangements.size(), (size_t) ARRANGEMENT_COUNT); ++i)
            records.push_back (arrangements[i].record);
        return encodeBank (bankBlock (records));
    }
    if (ext == programExtension())
        return encodeProgram (arrangements.front().record);
    return std::nullopt;
}

std::optional<juce::MemoryBlock> readFile (const juce::File& file)
{
    if (! file.existsAsFile())
        return std::nullopt;
    return library::readWhole (file);
}
}
