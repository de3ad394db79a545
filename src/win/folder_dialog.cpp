#include "win/folder_dialog.h"

#include "win/dialog_seam.h"
#include "win/file_dialog.h"
#include "win/prompts.h"

namespace tessera::win {
namespace {

// Selects the starting folder once the browser is up.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

}  // namespace

bool TMyOpenFolderDialog::Execute(HWND owner) {
    const std::wstring start = DialogFolderExists(InitialDir) ? InitialDir : std::wstring();
    BROWSEINFOW record{};
    record.hwndOwner = owner ? owner : ApplicationWindow();
    record.lpszTitle = Title.c_str();
    record.ulFlags = Options;
    if (!start.empty()) {
        record.lpfn = &BrowseCallback;
        record.lParam = reinterpret_cast<LPARAM>(start.c_str());
    }
    std::optional<std::wstring> chosen = CurrentDialogRunner().RunFolder(record);
    if (!chosen || chosen->empty()) return false;
    Directory = *chosen;
    if (Directory.back() != L'\\') Directory += L'\\';
    return true;
}

}  // namespace tessera::win
