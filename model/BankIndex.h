#pragma once

#include "model/Bytes.h"

#include <string>
#include <vector>

/** One bank: the whole tagged stream of a type, and a table from ID to the
    position of each record's payload. Records are found by their openers in
    one forward pass; a record's length follows from where the next one starts.
    Nothing here reads outside the stream: absent records read as empty. */
class BankIndex
{
public:
    /** Replaces the stream with a copy of bankStream and indexes IDs 1 .. maxId + 1. */
    void build (int typeCode, const Bytes& bankStream, int maxId);
    void build (int typeCode, Bytes&& bankStream, int maxId);

    int getTypeCode() const { return typeCode; }
    int getSlotCount() const { return slotCount; }
    const Bytes& getStream() const { return stream; }

    /** The record's opener was found (it may still be empty). */
    bool hasRecord (int id) const { return offsetOf (id) != 0; }
    /** Where the record's opener starts in the stream; -1 when it was not found. */
    int openerPosition (int id) const { return hasRecord (id) ? offsetOf (id) - nameSkip : -1; }

    int recordOffset (int id) const;
    int recordLength (int id) const;
    bool exists (int id) const { return recordLength (id) > 20; }
    /** The payload (name first); empty unless it exists and has at least 24 bytes. */
    Bytes getRecord (int id) const;
    /** Replaces the payload of a record whose opener was found. */
    void replaceRecord (int id, const Bytes& payload);

    int getByte (int id, int k) const;
    int getWord (int id, int k) const;
    Bytes getBytes (int id, int k, int n) const;
    std::string getName (int id) const;

    int getCategory (int id) const { return getByte (id, categoryOffset); }
    int getSubCategory (int id) const { return getByte (id, subCategoryOffset); }
    /** The browsers' variants: 0 for records shorter than 24 bytes. */
    int getListCategory (int id) const { return recordLength (id) < 24 ? 0 : getCategory (id); }
    int getListSubCategory (int id) const { return recordLength (id) < 24 ? 0 : getSubCategory (id); }
    std::string getCategoryName (int id) const;
    std::string getArpKindText (int id) const;

    enum ListMode { LIST_ALL = 0, LIST_HALF = 1, LIST_CATEGORY = 2, LIST_EXISTING = 4 };
    /** IDs in ascending order; for LIST_HALF arg 0 is the lower half, 1 the
        upper half and 100 every upper ID, empty or not. */
    std::vector<int> listIds (int mode, int arg) const;

    static constexpr int UPPER_HALF = 4096;
    /** Type tag, record word, ">" and four digits. */
    static constexpr size_t OPENER_SIZE = 14;

private:
    int offsetOf (int id) const { return id >= 0 && id < (int) offsets.size() ? offsets[(size_t) id] : 0; }
    void index();
    bool openerAt (size_t position) const;
    /** Whether the opener starts anywhere in from .. to (exclusive) and ends by to. */
    bool openerBetween (size_t from, size_t to) const;

    Bytes stream;
    int typeCode = 0;
    std::vector<int> offsets;
    int slotCount = 0;
    int categoryOffset = 50, subCategoryOffset = 50;
    int lengthBias = -28;
    int nameSkip = 14;
    std::string opener;
};
