#pragma once

#include <cstdint>
#include <string>
#include <vector>

/** A small deterministic generator (splitmix64): the same seed gives the same
    factory content on every machine and compiler. */
class Random
{
public:
    explicit Random (uint64_t seed) : state (seed) {}

    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    /** An integer in lo..hi, both included. */
    int between (int lo, int hi) { return lo + (int) (next() % (uint64_t) (hi - lo + 1)); }
    bool chance (int percent) { return between (1, 100) <= percent; }

    template <typename T>
    const T& pick (const std::vector<T>& items) { return items[(size_t) between (0, (int) items.size() - 1)]; }

private:
    uint64_t state;
};
