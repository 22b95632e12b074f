// Reading text in pieces, problem files as the game keeps them, and the
// crash-safe writer when the disk fails it.

#include <dirent.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/problem_file.h"
#include "files/text_file.h"
#include "test_support.h"

// The writer's fsync, failing on demand: the test binary's definition comes
// before the C library's for every call in it.
namespace {
int FsyncError = 0;
}
extern "C" int fsync(int fd)
{
    if (FsyncError != 0) {
        errno = FsyncError;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

std::vector<std::string> SplitInPieces(const std::string& bytes, size_t piece, bool skipMark, bool& ok)
{
    std::vector<std::string> lines;
    TTextLineSplitter splitter([&lines](std::string_view line) { lines.emplace_back(line); }, skipMark);
    ok = true;
    for (size_t at = 0; at < bytes.size() && ok; at += piece) {
        ok = splitter.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
    }
    if (ok) splitter.Finish();
    return lines;
}

int OpenDescriptors()
{
    int count = 0;
    DIR* dir = opendir("/proc/self/fd");
    while (dirent* entry = readdir(dir)) count += entry->d_name[0] != '.';
    closedir(dir);
    return count;
}

}  // namespace

TEST(TextFile, LinesAreTheSameWhateverPiecesTheBytesComeIn)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\r\n\n", {"", "", ""}},
        {"ab\x1A\x1A", {"ab"}},                       // end-of-file marks at the end close the file
        {"a\r\n\x1A", {"a"}},
        {"a\x1A\r\n\x1A" "b\x1A", {"a\x1A", "\x1A" "b"}},  // marks inside the text are text
        {"a\r\x1A\n", {"a", "\x1A"}},
        {"\xEF\xBB\xBF" "1 2\r\n", {"1 2"}},            // the byte order mark is passed over
        {"\xEF\xBB" "x", {"\xEF\xBB" "x"}},            // a start of one that is not one is text
        {"\xEF", {"\xEF"}},
        {"x\xEF\xBB\xBF", {"x\xEF\xBB\xBF"}},          // only at the very start
    };
    for (const auto& [bytes, expected] : cases) {
        for (size_t piece : {size_t{1}, size_t{2}, size_t{3}, bytes.size()}) {
            bool ok = false;
            EXPECT_EQ(SplitInPieces(bytes, piece, true, ok), expected) << bytes << " in pieces of " << piece;
            EXPECT_TRUE(ok);
        }
    }
    bool ok = true;
    EXPECT_EQ(SplitInPieces("\xEF\xBB\xBF", 1, false, ok), std::vector<std::string>{"\xEF\xBB\xBF"});

    // A control code stops the text wherever it falls, with its offset.
    for (size_t piece : {size_t{1}, size_t{4}}) {
        std::vector<std::string> lines;
        TTextLineSplitter splitter([&lines](std::string_view line) { lines.emplace_back(line); }, false);
        const std::string bytes = std::string("ab\r\ncd") + '\0' + "e";
        bool fed = true;
        for (size_t at = 0; at < bytes.size() && fed; at += piece)
            fed = splitter.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
        EXPECT_FALSE(fed);
        EXPECT_EQ(splitter.Reason(), "not a text file (byte 0x00 at offset 6)");
    }
}

TEST(TextFile, GameFileKeepsItsProblemAsLinesAndItsMovesRead)
{
    TScratchFolder folder;
    std::string bytes = "   2   2\r\n....\r\n....\r\n   4 9\r\n";
    for (int k = 0; k < 3; ++k) bytes += "   1   2   0\r\n";
    bytes += "   9   9   0\r\n   3   3   1\r\n";  // beyond the board; past the count
    WriteBytes("g.txt", bytes);
    TProblemFile file;
    std::string reason;
    ASSERT_TRUE(LoadProblemFile("g.txt", file, reason)) << reason;
    EXPECT_EQ(file.Lines, (std::vector<std::string>{"   2   2", "....", "....", "   4 9"}));
    ASSERT_EQ(file.Moves.size(), 4u);
    EXPECT_TRUE(file.Moves[2].Readable);
    EXPECT_EQ(file.Moves[2].Move.Col, 2);
    EXPECT_FALSE(file.Moves[3].Readable);

    // The play-mode Open keeps no line per move.
    TTestGame g;
    ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/g.txt", true));
    EXPECT_EQ(g->MemoMondai.size(), 4u);
    EXPECT_EQ(g->UndoCount, 3u);

    // A folder is not an empty file.
    ASSERT_EQ(mkdir("folder.txt", 0755), 0);
    EXPECT_FALSE(LoadProblemFile("folder.txt", file, reason));
    EXPECT_EQ(reason, "フォルダです。ファイルを選んでください");
}

TEST(TextFile, FailedSyncLeavesNoDescriptorOrTemporaryFileBehind)
{
    TScratchFolder folder;
    WriteBytes("kept.txt", "old\r\n");
    const int before = OpenDescriptors();
    FsyncError = EIO;
    std::string reason;
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(WriteFileReplacing("kept.txt", "new\r\n", reason));
    FsyncError = 0;
    EXPECT_EQ(reason, std::strerror(EIO));
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_EQ(ReadBytes("kept.txt"), "old\r\n");
    EXPECT_EQ(std::system("test \"$(ls -A)\" = kept.txt"), 0);
    EXPECT_TRUE(WriteFileReplacing("kept.txt", "new\r\n", reason));
    EXPECT_EQ(ReadBytes("kept.txt"), "new\r\n");
}
