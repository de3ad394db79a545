#pragma once
// File-name rules shared by the program's own files (settings, list) and its title.
#include <string>
#include <string_view>

namespace tessera {

// The path with its extension replaced ("ini" and ".ini" both give ".ini"); an empty
// extension removes the old one.
std::wstring ChangeFileExtension(std::wstring_view path, std::wstring_view extension);
// The text after the last backslash, slash or colon.
std::wstring ExtractFileName(std::wstring_view path);
// ExtractFileName less everything from its last ".": C:\app.beta.exe -> app.beta.
std::wstring FileNameWithoutExtension(std::wstring_view path);

}  // namespace tessera
