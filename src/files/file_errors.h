#pragma once
// The texts of file errors shown to the user; each names the file and the
// reason, on one line.

#include <string>

std::string ReadErrorText(const std::string& path, const std::string& reason);
std::string WriteErrorText(const std::string& path, const std::string& reason);
std::string RefusedFileText(const std::string& path, const std::string& reason);
