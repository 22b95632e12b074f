#pragma once
// Row operations on 32-bit pixels, the inner loops of every fill. At the
// project's -O2 the compiler leaves a plain loop scalar, which makes a
// full-HD clear ten times slower than it need be; with SSE2 (always there on
// x86-64) four pixels go at a time. Other machines get the plain loops.

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Sets count pixels from row on to value.
inline void FillRow(uint32_t* row, int64_t count, uint32_t value)
{
#if defined(__SSE2__)
    while (count > 0 && (reinterpret_cast<uintptr_t>(row) & 15) != 0) {
        *row++ = value;
        --count;
    }
    const __m128i four = _mm_set1_epi32(static_cast<int>(value));
    for (; count >= 16; count -= 16, row += 16) {
        _mm_store_si128(reinterpret_cast<__m128i*>(row), four);
        _mm_store_si128(reinterpret_cast<__m128i*>(row + 4), four);
        _mm_store_si128(reinterpret_cast<__m128i*>(row + 8), four);
        _mm_store_si128(reinterpret_cast<__m128i*>(row + 12), four);
    }
    for (; count >= 4; count -= 4, row += 4) _mm_store_si128(reinterpret_cast<__m128i*>(row), four);
#endif
    for (; count > 0; --count) *row++ = value;
}

// The first x in from..to where (row[x] == value) equals equal, or to + 1.
inline int FindInRow(const uint32_t* row, int from, int to, uint32_t value, bool equal)
{
    int x = from;
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(value));
    for (; x + 3 <= to; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        int hits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(pixels, four)));
        if (!equal) hits ^= 0xF;
        if (hits != 0) return x + __builtin_ctz(static_cast<unsigned>(hits));
    }
#endif
    for (; x <= to; ++x)
        if ((row[x] == value) == equal) return x;
    return to + 1;
}

// The first set bit from..to of a row of bits, or to + 1.
inline int FindSetBit(const uint64_t* bits, int from, int to)
{
    int x = from;
    while (x <= to) {
        const uint64_t word = bits[x / 64] >> (x % 64);
        if (word != 0) {
            const int hit = x + __builtin_ctzll(word);
            return hit <= to ? hit : to + 1;
        }
        x = (x / 64 + 1) * 64;
    }
    return to + 1;
}
