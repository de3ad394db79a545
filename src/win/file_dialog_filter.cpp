#include "win/file_dialog_filter.h"

#include <windows.h>

#include <vector>

namespace tessera::win {
namespace {

std::wstring Trim(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= L' ') ++first;
    while (last > first && text[last - 1] <= L' ') --last;
    return text.substr(first, last - first);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
        if (end == std::wstring::npos) return parts;
        start = end + 1;
    }
}

std::wstring Join(const std::vector<std::wstring>& parts, const wchar_t* separator) {
    std::wstring text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring AppendAllImagesFilter(const std::wstring& filter, const std::wstring& title) {
    const std::vector<std::wstring> fields = Split(filter, L'|');
    std::vector<std::wstring> patterns;
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        if (i + 1 >= fields.size()) break;  // a pair without "|" ends the collection
        for (const std::wstring& piece : Split(fields[i + 1], L';')) {
            const std::wstring pattern = Trim(piece);
            if (!pattern.empty()) patterns.push_back(pattern);
        }
    }
    const std::wstring joined = Join(patterns, L";");
    // An empty filter gets no leading separator, which would shift every pair by one.
    std::wstring result = filter.empty() ? filter : filter + L"|";
    return result + title + L" (" + joined + L")|" + joined + L"|すべて(*.*)|*.*";
}

int FilterIndexOfExtension(const std::wstring& filter, const std::wstring& extension) {
    std::wstring text = Trim(filter);
    if (text.empty() || text.back() != L'|') text += L'|';
    std::vector<std::wstring> fields = Split(text, L'|');
    fields.pop_back();  // the empty field after the final "|"
    int pair = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i % 2 == 0) {
            ++pair;
            continue;
        }
        for (const std::wstring& pattern : Split(fields[i] + L";", L';')) {
            const std::size_t dot = pattern.rfind(L'.');
            const std::wstring patternExtension =
                dot == std::wstring::npos ? std::wstring() : pattern.substr(dot);
            if (dot != std::wstring::npos && SameTextIgnoringCase(patternExtension, extension)) {
                return pair;
            }
        }
    }
    return pair;
}

}  // namespace tessera::win
