#pragma once
// Conversion between the Shift-JIS (code page 932) bytes that files hold and
// the UTF-8 that the window and the file system use.

#include <string>

// Characters that code page 932 cannot hold become "?".
std::string Utf8ToCp932(const std::string& utf8);
// Bytes that are not valid Shift-JIS become U+FFFD.
std::string Cp932ToUtf8(const std::string& cp932);
