#include "files/problem_file.h"

#include "files/int_rule.h"
#include "files/text_file.h"
#include "model/board.h"

namespace {

// Takes the lines of a file one by one into a TProblemFile.
class TProblemFileCollector {
public:
    explicit TProblemFileCollector(TProblemFile& file) : File(file) {}

    void operator()(std::string_view line)
    {
        std::vector<std::string>& lines = File.Lines;
        if (lines.empty()) {
            TIntReader header(line);
            const int64_t rows = header.Next();
            const int64_t cols = header.Next();
            if (rows >= 1 && rows <= TBoard::kMaxSize && cols >= 1 && cols <= TBoard::kMaxSize) {
                Rows = static_cast<int>(rows);
                Cols = static_cast<int>(cols);
            }
        }
        // Header, rows and progress line. A header that names no board
        // size is all the reason needs to refuse the file.
        const size_t progressLine = static_cast<size_t>(Rows) + 1;
        if (lines.size() < progressLine) {
            lines.emplace_back(line);
            return;
        }
        if (Rows == 0) return;
        if (lines.size() == progressLine) {
            lines.emplace_back(line);
            TIntReader progress(line);
            Declared = progress.Next();
            return;
        }
        if (static_cast<int64_t>(File.Moves.size()) < Declared) File.Moves.push_back(ReadMoveLine(line, Rows, Cols));
    }

private:
    TProblemFile& File;
    int Rows = 0;
    int Cols = 0;
    int64_t Declared = 0;
};

}  // namespace

bool LoadProblemFile(const std::string& path, TProblemFile& file, std::string& reason)
{
    TProblemFile read;
    TProblemFileCollector collector(read);
    if (!ReadTextFile(path, std::ref(collector), reason, true)) return false;
    file = std::move(read);
    return true;
}

bool ReadProblemBytes(std::string_view bytes, TProblemFile& file, std::string& reason)
{
    TProblemFile read;
    TProblemFileCollector collector(read);
    TTextLineSplitter splitter(std::ref(collector), true);
    if (!splitter.Feed(bytes.data(), bytes.size())) {
        reason = splitter.Reason();
        return false;
    }
    splitter.Finish();
    file = std::move(read);
    return true;
}
