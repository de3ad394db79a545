#pragma once
// TMyFileStrings: a string list that gathers file names from path specifications (files,
// folders with their subfolders, drives, wildcard patterns) by walking folders.
#include <string>
#include <string_view>

#include "core/my_wstrings.h"
#include "win/message_pump.h"

namespace tessera::win {

class TMyFileStrings : public TMyWStrings {
  public:
    explicit TMyFileStrings(MessagePump& pump = SystemMessagePump());

    void AddExtension(std::wstring_view extension);  // with its dot: ".bmp"
    bool ScanList(const TMyWStrings& paths);
    bool ScanPath(const std::wstring& path);
    // Adds every accepted file the input paths name; false when the scan was stopped.
    bool Scan();

    // Whether the name's extension is one of the included ones (any, when none are).
    bool IsAccepted(std::wstring_view name) const;
    TMyWStrings& InputPaths() { return inputPaths_; }
    const TMyWStrings& Extensions() const { return extensions_; }

  private:
    bool ScanPattern(const std::wstring& pattern);
    bool ScanFolder(const std::wstring& pattern, TMyWStrings& queue);

    MessagePump& pump_;
    TMyWStrings extensions_;
    TMyWStrings inputPaths_;
};

// The search pattern of an input path: a folder with "\" gets "*.*", a drive "\*.*".
std::wstring SearchPatternOf(std::wstring_view path);
// The folder part of a search pattern, to which the names found are appended.
std::wstring BaseOfPattern(std::wstring_view pattern);

// The extension of a name: from the last "." after the last "\", "/" or ":", dot included.
std::wstring_view FileExtensionOf(std::wstring_view name);

}  // namespace tessera::win
