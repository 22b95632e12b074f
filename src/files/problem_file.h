#pragma once
// Reading a problem or saved game file into the form the game keeps: the
// lines of the problem and its progress line, and the move lines already
// read as moves. A saved game may carry millions of move lines; kept as
// strings they would take several times the file's size.

#include <string>
#include <string_view>
#include <vector>

#include "files/problem_text.h"

struct TProblemFile {
    // The header, the rows and the progress line, as far as the file has
    // them; only the header when it names no board size.
    std::vector<std::string> Lines;
    // The move lines after the progress line, at most as many as it states,
    // read for the board the header names.
    std::vector<TStoredMove> Moves;
};

// Reads a file. A UTF-8 byte order mark at its start is passed over: the
// file was saved as UTF-8, and everything a problem file holds reads the
// same in UTF-8 as in Shift-JIS. False with a reason when the file cannot be
// read, as LoadTextLines gives it.
bool LoadProblemFile(const std::string& path, TProblemFile& file, std::string& reason);

// The same for a file's bytes in memory.
bool ReadProblemBytes(std::string_view bytes, TProblemFile& file, std::string& reason);
