#pragma once
// Reads the integers of one line of a problem file: blanks skipped, an
// optional sign, then digits; the next integer starts after the character
// that stopped the previous one, or, when a parse ran to the end of the line,
// at the same text again (so a header "17" reads as 17 x 17).

#include <cstdint>
#include <string>

class TIntReader {
public:
    explicit TIntReader(const std::string& line) : Line(line) {}

    // The next integer, saturated to the 64-bit range so no text overflows.
    int64_t Next();
    // True when the last Next ran to the end of the line.
    bool RanToEnd() const { return LastRanToEnd; }

private:
    const std::string& Line;
    size_t Start = 0;
    bool LastRanToEnd = false;
};
