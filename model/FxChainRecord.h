#pragma once

#include "model/Bytes.h"

#include <string>
#include <vector>

/** The layout of an FX chain record and the effect codes of its units. */
namespace fxchain
{
struct Unit
{
    int position, type, size;
};

struct Decoded
{
    int chainStart = -1;            // k; -1 when the record has none
    std::vector<Unit> units;
    int controlListPosition = 0;    // 0 when there is no chain start
};

/** The first k in 20..59 with 0x14 at k and 0x00 at k - 1 and k - 2; -1 if none. */
int findChainStart (const Bytes& record);
Decoded decode (const Bytes& record);
/** Size of a control (or controller name) list at a position: 4 + the entries. */
int controlListSize (const Bytes& record, int position);

/** The four-character code of an effect type ID (four spaces when unknown). */
std::string effectCode (int typeId);
/** The categories (1..17) an effect code puts its chain into. */
std::vector<int> categoriesOfCode (const std::string& code);
}
