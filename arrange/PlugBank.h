#pragma once

#include <juce_core/juce_core.h>

class ValueSlots;

constexpr int ARRANGEMENT_COUNT = 64;
constexpr int ARRANGEMENT_RECORD_SIZE = 300;
constexpr int ARRANGEMENT_NAME_LENGTH = 24;
constexpr int ARRANGEMENT_BANK_SIZE = ARRANGEMENT_COUNT * ARRANGEMENT_RECORD_SIZE;

/** One 300-byte arrangement: name, sixteen channel programs, the multi, the
    mode and six more global values; bytes 67..299 are carried, never read.
    Multi-byte fields are big-endian. */
class ArrangementRecord
{
public:
    static constexpr int PROGRAMS_OFFSET = 24;
    static constexpr int MULTI_OFFSET = 56;
    static constexpr int MODE_OFFSET = 58;
    static constexpr int RESERVED_OFFSET = 67;

    /** 300 zero bytes. */
    ArrangementRecord();
    /** The first 300 bytes of a block; a shorter block is padded with zeros. */
    explicit ArrangementRecord (const juce::MemoryBlock& bytes);

    /** The record of bank slot 0..63 in a new bank. */
    static ArrangementRecord defaultRecord (int slot);

    const juce::MemoryBlock& getBytes() const { return bytes; }

    /** All 24 name characters, trailing spaces included. */
    juce::String getName() const;
    /** Stores a name: cut or space-padded to 24; codes outside 20..159 become spaces. */
    void setName (const juce::String& name);

    int getProgram (int channel) const { return getWord (PROGRAMS_OFFSET + 2 * channel); }
    void setProgram (int channel, int program) { setWord (PROGRAMS_OFFSET + 2 * channel, program); }
    int getMulti() const { return getWord (MULTI_OFFSET); }
    /** 1 program mode, 2 multi mode (0 in records written before the mode was kept). */
    int getMode() const { return getSignedByte (MODE_OFFSET); }

    /** Copies the global values (slots 2304..2311) between record and table. */
    void readGlobals (const ValueSlots& table);
    void writeGlobals (ValueSlots& table) const;

    int getWord (int offset) const;
    void setWord (int offset, int value);
    int getSignedByte (int offset) const;
    void setByte (int offset, int value);

private:
    juce::MemoryBlock bytes;
};

/** The bank of 64 arrangements, held as 64 records back to back, and the
    scratch record that keeps the reserved bytes of the last recalled one. */
class PlugBank
{
public:
    PlugBank() = default;

    bool isComplete() const { return (int) records.getSize() >= ARRANGEMENT_BANK_SIZE; }
    const juce::MemoryBlock& getRecords() const { return records; }

    ArrangementRecord getRecord (int index) const;
    void putRecord (int index, const ArrangementRecord& record);
    juce::String getRecordName (int index) const { return getRecord (index).getName(); }
    void setRecordName (int index, const juce::String& name);
    /** The first 23 bytes of a record (the name, as a program file header wants it). */
    juce::MemoryBlock getNamePrefix (int index) const;

    /** Appends the default record of every slot not yet present, so a bank
        read from a short or foreign file still has all 64 arrangements. */
    void fillDefaults();

    /** Overwrites the bank from the start with the whole records in data;
        records beyond them keep their contents. */
    void loadRecords (const void* data, size_t size);

    /** The live state as a record, keeping the scratch record's reserved bytes. */
    ArrangementRecord captureRecord (const ValueSlots& table, int currentIndex, const juce::String& name);
    /** Writes a record into the value table and keeps it as the scratch record. */
    void applyRecord (const ArrangementRecord& record, ValueSlots& table);

private:
    juce::MemoryBlock records;
    juce::MemoryBlock scratch;
};
