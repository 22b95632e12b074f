#pragma once
// After a file is chosen in a dialog the working folder becomes that file's
// folder, so the record, statistics and answer files follow the user.

#include <string>

// Makes the folder of path the working folder; false when it cannot be.
bool ChangeWorkingFolderToFileOf(const std::string& path);

// The path made absolute against the working folder, so it still names the
// same file after the working folder moves.
std::string AbsolutePath(const std::string& path);
