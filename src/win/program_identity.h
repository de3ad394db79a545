#pragma once
// The program's own file, its version information and the title of its message boxes.
#include <string>

namespace tessera::win {

// The twelve predefined strings of a version resource, alphabetically; missing ones empty.
struct TMyFileVersionInfo {
    std::wstring Comments;
    std::wstring CompanyName;
    std::wstring FileDescription;
    std::wstring FileVersion;
    std::wstring InternalName;
    std::wstring LegalCopyright;
    std::wstring LegalTrademarks;
    std::wstring OriginalFilename;
    std::wstring PrivateBuild;
    std::wstring ProductName;
    std::wstring ProductVersion;
    std::wstring SpecialBuild;
    friend bool operator==(const TMyFileVersionInfo&, const TMyFileVersionInfo&) = default;
};

// Full path of the executable of the process owning the application window (this process
// when there is none); falls back to the command line's first token.
std::wstring ProgramPath();
TMyFileVersionInfo ReadVersionInfo(const std::wstring& path);
// ProductName of the file's version information, else its name without the extension.
std::wstring ProgramTitle(const std::wstring& path);
std::wstring ProgramTitle();  // of ProgramPath()

}  // namespace tessera::win
