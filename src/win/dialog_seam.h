#pragma once
// The common dialogs behind a seam: the dialog classes fill the platform's records and hand
// them to the current runner, which shows the real dialog; tests install a scripted runner
// that records what would have been shown and fills in the user's answer.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tessera::win {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual bool RunOpen(OPENFILENAMEW& record) = 0;  // GetOpenFileNameW
    virtual bool RunSave(OPENFILENAMEW& record) = 0;  // GetSaveFileNameW
    // SHBrowseForFolderW: the chosen folder's path, or nothing when cancelled.
    virtual std::optional<std::wstring> RunFolder(BROWSEINFOW& record) = 0;
    virtual bool RunColor(CHOOSECOLORW& record) = 0;  // ChooseColorW
};

DialogRunner& CurrentDialogRunner();

// Installs a runner for its lifetime and restores the previous one.
class ScopedDialogRunner {
public:
    explicit ScopedDialogRunner(DialogRunner& runner);
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;
    ~ScopedDialogRunner();

private:
    DialogRunner* previous_;
};

enum class DialogKind { Open, Save, Folder, Color };

// What a dialog was asked to show.
struct ShownDialog {
    DialogKind kind = DialogKind::Open;
    HWND owner = nullptr;
    std::wstring title;
    std::wstring initialDir;  // empty: the platform chooses
    std::wstring filter;      // the zero-separated pairs, each zero shown as '|'
    std::wstring fileName;    // the buffer's starting text
    DWORD bufferSize = 0;
    DWORD flags = 0;
    DWORD filterIndex = 0;
    COLORREF color = 0;
};

// The user's answer to one dialog. fileBuffer may hold zero characters (multi-select).
struct DialogAnswer {
    bool confirm = false;
    std::wstring fileBuffer;
    DWORD filterIndex = 0;  // 0 keeps the index the dialog was given
    DWORD setFlags = 0;     // flags the platform reports back (OFN_READONLY, ...)
    std::wstring folder;
    COLORREF color = 0;
};

// Answers the dialogs from a script in order; a dialog without an answer is cancelled.
class ScriptedDialogs : public DialogRunner {
public:
    void Answer(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
    const std::vector<ShownDialog>& Shown() const { return shown_; }

    bool RunOpen(OPENFILENAMEW& record) override;
    bool RunSave(OPENFILENAMEW& record) override;
    std::optional<std::wstring> RunFolder(BROWSEINFOW& record) override;
    bool RunColor(CHOOSECOLORW& record) override;

private:
    bool RunFile(DialogKind kind, OPENFILENAMEW& record);
    DialogAnswer Next();

    std::deque<DialogAnswer> answers_;
    std::vector<ShownDialog> shown_;
};

}  // namespace tessera::win
