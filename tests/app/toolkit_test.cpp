#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "ui/component.h"
#include "ui/panel.h"
#include "ui/splitter.h"

namespace tessera::testing {
namespace {

TEST_F(MainWindowTest, ComponentsAreFoundByNameAnywhereInTheTree) {
    app::TApp_TOOLWallpaper& window = Start();
    EXPECT_NE(ui::Application().FindInTree(L"action_fileexit"), nullptr);
    ui::Component* exit = window.CreatePage()->FindInTree(L"ACTION_FILEEXIT");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->Owner()->Owner(), window.CreatePage());  // page > action list > action
    EXPECT_EQ(window.FindComponent(L"TABSHEET_WALLPAPERSET")->Name(), L"TabSheet_WallpaperSet");
    EXPECT_EQ(window.UniqueName(L"TabSheet"), L"TabSheet_0");
    ui::Component tab(L"TabSheet_0", window.CreatePage());
    EXPECT_EQ(window.UniqueName(L"tabsheet"), L"tabsheet_1");
}

// Automatic hints: the control under the mouse (or its nearest parent with a hint).
TEST_F(MainWindowTest, TheStatusBarShowsTheHintOfTheControlUnderTheMouse) {
    app::TApp_TOOLWallpaper& window = Start();
    app::TApp_TOOLWallpaperSet& page = *window.SetPage();
    window.SelectPage(1);
    HWND button = CreateWindowExW(0, L"BUTTON", L"壁紙に適用(&W)", WS_CHILD | WS_VISIBLE, 10, 10, 120,
                                  24, page.Body().Handle(), nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    page.SetHint(page.Body().Handle(), L"一覧");
    page.SetHint(button, L"読み込んだ画像を壁紙に適用");
    const LPARAM move = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), move);
    EXPECT_EQ(page.Status()->Hint(), L"読み込んだ画像を壁紙に適用");
    SendMessageW(page.Body().Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Body().Handle()),
                 move);
    EXPECT_EQ(page.Status()->Hint(), L"一覧");
    SendMessageW(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Handle()), move);
    EXPECT_EQ(page.Status()->Hint(), L"");
}

// Docked children keep their own height when the parent is squeezed and grows again, and
// the splitter changes the top child's height while it is dragged.
TEST(DockAndSplitter, EdgesKeepTheirSizeAndTheSplitterResizesLive) {
    HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                 300, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ui::Panel parent(L"Panel_Base", nullptr);
    ASSERT_TRUE(parent.Create(frame, RECT{0, 0, 300, 400}));
    ui::Panel top(L"Panel_Top", &parent);
    ui::Panel rest(L"Panel_Rest", &parent);
    ui::Splitter splitter(L"Splitter1", &parent);
    ASSERT_TRUE(top.Create(parent.Handle(), RECT{0, 0, 10, 100}));
    ASSERT_TRUE(splitter.Create(parent.Handle(), top.Handle(), 7));
    ASSERT_TRUE(rest.Create(parent.Handle(), RECT{0, 0, 10, 10}));
    parent.Dock().Add(top.Handle(), ui::Align::Top);
    parent.Dock().Add(splitter.Handle(), ui::Align::Top);
    parent.Dock().Add(rest.Handle(), ui::Align::Client);
    splitter.onMoved = [&] { parent.Arrange(); };
    parent.Arrange();
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 300, 100}));
    EXPECT_EQ(splitter.Bounds(), (Rect{0, 100, 300, 107}));
    EXPECT_EQ(rest.Bounds(), (Rect{0, 107, 300, 400}));

    MoveWindow(parent.Handle(), 0, 0, 300, 50, TRUE);
    MoveWindow(parent.Handle(), 0, 0, 300, 400, TRUE);
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 300, 100}));

    SendMessageW(splitter.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    SendMessageW(splitter.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 43));
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 300, 140}));
    EXPECT_EQ(rest.Bounds(), (Rect{0, 147, 300, 400}));
    SendMessageW(splitter.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 43));
    DestroyWindow(frame);
}

}  // namespace
}  // namespace tessera::testing
