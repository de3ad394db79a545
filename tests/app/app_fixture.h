#pragma once
// What the UI tests of the main window share: a private settings file, scripted prompts,
// dialogs and keys, and a message pump.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window.h"
#include "win/dialog_seam.h"
#include "win/keys.h"
#include "win/prompts.h"

namespace tessera::testing {

// A folder of its own under the temporary folder, removed with its files afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Handles the messages waiting in this thread's queue.
void PumpMessages();
Rect WindowRect(HWND window);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the main window with the test's settings file (and shows it).
    app::TApp_TOOLWallpaper& Start();
    void Close();  // destroys the window as the user's closing would

    TempFolder folder_;
    std::wstring settings_;
    win::ScriptedPrompter prompter_;
    win::ScriptedKeyState keys_;
    win::ScriptedDialogs dialogs_;
    std::unique_ptr<win::ScopedPrompter> scopedPrompter_;
    std::unique_ptr<win::ScopedKeyState> scopedKeys_;
    std::unique_ptr<win::ScopedDialogRunner> scopedDialogs_;
    std::unique_ptr<app::TApp_TOOLWallpaper> window_;
};

}  // namespace tessera::testing
