#include "win/file_dialog.h"

#include <algorithm>

#include "win/dialog_seam.h"
#include "win/prompts.h"

namespace tessera::win {
namespace {

constexpr DWORD kOpenBufferSize = 32768;
constexpr DWORD kSaveBufferSize = 1024;

std::wstring Upper(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Hands the dialog's messages to the dialog object: show and close notifications.
UINT_PTR CALLBACK DialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* record = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        SetWindowLongPtrW(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(record->lCustData));
        auto* self = reinterpret_cast<TMyOpenFileDialog*>(record->lCustData);
        if (self && self->OnShow) self->OnShow();
        return 0;
    }
    auto* self = reinterpret_cast<TMyOpenFileDialog*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (message == WM_DESTROY && self && self->OnClose) self->OnClose();
    return 0;
}

std::wstring WithTrailingBackslash(std::wstring path) {
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
    return path;
}

// The name part of a path: the text after its last backslash, slash or colon.
std::wstring NamePart(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring JoinFolderAndName(const std::wstring& folder, const std::wstring& name) {
    return WithTrailingBackslash(folder) + name;
}

}  // namespace

bool DialogFolderExists(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DialogFileExists(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> ParseMultiSelectBuffer(const wchar_t* buffer, std::size_t size) {
    std::vector<std::wstring> entries;
    std::size_t at = 0;
    while (at < size && buffer[at] != L'\0') {
        const wchar_t* end = std::find(buffer + at, buffer + size, L'\0');
        entries.emplace_back(buffer + at, end);
        at = static_cast<std::size_t>(end - buffer) + 1;
    }
    if (entries.size() <= 1) return entries;
    std::vector<std::wstring> paths;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        paths.push_back(JoinFolderAndName(entries.front(), entries[i]));
    }
    return paths;
}

TMyOpenFileDialog::TMyOpenFileDialog() = default;
TMyOpenFileDialog::~TMyOpenFileDialog() = default;

// A name equal to a listed one (after upper-casing both) moves that line to the top.
void TMyOpenFileDialog::SetFileName(const std::wstring& name) {
    fileName_ = name;
    const std::wstring key = Upper(name);
    for (int i = 0; i < files_.Count(); ++i) {
        if (Upper(files_.Get(i)) == key) {
            files_.Move(i, 0);
            return;
        }
    }
    files_.Insert(0, name);
}

OPENFILENAMEW TMyOpenFileDialog::MakeRecord(std::wstring& filterBuffer,
                                            std::vector<wchar_t>& nameBuffer,
                                            std::wstring& initialDir) const {
    filterBuffer = Filter;
    std::replace(filterBuffer.begin(), filterBuffer.end(), L'|', L'\0');
    filterBuffer.push_back(L'\0');  // with the string's own terminator: two zeros

    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = Owner ? Owner : ApplicationWindow();
    record.hInstance = GetModuleHandleW(nullptr);
    record.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
    record.lpstrFilter = Filter.empty() ? nullptr : filterBuffer.c_str();
    record.nFilterIndex = static_cast<DWORD>(std::max(FilterIndex, 0));
    record.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
    record.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    record.lpstrFile = nameBuffer.data();
    record.nMaxFile = static_cast<DWORD>(nameBuffer.size());
    record.Flags = (Options & ~ofExtensionDifferent) | OFN_EXPLORER | OFN_ENABLEHOOK;
    record.FlagsEx = OptionsEx;
    record.lpfnHook = &DialogHook;
    record.lCustData = reinterpret_cast<LPARAM>(this);
    return record;
}

void TMyOpenFileDialog::SetFilesFromSingle(const std::wstring& name) {
    files_.Clear();
    files_.Add(name);
    fileName_ = name;
}

void TMyOpenFileDialog::SetFilesFromBuffer(const std::vector<wchar_t>& buffer, bool multiSelect) {
    files_.Clear();
    if (multiSelect) {
        for (const std::wstring& path : ParseMultiSelectBuffer(buffer.data(), buffer.size())) {
            files_.Add(path);
        }
    } else if (buffer[0] != L'\0') {
        files_.Add(buffer.data());
    }
    fileName_ = files_.Count() > 0 ? files_.Get(0) : std::wstring();
}

bool TMyOpenFileDialog::Execute() {
    std::wstring initialDir =
        DialogFolderExists(InitialDir) ? WithTrailingBackslash(InitialDir) : std::wstring();
    std::vector<wchar_t> nameBuffer(kOpenBufferSize, L'\0');
    if (DialogFileExists(fileName_)) {
        std::copy_n(fileName_.begin(), std::min<std::size_t>(fileName_.size(), kOpenBufferSize - 1),
                    nameBuffer.begin());
    }
    std::wstring filterBuffer;
    OPENFILENAMEW record = MakeRecord(filterBuffer, nameBuffer, initialDir);
    if (!CurrentDialogRunner().RunOpen(record)) return false;

    FilterIndex = static_cast<int>(record.nFilterIndex);
    Options = (record.Flags & OFN_READONLY) ? (Options | ofReadOnly) : (Options & ~ofReadOnly);
    SetFilesFromBuffer(nameBuffer, (Options & ofAllowMultiSelect) != 0);
    return true;
}

bool TMySaveFileDialog::Execute() {
    std::wstring initialDir = DialogFolderExists(InitialDir) ? InitialDir : std::wstring();
    std::vector<wchar_t> nameBuffer(kSaveBufferSize, L'\0');
    const std::wstring name = NamePart(fileName_);
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), kSaveBufferSize - 1),
                nameBuffer.begin());
    std::wstring filterBuffer;
    OPENFILENAMEW record = MakeRecord(filterBuffer, nameBuffer, initialDir);
    if (!CurrentDialogRunner().RunSave(record)) return false;

    FilterIndex = static_cast<int>(record.nFilterIndex);
    std::wstring chosen = nameBuffer.data();
    if (record.Flags & OFN_EXTENSIONDIFFERENT) {
        Options |= ofExtensionDifferent;
        const std::wstring suffix = L"." + DefaultExt;
        const bool hasSuffix =
            chosen.size() >= suffix.size() &&
            chosen.compare(chosen.size() - suffix.size(), suffix.size(), suffix) == 0;
        if (!DefaultExt.empty() && !hasSuffix) chosen += suffix;
    }
    SetFilesFromSingle(chosen);
    return true;
}

}  // namespace tessera::win
