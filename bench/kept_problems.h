#pragma once
// The problems kept in bench/problems for the benchmarks: p_RxC_NN.txt,
// unique problems made by the generator, read as the game reads them.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "solve/puzzle.h"

inline std::string KeptProblemFolder()
{
    const std::string here = __FILE__;
    return here.substr(0, here.rfind('/')) + "/problems";
}

// The files p_RxC_*.txt of the folder, in name order.
inline std::vector<std::string> KeptProblemFiles(int rows, int cols)
{
    const std::string prefix = "p_" + std::to_string(rows) + "x" + std::to_string(cols) + "_";
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(KeptProblemFolder(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every line of a file, without its line end.
inline std::vector<std::string> ReadKeptLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The clues of a kept problem file.
inline TPuzzle ReadKeptPuzzle(const std::string& path)
{
    const std::vector<std::string> lines = ReadKeptLines(path);
    return PuzzleFromRows(std::vector<std::string>(lines.begin() + (lines.empty() ? 0 : 1), lines.end()));
}
