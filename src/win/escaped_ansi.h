#pragma once
// The escaped narrow form: text in the system code page where every character the code
// page lacks, and the dollar sign itself, is written as "$" and four hexadecimal digits.
#include <string>
#include <string_view>

namespace tessera::win {

// codePage 0: the system code page.
std::string WideToEscapedAnsi(std::wstring_view text, unsigned codePage = 0);
std::wstring EscapedAnsiToWide(std::string_view narrow, unsigned codePage = 0);

}  // namespace tessera::win
