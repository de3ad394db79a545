#pragma once
// Splitting a command line into tokens: blanks, tabs and line breaks separate tokens
// outside double quotes; "" inside quotes stands for one double quote.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

std::vector<std::wstring> SplitCommandLine(std::wstring_view text);
// The first token, or an empty string when there is none.
std::wstring FirstCommandLineToken(std::wstring_view text);

}  // namespace tessera
