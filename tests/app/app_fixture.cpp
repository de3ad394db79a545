#include "app/app_fixture.h"

#include <commctrl.h>

#include <cstdio>

#include "app/version_dialog.h"
#include "win/text_file.h"

namespace tessera::testing {

TempFolder::TempFolder() {
    static int counter = 0;
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"tessera_app_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(File(found.cFileName).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(path_.c_str());
}

std::string ReadFileBytes(const std::wstring& path) {
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

Rect WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void MainWindowTest::SetUp() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    win::InstallTextServices();
    settings_ = folder_.File(L"tessera.ini");
    scopedPrompter_ = std::make_unique<win::ScopedPrompter>(prompter_);
    scopedKeys_ = std::make_unique<win::ScopedKeyState>(keys_);
    scopedDialogs_ = std::make_unique<win::ScopedDialogRunner>(dialogs_);
}

void MainWindowTest::TearDown() {
    app::ReleaseVersionInfoDialog();
    window_.reset();
    PumpMessages();
    scopedDialogs_.reset();
    scopedKeys_.reset();
    scopedPrompter_.reset();
}

app::TApp_TOOLWallpaper& MainWindowTest::Start() {
    window_ = std::make_unique<app::TApp_TOOLWallpaper>();
    window_->postQuitOnDestroy = false;
    window_->SetSettingsFileName(settings_);
    EXPECT_TRUE(window_->Create());
    window_->Show();
    PumpMessages();
    return *window_;
}

void MainWindowTest::Close() {
    SendMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
}

}  // namespace tessera::testing
