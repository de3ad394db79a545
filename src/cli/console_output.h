#pragma once
// Text output of the console program: UTF-16 through WriteConsoleW on a console, UTF-8
// with CR LF line ends when the output goes to a file or a pipe.
#include <string_view>

namespace tessera::cli {

void WriteOut(std::wstring_view text);
void WriteError(std::wstring_view text);

}  // namespace tessera::cli
