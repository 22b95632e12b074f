#include "files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

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
}  // namespace

bool LoadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& reason)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        reason = "read error";
        return false;
    }
    std::string text = buffer.str();
    // A trailing end-of-file mark is not part of the last line.
    while (!text.empty() && text.back() == 0x1A) text.pop_back();
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsTextByte(static_cast<unsigned char>(text[i]))) {
            char where[96];
            std::snprintf(where, sizeof where, "not a text file (byte 0x%02X at offset %zu)",
                          static_cast<unsigned char>(text[i]), i);
            reason = where;
            return false;
        }
    }
    lines = SplitLines(text);
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
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        FailReason = std::strerror(errno);
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
