#pragma once
// Scratch folders of tests that touch the file system. CTest runs test cases in parallel
// processes, so a folder name is unique per process.
#include <windows.h>

#include <string>
#include <string_view>

namespace tessera::testing {

// %TEMP%\STEM-PID (not created).
inline std::wstring UniqueTempFolder(std::wstring_view stem) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + std::wstring(stem) + L"-" + std::to_wstring(GetCurrentProcessId());
}

}  // namespace tessera::testing
