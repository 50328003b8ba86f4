// The game's Shift-JIS (Windows code page 932) data files to and from the UTF-8 used in the code.
#pragma once
#include <string>
#include <string_view>

namespace platform {

// Every byte sequence that is not CP932 becomes U+FFFD, one per bad byte; the rest converts.
std::string Cp932ToUtf8(std::string_view cp932);
// A character that CP932 lacks becomes '?', as does each byte that is not UTF-8.
std::string Utf8ToCp932(std::string_view utf8);

} // namespace platform
