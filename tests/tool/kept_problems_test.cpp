// Every problem file kept in the repository (the benchmark problems and the
// built-in sample) goes through the whole file path as a user's file would:
// read and replayed, drawn, and written back. The benchmarks read these
// files too, so a change that could no longer read them shows up here.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/sample_problem.h"
#include "files/text_file.h"
#include "tool_runner.h"

namespace {

std::vector<std::string> KeptProblemFiles()
{
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QUILORN_SOURCE_DIR) + "/bench/problems")) {
        if (entry.path().extension() == ".txt") paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Reads, draws and rewrites one file; the rewritten bytes are returned.
std::string ReadDrawAndRewrite(const std::string& folder, const std::string& in, const std::string& out)
{
    const TToolRun check = RunTool("check '" + in + "'", folder);
    EXPECT_EQ(check.Status, 0) << in << ": " << check.Err;
    EXPECT_EQ(check.Err, "") << in;
    const TToolRun render = RunTool("render '" + in + "' --out picture.png", folder);
    EXPECT_EQ(render.Status, 0) << in << ": " << render.Err;
    EXPECT_GT(ReadWholeFile(folder + "/picture.png").size(), 100u) << in;
    const TToolRun rewrite = RunTool("rewrite '" + in + "' '" + out + "'", folder);
    EXPECT_EQ(rewrite.Status, 0) << in << ": " << rewrite.Err;
    return ReadWholeFile(out);
}

}  // namespace

TEST(KeptProblems, ReadDrawAndRewriteToTheSameBytes)
{
    const std::string folder = MakeScratchFolder();
    const std::vector<std::string> kept = KeptProblemFiles();
    ASSERT_GE(kept.size(), 50u);
    for (const std::string& path : kept) {
        const std::string rewritten = ReadDrawAndRewrite(folder, path, folder + "/again.txt");
        EXPECT_EQ(rewritten, ReadWholeFile(path)) << path;
    }

    // The sample ends with an empty progress line, so its first rewrite
    // spells the progress out; from then on the bytes must hold.
    const std::string sample = folder + "/sample.txt";
    WriteWholeFile(sample, JoinLinesCrLf(SampleProblemLines()));
    const std::string first = ReadDrawAndRewrite(folder, sample, folder + "/first.txt");
    const std::vector<std::string>& lines = SampleProblemLines();
    const std::string problemPart = JoinLinesCrLf(std::vector<std::string>(lines.begin(), lines.begin() + 18));
    EXPECT_EQ(first, problemPart + "   0 0\r\n");
    EXPECT_EQ(ReadDrawAndRewrite(folder, folder + "/first.txt", folder + "/second.txt"), first);
    std::filesystem::remove_all(folder);
}
