#include "arrange/PlugBank.h"
#include "comms/ValueSlots.h"

namespace
{
struct NamedDefault
{
    const char* name;
    int programs[16];
};

const NamedDefault namedDefaults[3] = {
    { "EDM",     { 36, 522, 617, 570, 523, 621, 515, 490, 811, 910, 505, 987, 871, 496, 602, 564 } },
    { "Hip Hop", { 45, 858, 611, 608, 503, 286, 713, 820, 498, 869, 910, 23, 867, 105, 274, 931 } },
    { "Rock",    { 8, 54, 847, 821, 825, 145, 713, 92, 47, 869, 932, 943, 990, 409, 257, 573 } },
};

// The global bytes 56..66 of an empty slot.
const juce::uint8 emptyGlobals[11] = { 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x00, 0x40 };

// Where slots 2304..2311 live in a record, and whether they take two bytes.
struct GlobalField
{
    int slot, offset;
    bool isWord;
};

const GlobalField globalFields[8] = {
    { 2304, ArrangementRecord::MULTI_OFFSET, true }, { 2305, ArrangementRecord::MODE_OFFSET, false }, { 2306, 59, true }, { 2307, 61, false },
    { 2308, 62, false }, { 2309, 63, true }, { 2310, 65, false }, { 2311, 66, false },
};
}

ArrangementRecord::ArrangementRecord() : bytes ((size_t) ARRANGEMENT_RECORD_SIZE, true) {}

ArrangementRecord::ArrangementRecord (const juce::MemoryBlock& source) : ArrangementRecord()
{
    bytes.copyFrom (source.getData(), 0, juce::jmin (source.getSize(), (size_t) ARRANGEMENT_RECORD_SIZE));
}

ArrangementRecord ArrangementRecord::defaultRecord (int slot)
{
    ArrangementRecord record;

    if (juce::isPositiveAndBelow (slot, 3))
    {
        const auto& named = namedDefaults[slot];
        record.setName (named.name);
        for (int ch = 0; ch < 16; ++ch)
            record.setProgram (ch, named.programs[ch]);
        record.setWord (56, 1);
        record.setByte (58, 1);
        return record;
    }

    record.setName (juce::String::repeatedString ("-", ARRANGEMENT_NAME_LENGTH));
    for (int ch = 0; ch < 16; ++ch)
        record.setProgram (ch, 1);
    record.bytes.copyFrom (emptyGlobals, 56, sizeof (emptyGlobals));
    return record;
}

juce::String ArrangementRecord::getName() const
{
    juce::String name;
    for (int i = 0; i < ARRANGEMENT_NAME_LENGTH; ++i)
        name += juce::String::charToString ((juce::juce_wchar) (juce::uint8) bytes[i]);
    return name;
}

void ArrangementRecord::setName (const juce::String& name)
{
    auto text = name.getCharPointer();

    for (int i = 0; i < ARRANGEMENT_NAME_LENGTH; ++i)
    {
        const juce::juce_wchar c = text.isEmpty() ? ' ' : text.getAndAdvance();
        bytes[i] = (char) (c >= 20 && c <= 159 ? c : ' ');
    }
}

int ArrangementRecord::getWord (int offset) const
{
    return (juce::uint8) bytes[offset] * 256 + (juce::uint8) bytes[offset + 1];
}

void ArrangementRecord::setWord (int offset, int value)
{
    bytes[offset] = (char) (value / 256);
    bytes[offset + 1] = (char) (value % 256);
}

int ArrangementRecord::getSignedByte (int offset) const
{
    return (juce::int8) bytes[offset];
}

void ArrangementRecord::setByte (int offset, int value)
{
    bytes[offset] = (char) (value % 256);
}

void ArrangementRecord::readGlobals (const ValueSlots& table)
{
    for (const auto& field : globalFields)
    {
        if (field.isWord)
            setWord (field.offset, table.get (field.slot));
        else
            setByte (field.offset, table.get (field.slot));
    }
}

void ArrangementRecord::writeGlobals (ValueSlots& table) const
{
    for (const auto& field : globalFields)
        table.set (field.slot, field.isWord ? getWord (field.offset) : getSignedByte (field.offset));
}

//==============================================================================
ArrangementRecord PlugBank::getRecord (int index) const
{
    const size_t start = (size_t) index * ARRANGEMENT_RECORD_SIZE;
    if (start + ARRANGEMENT_RECORD_SIZE > records.getSize())
        return {};
    return ArrangementRecord (juce::MemoryBlock (static_cast<const char*> (records.getData()) + start, ARRANGEMENT_RECORD_SIZE));
}

void PlugBank::putRecord (int index, const ArrangementRecord& record)
{
    const size_t start = (size_t) index * ARRANGEMENT_RECORD_SIZE;
    if (start + ARRANGEMENT_RECORD_SIZE <= records.getSize())
        records.copyFrom (record.getBytes().getData(), (int) start, ARRANGEMENT_RECORD_SIZE);
}

void PlugBank::setRecordName (int index, const juce::String& name)
{
    auto record = getRecord (index);
    record.setName (name);
    putRecord (index, record);
}

juce::MemoryBlock PlugBank::getNamePrefix (int index) const
{
    return juce::MemoryBlock (getRecord (index).getBytes().getData(), 23);
}

void PlugBank::fillDefaults()
{
    for (int slot = (int) records.getSize() / ARRANGEMENT_RECORD_SIZE; slot < ARRANGEMENT_COUNT; ++slot)
    {
        records.setSize ((size_t) slot * ARRANGEMENT_RECORD_SIZE);
        records.append (ArrangementRecord::defaultRecord (slot).getBytes().getData(), ARRANGEMENT_RECORD_SIZE);
    }
}

void PlugBank::loadRecords (const void* data, size_t size)
{
    const size_t whole = juce::jmin (size / ARRANGEMENT_RECORD_SIZE * ARRANGEMENT_RECORD_SIZE, (size_t) ARRANGEMENT_BANK_SIZE);
    if (records.getSize() < whole)
        records.setSize (whole);
    records.copyFrom (data, 0, whole);
}

ArrangementRecord PlugBank::captureRecord (const ValueSlots& table, int currentIndex, const juce::String& name)
{
    if ((int) scratch.getSize() != ARRANGEMENT_RECORD_SIZE)
        scratch = getRecord (currentIndex).getBytes();

    ArrangementRecord record (scratch);
    record.setName (name);
    for (int ch = 0; ch < 16; ++ch)
        record.setProgram (ch, table.get (slots::programSlot (ch)));
    record.readGlobals (table);

    scratch = record.getBytes();
    return record;
}

void PlugBank::applyRecord (const ArrangementRecord& record, ValueSlots& table)
{
    scratch = record.getBytes();
    for (int ch = 0; ch < 16; ++ch)
        table.set (slots::programSlot (ch), record.getProgram (ch));
    record.writeGlobals (table);
}
