#include "model/Favourites.h"

void Favourites::load (const Bytes& bytes)
{
    table.assign (TABLE_SIZE, 0);
    std::copy (bytes.begin(), bytes.begin() + (long) std::min (bytes.size(), (size_t) TABLE_SIZE), table.begin());
}

void Favourites::assign (int index, int kind, int id)
{
    if (index < 0 || index >= COUNT)
        return;
    bytes::put8 (table, ENTRY_SIZE * index, kind);
    bytes::put16 (table, ENTRY_SIZE * index + 1, id);
}
