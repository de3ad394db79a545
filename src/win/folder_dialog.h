#pragma once
// The system folder browser with its title, options and starting folder.
#include <windows.h>

#include <shlobj.h>

#include <string>

namespace tessera::win {

// Options are the browser's flags themselves.
enum : UINT {
    bfReturnOnlyFsDirs = BIF_RETURNONLYFSDIRS,
    bfReturnFsAncestors = BIF_RETURNFSANCESTORS,
    bfEditBox = BIF_EDITBOX,
    bfNewDialogStyle = BIF_NEWDIALOGSTYLE,
    bfUseNewUI = BIF_USENEWUI,
    bfNoNewFolderButton = BIF_NONEWFOLDERBUTTON,
};

class TMyOpenFolderDialog {
public:
    // Shows the browser owned by owner (none: the application's window); on OK the chosen
    // folder, with a trailing "\", is in Directory.
    bool Execute(HWND owner = nullptr);

    std::wstring Title;
    std::wstring InitialDir;  // used when it exists
    UINT Options = bfReturnOnlyFsDirs | bfReturnFsAncestors | bfNewDialogStyle;
    std::wstring Directory;
};

}  // namespace tessera::win
