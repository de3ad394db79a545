#pragma once
// The open and save dialogs: the platform's Unicode common dialogs with the properties the
// pages set before showing them and read afterwards.
#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "core/my_wstrings.h"

namespace tessera::win {

// Options are the common-dialog flags themselves.
enum : DWORD {
    ofReadOnly = OFN_READONLY,
    ofOverwritePrompt = OFN_OVERWRITEPROMPT,
    ofHideReadOnly = OFN_HIDEREADONLY,
    ofNoChangeDir = OFN_NOCHANGEDIR,
    ofAllowMultiSelect = OFN_ALLOWMULTISELECT,
    ofExtensionDifferent = OFN_EXTENSIONDIFFERENT,
    ofPathMustExist = OFN_PATHMUSTEXIST,
    ofFileMustExist = OFN_FILEMUSTEXIST,
    ofNoDereferenceLinks = OFN_NODEREFERENCELINKS,
    ofEnableSizing = OFN_ENABLESIZING,
};
enum : DWORD { ofExNoPlacesBar = OFN_EX_NOPLACESBAR };

class TMyOpenFileDialog {
public:
    TMyOpenFileDialog();
    TMyOpenFileDialog(const TMyOpenFileDialog&) = delete;
    TMyOpenFileDialog& operator=(const TMyOpenFileDialog&) = delete;
    virtual ~TMyOpenFileDialog();

    virtual bool Execute();

    const std::wstring& FileName() const { return fileName_; }
    void SetFileName(const std::wstring& name);
    const TMyWStrings& Files() const { return files_; }

    std::wstring InitialDir;
    std::wstring Title;
    std::wstring Filter;
    int FilterIndex = 1;
    std::wstring DefaultExt;
    DWORD Options = ofHideReadOnly | ofEnableSizing;
    DWORD OptionsEx = 0;
    HWND Owner = nullptr;         // none: the application's window
    std::wstring CustomTemplate;  // without a base panel it changes nothing

    // Raised by the dialog's hook when it is shown and when it closes.
    std::function<void()> OnShow;
    std::function<void()> OnClose;

protected:
    OPENFILENAMEW MakeRecord(std::wstring& filterBuffer, std::vector<wchar_t>& nameBuffer,
                             std::wstring& initialDir) const;
    void SetFilesFromSingle(const std::wstring& name);
    void SetFilesFromBuffer(const std::vector<wchar_t>& buffer, bool multiSelect);

    std::wstring fileName_;
    TMyWStrings files_;
};

class TMySaveFileDialog : public TMyOpenFileDialog {
public:
    bool Execute() override;
};

// The names in a multi-select buffer: the folder, then the names, each ended by a zero
// and the list by a second one; one entry alone is a full path.
std::vector<std::wstring> ParseMultiSelectBuffer(const wchar_t* buffer, std::size_t size);

// Whether a starting folder or a proposed file can be shown.
bool DialogFolderExists(const std::wstring& path);
bool DialogFileExists(const std::wstring& path);

}  // namespace tessera::win
