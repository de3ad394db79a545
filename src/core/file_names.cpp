#include "core/file_names.h"

namespace tessera {
namespace {

// Forward slashes separate folders on Windows too; treating them as separators keeps a
// dot in a folder name from being taken for the file's extension.
bool IsPathDelimiter(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }

// Position of the extension's dot in the last path component, or npos.
std::size_t ExtensionDot(std::wstring_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        const wchar_t c = path[i - 1];
        if (c == L'.') return i - 1;
        if (IsPathDelimiter(c)) break;
    }
    return std::wstring_view::npos;
}

}  // namespace

// A dot in the first character (".profile") makes the whole path the old extension.
std::wstring ChangeFileExtension(std::wstring_view path, std::wstring_view extension) {
    std::wstring newExtension;
    if (!extension.empty() && extension.front() != L'.') newExtension = L".";
    newExtension += extension;
    const std::size_t dot = ExtensionDot(path);
    if (dot == std::wstring_view::npos) return std::wstring(path) + newExtension;
    return std::wstring(path.substr(0, dot)) + newExtension;
}

std::wstring ExtractFileName(std::wstring_view path) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathDelimiter(path[start - 1])) --start;
    return std::wstring(path.substr(start));
}

std::wstring FileNameWithoutExtension(std::wstring_view path) {
    std::wstring name = ExtractFileName(path);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace tessera
