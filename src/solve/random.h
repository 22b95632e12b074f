#pragma once
// A small random generator whose sequence depends on the seed alone, on every
// platform and library (the standard distributions do not promise that), so
// a generated problem is the same for the same seed everywhere.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class TRandom {
public:
    explicit TRandom(uint64_t seed) : State(seed) {}

    uint64_t Next()
    {
        // splitmix64
        uint64_t z = (State += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in 0..n-1 for n > 0, without the bias of a plain remainder.
    int Below(int n)
    {
        const uint64_t range = static_cast<uint64_t>(n);
        const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        uint64_t x;
        do {
            x = Next();
        } while (x >= limit);
        return static_cast<int>(x % range);
    }

    // True with probability percent / 100.
    bool Chance(int percent) { return Below(100) < percent; }

    template <typename T>
    void Shuffle(std::vector<T>& items)
    {
        for (size_t k = items.size(); k > 1; --k) std::swap(items[k - 1], items[static_cast<size_t>(Below(static_cast<int>(k)))]);
    }

private:
    uint64_t State;
};
