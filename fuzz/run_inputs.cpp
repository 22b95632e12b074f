// Runs saved inputs through a fuzz target's checks without libFuzzer, so
// that a failure once found stays fixed: fuzz_inputs TARGET PATH... where a
// path is a file or a folder of files. A broken check aborts.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "checks.h"

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_inputs game_file|solver PATH...\n");
        return 64;
    }
    const std::string target = argv[1];
    void (*check)(const uint8_t*, size_t) = target == "game_file" ? CheckGameFile : target == "solver" ? CheckSolver : nullptr;
    if (!check) {
        std::fprintf(stderr, "fuzz_inputs: unknown target '%s'\n", target.c_str());
        return 64;
    }
    std::vector<fs::path> inputs;
    for (int k = 2; k < argc; ++k) {
        const fs::path path = argv[k];
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') inputs.push_back(entry.path());
        } else if (fs::exists(path)) {
            inputs.push_back(path);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", input.c_str());
        check(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("fuzz_inputs: %zu inputs of %s checked\n", inputs.size(), target.c_str());
    return 0;
}
