#pragma once
// Whole-file text input and crash-safe output.

#include <string>
#include <vector>

// Splits text into lines at CR LF, LF or CR; a line end at the very end does
// not start a further, empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Joins lines, each ended with CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Reads a whole file as lines. False with a reason when the file cannot be
// read or holds bytes that no text file has (NUL and other control codes).
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
