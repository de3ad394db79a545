#include "win/dialog_seam.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tessera::win {
namespace {

// Frees the item list that SHBrowseForFolderW returns.
struct PidlDeleter {
    void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};

class PlatformDialogs : public DialogRunner {
public:
    bool RunOpen(OPENFILENAMEW& record) override { return GetOpenFileNameW(&record) != FALSE; }
    bool RunSave(OPENFILENAMEW& record) override { return GetSaveFileNameW(&record) != FALSE; }
    std::optional<std::wstring> RunFolder(BROWSEINFOW& record) override {
        std::unique_ptr<ITEMIDLIST, PidlDeleter> chosen(SHBrowseForFolderW(&record));
        if (!chosen) return std::nullopt;
        wchar_t path[MAX_PATH] = {};
        if (!SHGetPathFromIDListW(chosen.get(), path)) return std::nullopt;
        return std::wstring(path);
    }
    bool RunColor(CHOOSECOLORW& record) override { return ChooseColorW(&record) != FALSE; }
};

DialogRunner*& CurrentRunnerSlot() {
    static PlatformDialogs platform;
    static DialogRunner* current = &platform;
    return current;
}

// The filter as the record holds it: pairs separated by zeros, ended by two zeros.
std::wstring FilterText(const wchar_t* filter) {
    std::wstring text;
    if (!filter) return text;
    for (const wchar_t* p = filter; *p; p += wcslen(p) + 1) {
        if (!text.empty()) text += L'|';
        text += p;
    }
    return text;
}

}  // namespace

DialogRunner& CurrentDialogRunner() {
    return *CurrentRunnerSlot();
}

ScopedDialogRunner::ScopedDialogRunner(DialogRunner& runner)
    : previous_(std::exchange(CurrentRunnerSlot(), &runner)) {}

ScopedDialogRunner::~ScopedDialogRunner() {
    CurrentRunnerSlot() = previous_;
}

DialogAnswer ScriptedDialogs::Next() {
    if (answers_.empty()) return {};
    DialogAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

bool ScriptedDialogs::RunFile(DialogKind kind, OPENFILENAMEW& record) {
    ShownDialog shown;
    shown.kind = kind;
    shown.owner = record.hwndOwner;
    shown.title = record.lpstrTitle ? record.lpstrTitle : L"";
    shown.initialDir = record.lpstrInitialDir ? record.lpstrInitialDir : L"";
    shown.filter = FilterText(record.lpstrFilter);
    shown.fileName = record.lpstrFile ? record.lpstrFile : L"";
    shown.bufferSize = record.nMaxFile;
    shown.flags = record.Flags;
    shown.filterIndex = record.nFilterIndex;
    shown_.push_back(shown);

    const DialogAnswer answer = Next();
    if (!answer.confirm) return false;
    // The platform refuses an answer that does not fit, as GetOpenFileNameW does.
    if (answer.fileBuffer.size() + 2 > record.nMaxFile) return false;
    std::fill(record.lpstrFile, record.lpstrFile + record.nMaxFile, L'\0');
    std::copy(answer.fileBuffer.begin(), answer.fileBuffer.end(), record.lpstrFile);
    if (answer.filterIndex) record.nFilterIndex = answer.filterIndex;
    record.Flags |= answer.setFlags;
    return true;
}

bool ScriptedDialogs::RunOpen(OPENFILENAMEW& record) {
    return RunFile(DialogKind::Open, record);
}
bool ScriptedDialogs::RunSave(OPENFILENAMEW& record) {
    return RunFile(DialogKind::Save, record);
}

std::optional<std::wstring> ScriptedDialogs::RunFolder(BROWSEINFOW& record) {
    ShownDialog shown;
    shown.kind = DialogKind::Folder;
    shown.owner = record.hwndOwner;
    shown.title = record.lpszTitle ? record.lpszTitle : L"";
    // The starting folder travels to the browser's callback in lParam.
    if (record.lpfn && record.lParam)
        shown.initialDir = reinterpret_cast<const wchar_t*>(record.lParam);
    shown.flags = record.ulFlags;
    shown_.push_back(shown);
    const DialogAnswer answer = Next();
    if (!answer.confirm) return std::nullopt;
    return answer.folder;
}

bool ScriptedDialogs::RunColor(CHOOSECOLORW& record) {
    ShownDialog shown;
    shown.kind = DialogKind::Color;
    shown.owner = record.hwndOwner;
    shown.flags = record.Flags;
    shown.color = record.rgbResult;
    shown_.push_back(shown);
    const DialogAnswer answer = Next();
    if (!answer.confirm) return false;
    record.rgbResult = answer.color;
    return true;
}

}  // namespace tessera::win
