#pragma once

#include "model/Bytes.h"

#include <map>

/** Writes a bank in the tagged stream form: the bank opener, one record per
    ID from 1 to the last ID (empty ones included), the bank closer. */
class BankWriter
{
public:
    explicit BankWriter (int typeCode);

    /** Appends the record of the next ID; an empty payload makes an empty record. */
    void addRecord (const Bytes& payload);
    int nextId() const { return id + 1; }
    /** Appends the bank closer and hands the stream over. */
    Bytes finish();

    /** A whole bank of IDs 1 .. lastId holding the given objects (name-first payloads). */
    static Bytes makeBank (int typeCode, int lastId, const std::map<int, Bytes>& objects);

private:
    std::string tag, word, inner;
    Bytes stream;
    int id = 0;
};
