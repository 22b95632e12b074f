#include "files/int_rule.h"

int64_t TIntReader::Next()
{
    size_t i = Start;
    const size_t n = Line.size();
    while (i < n && Line[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (Line[i] == '+' || Line[i] == '-')) {
        negative = Line[i] == '-';
        ++i;
    }
    int64_t value = 0;
    while (i < n && Line[i] >= '0' && Line[i] <= '9') {
        const int digit = Line[i] - '0';
        value = value > (INT64_MAX - digit) / 10 ? INT64_MAX : value * 10 + digit;
        ++i;
    }
    if (i < n) {
        Start = i + 1;
        LastRanToEnd = false;
    } else {
        LastRanToEnd = true;  // the next parse reads the same text again
    }
    return negative ? -value : value;
}
