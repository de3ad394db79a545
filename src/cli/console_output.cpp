#include "cli/console_output.h"

#include <windows.h>

#include <string>

namespace tessera::cli {
namespace {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// A console shows UTF-16 whatever its code page; a file gets UTF-8, which scripts and
// editors read without knowing the system's code page.
void Write(DWORD which, std::wstring_view text) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    std::wstring lines;
    for (wchar_t c : text) {
        if (c == L'\n') lines += L'\r';
        lines += c;
    }
    const std::string bytes = ToUtf8(lines);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void WriteOut(std::wstring_view text) {
    Write(STD_OUTPUT_HANDLE, text);
}
void WriteError(std::wstring_view text) {
    Write(STD_ERROR_HANDLE, text);
}

}  // namespace tessera::cli
