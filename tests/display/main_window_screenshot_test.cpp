#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "support/layouts.h"
#include "win/bitmap.h"
#include "win/image_files.h"

namespace tessera::testing {
namespace {

std::wstring BesideTheProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// On the two-monitor desktop the main window draws its tabs' Japanese captions: the tab
// strip is not blank.
TEST_F(MainWindowTest, TheMainWindowRendersItsTabCaptions) {
    if (CurrentLayout().name != "left") GTEST_SKIP() << "runs on the two-monitor layout";
    app::TApp_TOOLWallpaper& window = Start();
    MoveWindow(window.Handle(), 40, 40, 640, 579, TRUE);
    UpdateWindow(window.Handle());
    PumpMessages();
    const Rect bounds = WindowRect(window.Handle());
    win::Bitmap shot(bounds.Width(), bounds.Height());
    // What the display shows (the window is on top; there is no window manager).
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(BitBlt(shot.Dc(), 0, 0, bounds.Width(), bounds.Height(), screen, bounds.left,
                       bounds.top, SRCCOPY));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(win::SaveImageFile(shot, BesideTheProgram(L"main_window.bmp")));  // to look at

    // The first tab's caption, in window coordinates.
    RECT tab{};
    SendMessageW(window.PageControl1(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    MapWindowPoints(window.PageControl1(), nullptr, reinterpret_cast<POINT*>(&tab), 2);
    OffsetRect(&tab, -bounds.left, -bounds.top);
    ASSERT_GT(tab.right - tab.left, 10);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Bgr24View pixels = shot.Pixels();
    int ink = 0;
    for (LONG y = tab.top + 2; y < tab.bottom - 2; ++y) {
        for (LONG x = tab.left + 4; x < tab.right - 4; ++x) {
            const std::uint8_t* p = pixels.Row(y) + 3 * x;
            if (RGB(p[2], p[1], p[0]) != face) ++ink;
        }
    }
    EXPECT_GT(ink, 30) << "the tab caption area is blank";
}

}  // namespace
}  // namespace tessera::testing
