#pragma once
// The four board sizes of 新規 and the problem names that go with them.

#include <cstdint>
#include <iterator>
#include <string>

struct TBoardSize {
    int Rows;
    int Cols;
    const char* Name;
};

inline constexpr TBoardSize kBoardSizes[] = {
    {10, 10, "Quilorn"},
    {17, 17, "QuilornG"},
    {31, 45, "QuilornH"},
    {50, 64, "QuilornS"},
};

inline constexpr int kBoardSizeCount = static_cast<int>(std::size(kBoardSizes));

// A made problem is named by its size and seed ("QuilornG-48213"), so that
// its best time is kept apart from every other problem's.
inline std::string GeneratedProblemName(int size, uint64_t seed)
{
    return std::string(kBoardSizes[size].Name) + "-" + std::to_string(seed);
}
