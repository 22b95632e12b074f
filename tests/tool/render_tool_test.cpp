// quilorn-tool render, run as a user runs it: the picture it writes and how it
// reports failures.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct TRun {
    int Exit = -1;
    std::string Err;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RenderTool : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/render_tool_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + Dir + "'").c_str()); }

    TRun Run(const std::string& args)
    {
        const std::string errPath = Dir + "/stderr.txt";
        const std::string command = std::string("'") + QUILORN_TOOL + "' render " + args + " 2>'" + errPath + "'";
        const int status = std::system(command.c_str());
        TRun run;
        run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Err = ReadAll(errPath);
        return run;
    }

    // Width and height from a PNG file's header chunk; 0, 0 if it is none.
    std::pair<int, int> PictureSize(const std::string& path)
    {
        const std::string bytes = ReadAll(path);
        if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0 || bytes.compare(12, 4, "IHDR") != 0) return {0, 0};
        auto number = [&](size_t at) {
            int value = 0;
            for (size_t k = 0; k < 4; ++k) value = value * 256 + static_cast<unsigned char>(bytes[at + k]);
            return value;
        };
        return {number(16), number(20)};
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = Dir + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string Dir;
};

TEST_F(RenderTool, DrawsTheSampleAndGamesAtTheAskedSize)
{
    const TRun sample = Run("--sample --out '" + Dir + "/sample.png'");
    EXPECT_EQ(sample.Exit, 0) << sample.Err;
    EXPECT_EQ(sample.Err, "");
    EXPECT_EQ(PictureSize(Dir + "/sample.png"), std::make_pair(723, 440));

    // A game with a small loop, a green cell and a mark, replayed before
    // drawing, at a chosen size and zoom.
    const std::string game = Write("game.txt",
                                   "   4   4\r\n........\r\n........\r\n....u0..\r\nr2......\r\n"
                                   "   6  10\r\n   1   2   0\r\n   2   1   0\r\n   2   3   0\r\n"
                                   "   3   2   0\r\n   7   7   1\r\n   1   7   0\r\n");
    const TRun played = Run("'" + game + "' --width 300 --height 200 --unit 7 --out '" + Dir + "/game.png'");
    EXPECT_EQ(played.Exit, 0) << played.Err;
    EXPECT_EQ(PictureSize(Dir + "/game.png"), std::make_pair(300, 200));

    // At a scale the picture has that many device pixels, the last partly
    // covered one included; scale 1 is the plain picture, byte for byte.
    const TRun doubled = Run("'" + game + "' --width 300 --height 200 --scale 2 --out '" + Dir + "/game2.png'");
    EXPECT_EQ(doubled.Exit, 0) << doubled.Err;
    EXPECT_EQ(PictureSize(Dir + "/game2.png"), std::make_pair(600, 400));
    const TRun fractional = Run("--sample --scale 1.25 --out '" + Dir + "/sample125.png'");
    EXPECT_EQ(fractional.Exit, 0) << fractional.Err;
    EXPECT_EQ(PictureSize(Dir + "/sample125.png"), std::make_pair(904, 550));
    EXPECT_EQ(Run("--sample --scale 1 --out '" + Dir + "/sample1.png'").Exit, 0);
    EXPECT_EQ(ReadAll(Dir + "/sample1.png"), ReadAll(Dir + "/sample.png"));
}

TEST_F(RenderTool, ReportsFailuresOnOneLine)
{
    const std::string missing = Dir + "/missing.txt";
    const TRun unreadable = Run("'" + missing + "' --out '" + Dir + "/a.png'");
    EXPECT_EQ(unreadable.Exit, 2);
    EXPECT_EQ(unreadable.Err.rfind("error: " + missing + ": ", 0), 0u) << unreadable.Err;
    EXPECT_EQ(std::count(unreadable.Err.begin(), unreadable.Err.end(), '\n'), 1);

    const std::string out = Dir + "/no/such/folder/a.png";
    const TRun unwritable = Run("--sample --out '" + out + "'");
    EXPECT_EQ(unwritable.Exit, 2);
    EXPECT_EQ(unwritable.Err.rfind("error: " + out + ": ", 0), 0u) << unwritable.Err;
    EXPECT_EQ(std::count(unwritable.Err.begin(), unwritable.Err.end(), '\n'), 1);

    for (const std::string& args : {std::string("--sample"), std::string("--out x.png"),
                                    std::string("--sample --sample --out x.png"),
                                    std::string("--sample --out x.png --unit 2"),
                                    std::string("--sample --out x.png --unit 41"),
                                    std::string("--sample --out x.png --width 0"),
                                    std::string("--sample --out x.png --height 12x"),
                                    std::string("--sample --out x.png --zoom 3"),
                                    std::string("--sample --out x.png --scale 0"),
                                    std::string("--sample --out x.png --scale 4.5"),
                                    std::string("--sample --out x.png --scale 1.5x"),
                                    std::string("--sample --out x.png --scale nan"),
                                    std::string("--sample --out x.png --scale"),
                                    std::string("--sample --out x.png --width 5000 --scale 2"),
                                    std::string("--sample --out")}) {
        EXPECT_EQ(Run(args).Exit, 64) << args;
    }
}

}  // namespace
