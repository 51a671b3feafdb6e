#include "model/BankIndex.h"
#include "model/ObjectType.h"

#include <cstring>

namespace
{
std::string fourDigits (int id)
{
    char text[8];
    std::snprintf (text, sizeof (text), "%04d", id % 10000);
    return text;
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

void BankIndex::index()
{
    const auto* data = stream.data();
    const size_t end = stream.size();
    const size_t length = opener.size();
    size_t scan = 0;

    for (int id = 1; id <= slotCount; ++id)
    {
        std::memcpy (&opener[length - 4], fourDigits (id).data(), 4);

        // First byte by memchr, then the whole opener: one pass over the stream for all IDs.
        for (size_t p = scan; p + length <= end;)
        {
            const void* hit = std::memchr (data + p, opener[0], end - length + 1 - p);
            if (hit == nullptr)
                break;
            p = (size_t) (static_cast<const uint8_t*> (hit) - data);
            if (std::memcmp (data + p, opener.data(), length) == 0)
            {
                offsets[(size_t) id] = (int) (p + (size_t) nameSkip);
                scan = (size_t) offsets[(size_t) id];
                break;
            }
            ++p;
        }
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
