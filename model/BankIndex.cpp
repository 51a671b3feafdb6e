#include "model/BankIndex.h"
#include "model/ObjectType.h"

#include <cstring>

namespace
{
void writeFourDigits (char* at, int id)
{
    for (int i = 3; i >= 0; --i, id /= 10)
        at[i] = (char) ('0' + id % 10);
}
}

void BankIndex::build (int code, const Bytes& bankStream, int maxId)
{
    build (code, Bytes (bankStream), maxId);
}

void BankIndex::build (int code, Bytes&& bankStream, int maxId)
{
    stream.clear();
    offsets.assign ((size_t) std::max (0, maxId + 2), 0);
    slotCount = maxId + 1;
    typeCode = code;

    const auto* info = objectTypeInfo (code);
    if (info == nullptr || code == typeFxPreset)
        return;

    const bool inner = info->innerTag != nullptr;
    nameSkip = inner ? 24 : 14;
    lengthBias = inner ? -48 : -28;
    categoryOffset = code == typeProgram ? 30 : inner ? 26 : 50;
    subCategoryOffset = code == typeProgram ? 31 : categoryOffset;
    opener = std::string (info->bankTag) + info->recordWord + ">0000";

    stream = std::move (bankStream);
    index();
}

bool BankIndex::openerAt (size_t position) const
{
    // The first byte decides nearly every miss without a call.
    return position + OPENER_SIZE <= stream.size() && stream[position] == (uint8_t) opener[0]
        && std::memcmp (stream.data() + position, opener.data(), OPENER_SIZE) == 0;
}

bool BankIndex::openerBetween (size_t from, size_t to) const
{
    // The opener cannot overlap a copy of itself (its digits never match its
    // letters), so only starts that end before `to` need looking at: a few tag bytes.
    for (size_t q = from; q + OPENER_SIZE <= to; ++q)
        if (openerAt (q))
            return true;
    return false;
}

void BankIndex::index()
{
    const auto* data = stream.data();
    const size_t end = stream.size();
    // Where the next opener stands when a record is empty: right after its own closing tags.
    const size_t emptyRecordSize = (size_t) -lengthBias;
    size_t scan = 0;
    size_t expected = 0;

    for (int id = 1; id <= slotCount; ++id)
    {
        writeFourDigits (&opener[OPENER_SIZE - 4], id % 10000);

        // Nearly every ID of a bank is empty, so its opener is looked for first where
        // an empty record puts it. Otherwise memmem finds it: one forward pass over
        // the stream for all IDs.
        const uint8_t* hit = nullptr;
        if (id > 1 && openerAt (expected) && ! openerBetween (scan, expected))
            hit = data + expected;
        else if (scan + OPENER_SIZE <= end)
            hit = static_cast<const uint8_t*> (memmem (data + scan, end - scan, opener.data(), OPENER_SIZE));
        if (hit == nullptr)
            continue;

        const auto p = (size_t) (hit - data);
        offsets[(size_t) id] = (int) (p + (size_t) nameSkip);
        scan = p + (size_t) nameSkip;
        expected = p + emptyRecordSize;
    }
}

int BankIndex::recordOffset (int id) const
{
    return exists (id) ? offsetOf (id) : -1;
}

int BankIndex::recordLength (int id) const
{
    const int start = offsetOf (id), next = offsetOf (id + 1);
    if (start == 0 || next == 0)
        return 0;
    return std::max (0, next - start + lengthBias);
}

Bytes BankIndex::getRecord (int id) const
{
    const int length = recordLength (id);
    if (length < 24)
        return {};
    return bytes::slice (stream, offsetOf (id), length);
}

void BankIndex::replaceRecord (int id, const Bytes& payload)
{
    const int start = offsetOf (id);
    if (start == 0)
        return;

    const int old = recordLength (id);
    const int grow = (int) payload.size() - old;

    stream.erase (stream.begin() + start, stream.begin() + start + old);
    stream.insert (stream.begin() + start, payload.begin(), payload.end());

    for (size_t later = (size_t) id + 1; later < offsets.size(); ++later)
        if (offsets[later] != 0)
            offsets[later] += grow;
}

int BankIndex::getByte (int id, int k) const
{
    const int start = offsetOf (id);
    if (offsetOf (id + 1) - start < 50)
        return 0;
    return bytes::s8 (stream, (long) start + k);
}

int BankIndex::getWord (int id, int k) const
{
    const int start = offsetOf (id);
    if (offsetOf (id + 1) - start < 20 || ! bytes::inside (stream, (long) start + k, 2))
        return 0;
    return bytes::u16 (stream, (long) start + k);
}

Bytes BankIndex::getBytes (int id, int k, int n) const
{
    const int start = offsetOf (id);
    if (offsetOf (id + 1) - start < 20 || ! bytes::inside (stream, (long) start + k, n))
        return {};
    return bytes::slice (stream, (long) start + k, n);
}

std::string BankIndex::getName (int id) const
{
    const int start = offsetOf (id);
    if (recordLength (id) < 25 || ! bytes::inside (stream, start, 20))
        return {};
    return bytes::printable (stream, start, 20);
}

std::string BankIndex::getCategoryName (int id) const
{
    if (typeCode != typeProgram || recordLength (id) < 24)
        return {};
    return categoryName (getCategory (id));
}

std::string BankIndex::getArpKindText (int id) const
{
    if (recordLength (id) < 24)
        return {};
    switch (getByte (id, 61))
    {
        case 0: return "CLASSIC";
        case 1: return "STEP. SEQ: " + std::to_string (getByte (id, 71));
        default: return {};
    }
}

std::vector<int> BankIndex::listIds (int mode, int arg) const
{
    std::vector<int> ids;
    const int maxId = slotCount - 1;

    auto addWhere = [&ids] (int from, int to, auto&& keep)
    {
        for (int id = from; id <= to; ++id)
            if (keep (id))
                ids.push_back (id);
    };
    auto isThere = [this] (int id) { return exists (id); };
    auto always = [] (int) { return true; };

    switch (mode)
    {
        case LIST_ALL:      addWhere (1, maxId + 1, always); break;
        case LIST_CATEGORY: addWhere (0, maxId, [this, arg] (int id) { return getCategory (id) == arg; }); break;
        case LIST_EXISTING: addWhere (1, maxId + 1, isThere); break;
        case LIST_HALF:
            if (arg == 0)
                addWhere (0, UPPER_HALF - 1, isThere);
            else if (arg == 1)
                addWhere (UPPER_HALF, maxId + 1, isThere);
            else if (arg == 100)
                addWhere (UPPER_HALF, maxId + 1, always);
            break;
        default: break;
    }
    return ids;
}
