#pragma once
// A problem of the benchmarks (bench/problems), read from the source tree.

#include <fstream>
#include <string>
#include <vector>

#include "solve/puzzle.h"

inline TPuzzle KeptProblem(const std::string& name)
{
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/tests/")) + "/bench/problems/" + name);
    std::vector<std::string> rows;
    std::string line;
    std::getline(in, line);  // the size
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        rows.push_back(line);
    }
    return PuzzleFromRows(rows);
}
