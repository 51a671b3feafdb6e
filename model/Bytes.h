#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/** Byte data of records, banks and messages. */
using Bytes = std::vector<uint8_t>;

/** Bounds-checked big-endian reads and writes on a byte vector: a read outside
    the data gives 0, a write outside it is dropped. Every layout reader goes
    through these, so no record ever reads past its end. */
namespace bytes
{
inline int u8 (const Bytes& b, long i) { return i >= 0 && (size_t) i < b.size() ? b[(size_t) i] : 0; }
inline int s8 (const Bytes& b, long i) { return (int8_t) u8 (b, i); }
inline int u16 (const Bytes& b, long i) { return u8 (b, i) << 8 | u8 (b, i + 1); }
inline int s16 (const Bytes& b, long i) { return (int16_t) u16 (b, i); }
inline int32_t s32 (const Bytes& b, long i)
{
    return (int32_t) ((uint32_t) u8 (b, i) << 24 | (uint32_t) u8 (b, i + 1) << 16 | (uint32_t) u8 (b, i + 2) << 8 | (uint32_t) u8 (b, i + 3));
}

inline bool inside (const Bytes& b, long i, long n = 1) { return i >= 0 && n >= 0 && (size_t) (i + n) <= b.size(); }

inline void put8 (Bytes& b, long i, int v)
{
    if (inside (b, i))
        b[(size_t) i] = (uint8_t) v;
}
inline void put16 (Bytes& b, long i, int v)
{
    if (inside (b, i, 2))
    {
        b[(size_t) i] = (uint8_t) (v >> 8);
        b[(size_t) i + 1] = (uint8_t) v;
    }
}
inline void put32 (Bytes& b, long i, int32_t v)
{
    if (inside (b, i, 4))
        for (int k = 0; k < 4; ++k)
            b[(size_t) i + (size_t) k] = (uint8_t) ((uint32_t) v >> (24 - 8 * k));
}

/** Bytes [start, start + n) clipped to the data. */
inline Bytes slice (const Bytes& b, long start, long n)
{
    if (start < 0 || n <= 0 || (size_t) start >= b.size())
        return {};
    const size_t end = std::min (b.size(), (size_t) (start + n));
    return Bytes (b.begin() + start, b.begin() + (long) end);
}

/** Name bytes as text, leaving out every byte whose signed value is 0 or below. */
inline std::string printable (const Bytes& b, long start, long n)
{
    std::string text;
    for (long i = start; i < start + n; ++i)
        if (s8 (b, i) > 0)
            text += (char) b[(size_t) i];
    return text;
}

inline void append (Bytes& b, const std::string& text) { b.insert (b.end(), text.begin(), text.end()); }
inline void append (Bytes& b, const Bytes& more) { b.insert (b.end(), more.begin(), more.end()); }
}
