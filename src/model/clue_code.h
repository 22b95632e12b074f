#pragma once
// The forms of a clue: arrow letter, the number character of a problem file,
// and the items of the clue choice list.

#include <cstdint>
#include <string>

namespace ClueCode {

// Arrow letters in the order of the choice list's columns.
inline constexpr char kArrowLetters[] = "lrud";
inline constexpr int kChoiceItems = 50;   // 40 clues and ten "remove" items
inline constexpr int kFirstRemoveItem = 40;

// Number of a file token's second character: "0".."9" 0..9, "A".."Z" 10..35,
// "a".."z" 36..61; anything else 0.
int NumberFromChar(char ch);

// Character that NumberFromChar reads back as n, for n in 0..61; n above 61
// cannot come from a file or from the editor and is written as its last digit
// in base 62 so the row keeps two characters per cell.
char CharFromNumber(int n);

// Arrow drawn on the board for a letter, in UTF-8; empty for other letters.
std::string ArrowGlyph(char arrow);

// Caption of choice item k (0..49) in UTF-8: "0←".."9↓" and "□".
std::string ChoiceCaption(int k);

}  // namespace ClueCode
