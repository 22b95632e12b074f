#include "files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(current);
            current.clear();
            if (ch == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
            continue;
        }
        current += ch;
        ++i;
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

namespace {
// Tab, line ends and the old end-of-file mark are the only control codes a
// text file written by hand or by another program may carry.
bool IsTextByte(unsigned char ch)
{
    if (ch >= 0x20) return ch != 0x7F;
    return ch == '\t' || ch == '\r' || ch == '\n' || ch == 0x1A;
}

// A byte that belongs to a line as it stands.
bool IsPlainByte(unsigned char ch) { return (ch >= 0x20 && ch != 0x7F) || ch == '\t'; }

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr size_t kByteOrderMarkSize = 3;
constexpr char kEndOfFileMark = 0x1A;
}  // namespace

TTextLineSplitter::TTextLineSplitter(TLineSink sink, bool skipByteOrderMark)
    : Sink(std::move(sink)), CheckingMark(skipByteOrderMark)
{
}

void TTextLineSplitter::FlushHeldBytes()
{
    // Marks followed by anything at all were part of the text.
    if (HeldMarks > 0) {
        Current.append(HeldMarks, kEndOfFileMark);
        HeldMarks = 0;
    }
}

void TTextLineSplitter::EndLine()
{
    FlushHeldBytes();
    Sink(Current);
    Current.clear();
}

bool TTextLineSplitter::Feed(const char* data, size_t size)
{
    size_t i = 0;
    while (i < size && CheckingMark) {
        if (data[i] == kByteOrderMark[MarkMatched]) {
            ++i;
            if (++MarkMatched == kByteOrderMarkSize) CheckingMark = false;
            continue;
        }
        // Not a mark after all: what looked like its start is text.
        Current.append(kByteOrderMark, MarkMatched);
        CheckingMark = false;
    }
    while (i < size) {
        const unsigned char ch = static_cast<unsigned char>(data[i]);
        if (IsPlainByte(ch)) {
            size_t end = i + 1;
            while (end < size && IsPlainByte(static_cast<unsigned char>(data[end]))) ++end;
            FlushHeldBytes();
            Current.append(data + i, end - i);
            SkipLf = false;
            i = end;
            continue;
        }
        if (!IsTextByte(ch)) {
            char where[96];
            std::snprintf(where, sizeof where, "not a text file (byte 0x%02X at offset %zu)", ch, Offset + i);
            FailReason = where;
            Offset += i;
            return false;
        }
        if (ch == kEndOfFileMark) {
            ++HeldMarks;
            SkipLf = false;
        } else if (ch == '\n' && SkipLf) {
            SkipLf = false;
        } else {
            EndLine();
            SkipLf = ch == '\r';
        }
        ++i;
    }
    Offset += size;
    return true;
}

void TTextLineSplitter::Finish()
{
    if (CheckingMark) {
        Current.append(kByteOrderMark, MarkMatched);
        CheckingMark = false;
    }
    HeldMarks = 0;  // marks at the very end close the file, not the line
    if (!Current.empty()) EndLine();
}

bool ReadTextFile(const std::string& path, const TLineSink& sink, std::string& reason, bool skipByteOrderMark)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        reason = "フォルダです。ファイルを選んでください";
        return false;
    }
    TTextLineSplitter splitter(sink, skipByteOrderMark);
    std::vector<char> buffer(size_t{1} << 16);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            reason = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (got == 0) break;
        if (!splitter.Feed(buffer.data(), static_cast<size_t>(got))) {
            reason = splitter.Reason();
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    splitter.Finish();
    return true;
}

bool LoadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& reason)
{
    std::vector<std::string> read;
    if (!ReadTextFile(path, [&read](std::string_view line) { read.emplace_back(line); }, reason)) return false;
    lines = std::move(read);
    return true;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

TReplacingFile::TReplacingFile(std::string path) : Path(std::move(path)) {}

TReplacingFile::~TReplacingFile()
{
    if (!TempPath.empty() && !Committed) ::unlink(TempPath.c_str());
}

bool TReplacingFile::Write(const std::string& content)
{
    const size_t slash = Path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? Path : Path.substr(slash + 1);
    std::string pattern = folder + "." + base + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        FailReason = std::strerror(errno);
        return false;
    }
    TempPath = name.data();

    // Keep the permissions of the file being replaced, or those a newly
    // created file would get.
    struct stat st;
    mode_t mode;
    if (::stat(Path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            FailReason = std::strerror(errno);
            ::close(fd);
            return false;
        }
        p += written;
        left -= static_cast<size_t>(written);
    }
    // The descriptor is closed whatever fsync says; the first failure is
    // the one reported.
    const int syncError = ::fsync(fd) == 0 ? 0 : errno;
    const int closeError = ::close(fd) == 0 ? 0 : errno;
    if (syncError != 0 || closeError != 0) {
        FailReason = std::strerror(syncError != 0 ? syncError : closeError);
        return false;
    }
    return true;
}

bool TReplacingFile::Commit()
{
    if (TempPath.empty()) return false;
    if (::rename(TempPath.c_str(), Path.c_str()) != 0) {
        FailReason = std::strerror(errno);
        return false;
    }
    Committed = true;
    return true;
}

bool WriteFileReplacing(const std::string& path, const std::string& content, std::string& reason)
{
    TReplacingFile file(path);
    if (!file.Write(content) || !file.Commit()) {
        reason = file.Reason();
        return false;
    }
    return true;
}
