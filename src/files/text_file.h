#pragma once
// Text input line by line, read in pieces so that a large file never sits in
// memory whole, and crash-safe output.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Splits text into lines at CR LF, LF or CR; a line end at the very end does
// not start a further, empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Joins lines, each ended with CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Called with each line of a file; the view is valid only during the call.
using TLineSink = std::function<void(std::string_view line)>;

// Splits the bytes of a text file into lines as SplitLines does, the bytes
// arriving in pieces of any size. End-of-file marks (0x1A) at the very end
// are not part of the last line. Optionally a UTF-8 byte order mark at the
// very start is passed over.
class TTextLineSplitter {
public:
    TTextLineSplitter(TLineSink sink, bool skipByteOrderMark);

    // False at the first byte that no text file has (NUL and other control
    // codes); Reason then names it and its offset.
    bool Feed(const char* data, size_t size);
    // Ends the text: passes on its last line when that has no line end.
    void Finish();
    const std::string& Reason() const { return FailReason; }

private:
    void EndLine();
    void FlushHeldBytes();

    TLineSink Sink;
    std::string Current;       // the line so far
    size_t Offset = 0;         // of the next byte in the file
    size_t HeldMarks = 0;      // end-of-file marks not yet known to be inside the text
    size_t MarkMatched = 0;    // bytes of the byte order mark seen so far
    bool CheckingMark;         // the start of the text may still be a byte order mark
    bool SkipLf = false;       // the last byte was a CR: a LF now ends no further line
    std::string FailReason;
};

// Reads a file line by line. False with a reason when it cannot be read, is
// a folder, or holds bytes that no text file has.
bool ReadTextFile(const std::string& path, const TLineSink& sink, std::string& reason,
                  bool skipByteOrderMark = false);

// Reads a whole file as lines; lines is left alone when that fails.
bool LoadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& reason);

bool FileExists(const std::string& path);

// Writes a file so that it is either wholly replaced or left untouched: the
// content goes to a temporary file in the same folder, which is then renamed
// over the old one. Until Commit, the old file stays intact.
class TReplacingFile {
public:
    explicit TReplacingFile(std::string path);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // Creates the temporary file and writes the content to it.
    bool Write(const std::string& content);
    // Renames the temporary file over the target.
    bool Commit();
    const std::string& Reason() const { return FailReason; }

private:
    std::string Path;
    std::string TempPath;
    std::string FailReason;
    bool Committed = false;
};

// One-step form: true when the file now holds exactly the content.
bool WriteFileReplacing(const std::string& path, const std::string& content, std::string& reason);
