#include "model/clue_code.h"

namespace ClueCode {

int NumberFromChar(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 36;
    return 0;
}

char CharFromNumber(int n)
{
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (n < 0) n = 0;
    return kDigits[n % 62];
}

std::string ArrowGlyph(char arrow)
{
    switch (arrow) {
    case 'l': return "\u2190";  // ←
    case 'r': return "\u2192";  // →
    case 'u': return "\u2191";  // ↑
    case 'd': return "\u2193";  // ↓
    default: return std::string();
    }
}

std::string ChoiceCaption(int k)
{
    if (k < 0 || k >= kFirstRemoveItem) return "\u25a1";  // □
    return std::string(1, static_cast<char>('0' + k % 10)) + ArrowGlyph(kArrowLetters[k / 10]);
}

}  // namespace ClueCode
