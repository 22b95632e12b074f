#include "files/naming.h"

#include <cstdio>

#include "files/cp932.h"

namespace {
// Deletes up to 99 bytes from the first occurrence of ch, the whole rest of
// any shorter name, without leaving half a UTF-8 character behind.
void CutAt(std::string& text, char ch)
{
    const size_t at = text.find(ch);
    if (at == std::string::npos) return;
    size_t end = at + 99;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    text.erase(at, end - at);
}
}  // namespace

std::string ProblemNameFromPath(const std::string& path)
{
    std::string text = path;
    const size_t separator = text.find_last_of("/\\");
    if (separator != std::string::npos) text.erase(0, separator + 1);
    CutAt(text, '_');
    CutAt(text, '.');
    return text;
}

std::string ProblemCaption(const std::string& nameUtf8, int32_t bestSeconds)
{
    char best[64];
    std::snprintf(best, sizeof best, "%10d分%2d秒", bestSeconds / 60, bestSeconds % 60);
    return std::string(kTitle) + "　　　" + nameUtf8 + best;
}
