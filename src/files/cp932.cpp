#include "files/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts with iconv, replacing what cannot be converted so a user always
// sees some text rather than nothing.
std::string Convert(const char* to, const char* from, const std::string& in, const std::string& replacement,
                    size_t badInputSkip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return in;
    std::string out;
    out.reserve(in.size() * 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (rc != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // An invalid or unconvertible sequence: skip one input character.
        out += replacement;
        size_t skip = badInputSkip;
        if (badInputSkip == 0) {
            // UTF-8 input: skip the whole character.
            const unsigned char lead = static_cast<unsigned char>(*src);
            skip = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            size_t k = 1;
            while (k < skip && k < srcLeft && (static_cast<unsigned char>(src[k]) & 0xC0) == 0x80) ++k;
            skip = k;
        }
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

bool IsAscii(const std::string& s)
{
    for (unsigned char ch : s)
        if (ch >= 0x80) return false;
    return true;
}

}  // namespace

std::string Utf8ToCp932(const std::string& utf8)
{
    if (IsAscii(utf8)) return utf8;
    return Convert("CP932", "UTF-8", utf8, "?", 0);
}

std::string Cp932ToUtf8(const std::string& cp932)
{
    if (IsAscii(cp932)) return cp932;
    return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", 1);
}
