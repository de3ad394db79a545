#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/app_fixture.h"
#include "core/ini_file.h"
#include "ui/menu.h"
#include "win/monitors.h"
#include "win/program_identity.h"

namespace tessera::testing {
namespace {

using Captions = std::vector<std::wstring>;

constexpr char kStoredBounds[] =
    "[WALLPAPERSET_Bounds]\r\nApp_TOOLWallpaper_Left=110\r\nApp_TOOLWallpaper_Top=120\r\n"
    "App_TOOLWallpaper_Right=750\r\nApp_TOOLWallpaper_Bottom=699\r\n";

TEST_F(MainWindowTest, ShutdownWritesTheWindowBoundsUnderTheirKeys) {
    app::TApp_TOOLWallpaper& window = Start();
    EXPECT_EQ(window.Name(), L"App_TOOLWallpaper");
    MoveWindow(window.Handle(), 100, 80, 640, 579, TRUE);
    Close();
    const std::string text = ReadFileBytes(settings_);
    EXPECT_NE(text.find("[WALLPAPERSET_Bounds]\r\n"
                        "App_TOOLWallpaper_Left=100\r\nApp_TOOLWallpaper_Top=80\r\n"
                        "App_TOOLWallpaper_Right=740\r\nApp_TOOLWallpaper_Bottom=659\r\n"),
              std::string::npos)
        << text;
    // The pages' options are in the same file.
    EXPECT_NE(text.find("[WALLPAPERSET_Option]\r\nToolBar=1\r\nStatusBar=1\r\nPopupHint=1\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[WALLPAPERCREATE_Option]\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, StartRestoresStoredBoundsAndAMaximisedWindowSavesItsNormalBounds) {
    WriteFileBytes(settings_, kStoredBounds);
    app::TApp_TOOLWallpaper& window = Start();
    EXPECT_EQ(WindowRect(window.Handle()), (Rect{110, 120, 750, 699}));
    ShowWindow(window.Handle(), SW_MAXIMIZE);
    PumpMessages();
    Close();
    const std::string text = ReadFileBytes(settings_);
    EXPECT_NE(text.find("App_TOOLWallpaper_Left=110\r\nApp_TOOLWallpaper_Top=120\r\n"
                        "App_TOOLWallpaper_Right=750\r\nApp_TOOLWallpaper_Bottom=699"),
              std::string::npos)
        << text;
}

TEST_F(MainWindowTest, BoundsOnAMissingMonitorComeBackOnTheNearestWorkArea) {
    // Far to the left of every monitor of the test display.
    WriteFileBytes(settings_,
                   "[WALLPAPERSET_Bounds]\r\nApp_TOOLWallpaper_Left=-9000\r\n"
                   "App_TOOLWallpaper_Top=200\r\nApp_TOOLWallpaper_Right=-8360\r\n"
                   "App_TOOLWallpaper_Bottom=779\r\n");
    app::TApp_TOOLWallpaper& window = Start();
    const Rect work = win::WorkAreaFromRect({-9000, 200, -8360, 779});
    EXPECT_EQ(WindowRect(window.Handle()), (Rect{work.left, 200, work.left + 640, 779}));
}

TEST_F(MainWindowTest, ShiftAndCtrlSkipLoadingAndSaving) {
    WriteFileBytes(settings_, kStoredBounds);
    keys_.Press(VK_SHIFT);
    keys_.Press(VK_CONTROL);
    app::TApp_TOOLWallpaper& window = Start();
    EXPECT_NE(WindowRect(window.Handle()), (Rect{110, 120, 750, 699}));
    MoveWindow(window.Handle(), 10, 10, 600, 500, TRUE);
    Close();
    EXPECT_EQ(ReadFileBytes(settings_), kStoredBounds);

    // Without the keys the next run saves again.
    keys_.Release(VK_SHIFT);
    Start();
    Close();
    EXPECT_NE(ReadFileBytes(settings_), kStoredBounds);
}

TEST_F(MainWindowTest, TheMenuBarIsTheActivePagesMenuBar) {
    app::TApp_TOOLWallpaper& window = Start();
    EXPECT_EQ(window.ActivePage(), 0);
    EXPECT_EQ(GetMenu(window.Handle()), window.CreatePage()->MenuBar());
    EXPECT_EQ(
        ui::Menu::Captions(GetMenu(window.Handle())),
        (Captions{L"ファイル(&F)", L"編集(&E)", L"画像(&G)", L"オプション(&O)", L"ヘルプ(&H)"}));

    // The user's click on the second tab.
    SendMessageW(window.PageControl1(), TCM_SETCURSEL, 1, 0);
    NMHDR change{window.PageControl1(), 100, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(window.Handle(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(GetMenu(window.Handle()), window.SetPage()->MenuBar());
    EXPECT_EQ(ui::Menu::Captions(GetMenu(window.Handle())),
              (Captions{L"ファイル(&F)", L"壁紙(&W)", L"表示(&S)", L"ヘルプ(&H)"}));
    EXPECT_TRUE(IsWindowVisible(window.SetPage()->Handle()));
    EXPECT_FALSE(IsWindowVisible(window.CreatePage()->Handle()));

    window.SelectPage(0);
    EXPECT_EQ(GetMenu(window.Handle()), window.CreatePage()->MenuBar());
    // Closing must leave the pages' menus to the pages.
    Close();
    EXPECT_FALSE(IsMenu(GetMenu(window.Handle())));
}

TEST_F(MainWindowTest, MenuCommandsRunTheActivePagesActionsAndShowTheirHints) {
    app::TApp_TOOLWallpaper& window = Start();
    app::TApp_TOOLWallpaperCreate& page = *window.CreatePage();
    ui::Action& statusBar = page.ActionNamed(L"Action_ShowStatusBar");
    ASSERT_TRUE(statusBar.Checked());
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(statusBar.Id(), 0), 0);
    EXPECT_FALSE(statusBar.Checked());
    EXPECT_FALSE(IsWindowVisible(page.Status()->Handle()));
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(statusBar.Id(), 0), 0);
    EXPECT_TRUE(IsWindowVisible(page.Status()->Handle()));

    // The hint of the menu item under the mouse goes to the page's status bar.
    const ui::Action& exit = page.ActionNamed(L"Action_FileExit");
    HMENU file = GetSubMenu(GetMenu(window.Handle()), 0);
    SendMessageW(window.Handle(), WM_MENUSELECT, MAKEWPARAM(exit.Id(), 0),
                 reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(page.Status()->Hint(), L"プログラム終了");
    SendMessageW(window.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(page.Status()->Hint(), L"");

    // Switching the pop-up hints off.
    ui::Action& hints = page.ActionNamed(L"Action_ShowPopupHint");
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(hints.Id(), 0), 0);
    EXPECT_FALSE(page.PopupHints());
    EXPECT_FALSE(page.Tools()->PopupHints());
}

TEST_F(MainWindowTest, AFailingCommandIsReportedAndTheProgramGoesOn) {
    app::TApp_TOOLWallpaper& window = Start();
    ui::Action& paste = window.CreatePage()->ActionNamed(L"Action_EditPaste");
    paste.onExecute = [] { throw std::overflow_error("integer multiplication overflow"); };
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(paste.Id(), 0), 0);
    ASSERT_EQ(prompter_.Shown().size(), 1u);
    EXPECT_EQ(prompter_.Shown()[0].text,
              L"操作を完了できませんでした\rinteger multiplication overflow");
    EXPECT_TRUE(IsWindow(window.Handle()));
    window.SelectPage(1);
    EXPECT_EQ(GetMenu(window.Handle()), window.SetPage()->MenuBar());
}

TEST_F(MainWindowTest, DisplayChangeAsksAndBothAnswersAct) {
    app::TApp_TOOLWallpaper& window = Start();
    app::TApp_TOOLWallpaperCreate& page = *window.CreatePage();
    ui::Action& reload = page.ActionNamed(L"Action_FileReloadMonitorInfo");
    ui::Action& setWallpaper = page.ActionNamed(L"Action_FileSetWallpaper");
    int reloads = 0;
    auto realReload = reload.onExecute;
    reload.onExecute = [&] {
        ++reloads;
        realReload();
    };

    prompter_.Answer(IDNO);
    SendMessageW(window.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    ASSERT_EQ(prompter_.Shown().size(), 1u);
    const win::PromptRequest& question = prompter_.Shown()[0];
    EXPECT_EQ(question.text,
              L"モニター情報が変更されました。壁紙画像をリセットします\rよろしいですか\r\r"
              L"[はい] \x3000でリセットを行います\r\x3000壁紙画像の内容は失われます\r"
              L"[いいえ] でリセットを行いません\r\x3000引き続き作業を行えますが"
              L"「モニター情報更新」を行うまで「壁紙に設定」は行えません");
    EXPECT_EQ(question.caption, win::ProgramTitle());
    EXPECT_EQ(question.style & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(reloads, 0);
    EXPECT_FALSE(setWallpaper.Enabled());
    EXPECT_TRUE(reload.Enabled());

    prompter_.Answer(IDYES);
    SendMessageW(window.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    EXPECT_EQ(prompter_.Shown().size(), 2u);
    EXPECT_EQ(reloads, 1);
    EXPECT_FALSE(reload.Enabled());
    EXPECT_TRUE(setWallpaper.Enabled());  // the reload made setting possible again
}

TEST_F(MainWindowTest, EndOfSessionSavesAtOnceAndTheWindowStaysUsable) {
    app::TApp_TOOLWallpaper& window = Start();
    MoveWindow(window.Handle(), 50, 60, 640, 579, TRUE);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    const std::string text = ReadFileBytes(settings_);
    EXPECT_NE(text.find("App_TOOLWallpaper_Left=50\r\nApp_TOOLWallpaper_Top=60\r\n"),
              std::string::npos)
        << text;

    // Another program cancelled the end of the session: everything still works.
    SendMessageW(window.Handle(), WM_ENDSESSION, FALSE, 0);
    ASSERT_NE(window.CreatePage(), nullptr);
    ASSERT_NE(window.SetPage(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window.CreatePage()->Handle()));
    window.SelectPage(1);
    EXPECT_EQ(GetMenu(window.Handle()), window.SetPage()->MenuBar());
    ui::Action& toolBar = window.SetPage()->ActionNamed(L"Action_ShowToolBar");
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(toolBar.Id(), 0), 0);
    EXPECT_FALSE(IsWindowVisible(window.SetPage()->Tools()->Handle()));
}

TEST_F(MainWindowTest, StoredPageOptionsAreApplied) {
    WriteFileBytes(settings_, "[WALLPAPERSET_Option]\r\nToolBar=0\r\nPopupHint=0\r\n");
    app::TApp_TOOLWallpaper& window = Start();
    app::TApp_TOOLWallpaperSet& page = *window.SetPage();
    EXPECT_FALSE(page.ActionNamed(L"Action_ShowToolBar").Checked());
    EXPECT_TRUE(page.ActionNamed(L"Action_ShowStatusBar").Checked());
    EXPECT_FALSE(page.PopupHints());
    EXPECT_FALSE(GetWindowLongW(page.Tools()->Handle(), GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
}  // namespace tessera::testing
