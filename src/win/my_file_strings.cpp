#include "win/my_file_strings.h"

#include <windows.h>


#include "core/text_compare.h"
#include "win/handles.h"

namespace tessera::win {
namespace {

bool EndsWith(std::wstring_view text, wchar_t c) {
    return !text.empty() && text.back() == c;
}

// Upper-cases an extension; ASCII, the usual case, needs no call into the locale.
std::wstring UpperExtension(std::wstring_view extension) {
    std::wstring upper(extension);
    for (wchar_t& c : upper) {
        if (c > 0x7F) return LocaleUpperCase(extension);
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return upper;
}

// The files of one folder in file-path order. They share the folder, so the order is
// that of CompareNaturalText on their names: comparing the equal folders every time
// would only cost calls into the locale.
void SortFolderBatch(TMyWStrings& list, int from, std::size_t baseLength) {
    list.SortRange(from, list.Count() - 1, [baseLength](const TMyWStrings& l, int a, int b) {
        return CompareNaturalText(std::wstring_view(l.At(a)).substr(baseLength),
                                  std::wstring_view(l.At(b)).substr(baseLength));
    });
}

bool IsDotFolder(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

}  // namespace

// A folder path without "\" stays as it is: the search finds the folder itself, which
// the folder rule then enters.
std::wstring SearchPatternOf(std::wstring_view path) {
    std::wstring pattern(path);
    if (EndsWith(pattern, L'\\'))
        pattern += L"*.*";
    else if (EndsWith(pattern, L':'))
        pattern += L"\\*.*";
    return pattern;
}

std::wstring BaseOfPattern(std::wstring_view pattern) {
    const std::size_t at = pattern.find_last_of(L"\\/:");
    if (at == std::wstring_view::npos) return {};
    if (pattern[at] == L':') return std::wstring(pattern.substr(0, at + 1)) + L'\\';
    return std::wstring(pattern.substr(0, at + 1));
}

std::wstring_view FileExtensionOf(std::wstring_view name) {
    const std::size_t dot = name.find_last_of(L'.');
    if (dot == std::wstring_view::npos) return {};
    const std::size_t separator = name.find_last_of(L"\\/:");
    if (separator != std::wstring_view::npos && separator > dot) return {};
    return name.substr(dot);
}

TMyFileStrings::TMyFileStrings(MessagePump& pump) : pump_(pump) {}

void TMyFileStrings::AddExtension(std::wstring_view extension) {
    const std::wstring upper = UpperExtension(extension);
    for (int i = 0; i < extensions_.Count(); ++i) {
        if (extensions_.At(i) == upper) return;
    }
    extensions_.Add(upper);
}

// Extensions are kept upper-cased, so that ".BMP" and ".bmp" match each other.
bool TMyFileStrings::IsAccepted(std::wstring_view name) const {
    if (extensions_.Count() == 0) return true;
    const std::wstring_view extension = FileExtensionOf(name);
    if (extension.empty()) return false;
    const std::wstring upper = UpperExtension(extension);
    for (int i = 0; i < extensions_.Count(); ++i) {
        if (extensions_.At(i) == upper) return true;
    }
    return false;
}

bool TMyFileStrings::ScanList(const TMyWStrings& paths) {
    inputPaths_.Assign(paths);
    return Scan();
}

bool TMyFileStrings::ScanPath(const std::wstring& path) {
    inputPaths_.Clear();
    inputPaths_.Add(path);
    return Scan();
}

bool TMyFileStrings::Scan() {
    inputPaths_.SortByPath();
    for (int i = 0; i < inputPaths_.Count(); ++i) {
        if (inputPaths_.At(i).empty()) continue;
        if (!ScanPattern(SearchPatternOf(inputPaths_.At(i)))) return false;
    }
    return true;
}

// Walks the folders in path order: the queue of folders still to read is re-sorted
// whenever a folder added subfolders to it (otherwise it is still in order), and the
// files of each folder are sorted once it has been read, even when the scan was stopped.
bool TMyFileStrings::ScanPattern(const std::wstring& pattern) {
    TMyWStrings queue;
    queue.Add(pattern);
    while (queue.Count() > 0) {
        const std::wstring next = queue.At(0);
        queue.Delete(0);
        const int batchStart = Count();
        const int queued = queue.Count();
        const bool go = ScanFolder(next, queue);
        SortFolderBatch(*this, batchStart, BaseOfPattern(next).size());
        if (!go) return false;
        if (queue.Count() != queued) queue.SortByPath();
        if (!pump_.ProcessMessages()) return false;
    }
    return true;
}

// One directory search; false when the scan was stopped after an entry.
bool TMyFileStrings::ScanFolder(const std::wstring& pattern, TMyWStrings& queue) {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return true;
    const std::wstring base = BaseOfPattern(pattern);
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsDotFolder(data.cFileName)) queue.Add(base + data.cFileName + L"\\*.*");
        } else {
            std::wstring path = base + data.cFileName;
            if (IsAccepted(path)) Add(path);
        }
        if (!pump_.ProcessMessages()) return false;
    } while (FindNextFileW(find.get(), &data));
    return true;
}

}  // namespace tessera::win
