#pragma once
// Runs quilorn-tool as a user would and captures what it printed.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the tool with the argument text (already quoted for the shell) in the
// given working folder.
inline TToolRun RunTool(const std::string& arguments, const std::string& folder = ".")
{
    char pattern[] = "/tmp/quilorn-tool-run-XXXXXX";
    const std::string capture = mkdtemp(pattern);
    const std::string command = "cd '" + folder + "' && '" + std::string(QUILORN_TOOL) + "' " + arguments + " >'" +
                                capture + "/out' 2>'" + capture + "/err'";
    TToolRun run;
    const int raw = std::system(command.c_str());
    run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.Out = ReadWholeFile(capture + "/out");
    run.Err = ReadWholeFile(capture + "/err");
    const std::string cleanup = "rm -rf '" + capture + "'";
    if (std::system(cleanup.c_str()) != 0) run.Status = -2;
    return run;
}

// A fresh folder for one test's files.
inline std::string MakeScratchFolder()
{
    char pattern[] = "/tmp/quilorn-tool-test-XXXXXX";
    return mkdtemp(pattern);
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}
