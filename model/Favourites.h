#pragma once

#include "model/Bytes.h"

/** The 32 favourites: 3 bytes each, kind (0 program, 1 multi) and a big-endian ID. */
class Favourites
{
public:
    static constexpr int COUNT = 32;
    static constexpr int ENTRY_SIZE = 3;
    static constexpr int TABLE_SIZE = COUNT * ENTRY_SIZE;
    enum Kind { PROGRAM = 0, MULTI = 1 };

    Favourites() : table (TABLE_SIZE, 0) {}

    /** Takes a file's bytes: at most 96 are read; a short table is completed with empty entries. */
    void load (const Bytes& bytes);
    const Bytes& getTable() const { return table; }

    int kindOf (int index) const { return bytes::u8 (table, ENTRY_SIZE * index); }
    /** The object ID; 0 or less means empty. */
    int idOf (int index) const { return bytes::s16 (table, ENTRY_SIZE * index + 1); }
    bool isEmpty (int index) const { return idOf (index) <= 0; }
    void assign (int index, int kind, int id);

private:
    Bytes table;
};
