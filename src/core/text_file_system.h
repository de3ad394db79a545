#pragma once
// Whole-file text reading and writing behind a seam, so that the list and the settings
// file stay portable. The Windows build installs the real files (win/text_file.h,
// win::InstallTextServices); without one, nothing exists and nothing can be written.
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace tessera {

class TextFileSystem {
public:
    virtual ~TextFileSystem() = default;
    virtual bool IsFile(const std::wstring& path) const = 0;  // exists and is no folder
    // The whole text; encoding as in ReadTextFile (in: the code to read, out: the found).
    virtual std::wstring ReadText(const std::wstring& path, TextEncoding& encoding) = 0;
    virtual bool WriteText(const std::wstring& path, std::wstring_view text, TextEncoding encoding) = 0;
};

TextFileSystem& CurrentTextFileSystem();
// Returns the previous one; nullptr restores the empty default. Must outlive its use.
TextFileSystem* SetTextFileSystem(TextFileSystem* fileSystem);

// The settings file a TMyIniFile opens when it is given no name (the program installs
// its own path with ".ini").
std::wstring DefaultIniFileName();
void SetDefaultIniFileName(std::wstring path);

}  // namespace tessera
