#pragma once
// Problem names: a file name without its folder, cut at the first "_" and
// the first ".", so a problem, its saved games and its answer share a name.

#include <cstdint>
#include <string>

// The problem name of a path (UTF-8 in, UTF-8 out). Both "/" and "\"
// separate folders.
std::string ProblemNameFromPath(const std::string& path);

// The window caption for a problem and its best time.
std::string ProblemCaption(const std::string& nameUtf8, int32_t bestSeconds);

inline constexpr char kTitle[] = "ハトロパズル　くいろん";
