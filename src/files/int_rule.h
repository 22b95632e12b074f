#pragma once
// Reads the integers of one line of a problem file: blanks skipped, an
// optional sign, then digits; the next integer starts after the character
// that stopped the previous one, or, when a parse ran to the end of the line,
// at the same text again (so a header "17" reads as 17 x 17).

#include <cstdint>
#include <string_view>

class TIntReader {
public:
    // The line must outlive the reader.
    explicit TIntReader(std::string_view line) : Line(line) {}

    // The next integer; a number beyond the 64-bit range reads as its
    // largest (or most negative) value, so no text overflows.
    int64_t Next();
    // True when the last Next ran to the end of the line.
    bool RanToEnd() const { return LastRanToEnd; }

private:
    std::string_view Line;
    size_t Start = 0;
    bool LastRanToEnd = false;
};
