#include "win/ini_bounds.h"

#include <gtest/gtest.h>

#include "core/text_file_system.h"
#include "win/monitors.h"
#include "win/text_file.h"
#include "support/scratch_folder.h"

namespace tessera::win {
namespace {

TEST(IniBoundsTest, FitIntoWorkAreaMovesAndKeepsTheSize) {
    const Rect area{0, 0, 1920, 1040};
    struct Case {
        Rect stored;
        Rect fitted;
    };
    const Case cases[] = {
        {{100, 100, 900, 700}, {100, 100, 900, 700}},          // inside: unchanged
        {{-300, 100, 500, 700}, {0, 100, 800, 700}},           // partly left of the screen
        {{1500, 900, 2300, 1300}, {1120, 640, 1920, 1040}},    // partly right and below
        {{-50, 10, 2950, 500}, {0, 10, 3000, 500}},            // wider than the area
        {{200, -20, 400, 1980}, {200, 0, 400, 2000}},          // higher than the area
    };
    for (const auto& c : cases) EXPECT_EQ(FitIntoWorkArea(c.stored, area), c.fitted);
}

class IniBoundsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallTextServices();
        path_ = testing::UniqueTempFolder(L"tessera_bounds_test") + L".ini";
        DeleteFileW(path_.c_str());
    }
    void TearDown() override { DeleteFileW(path_.c_str()); }
    std::wstring path_;
};

TEST_F(IniBoundsFileTest, StoredBoundsComeBackOnTheWorkArea) {
    const Rect area = WorkAreaFromRect({0, 0, 100, 100});
    {
        TMyIniFile ini(path_, teAuto);
        WriteBounds(ini, L"WALLPAPERSET_Bounds", L"App_TOOLWallpaper", Rect{area.left - 300, area.top + 10, area.left + 500, area.top + 410});
        WriteBounds(ini, L"WALLPAPERSET_Bounds", L"Wide", Rect{area.left + 40, area.top, area.left + 40 + area.Width() + 500, area.top + 100});
        WriteBounds(ini, L"WALLPAPERSET_Bounds", L"Broken", Rect{500, 500, 100, 100});
    }
    TMyIniFile ini(path_, teAuto);
    const Rect current{area.left + 1, area.top + 2, area.left + 301, area.top + 202};
    EXPECT_EQ(FitBounds(ini, L"WALLPAPERSET_Bounds", L"App_TOOLWallpaper", current),
              (Rect{area.left, area.top + 10, area.left + 800, area.top + 410}));
    EXPECT_EQ(FitBounds(ini, L"WALLPAPERSET_Bounds", L"Wide", current),
              (Rect{area.left, area.top, area.left + area.Width() + 500, area.top + 100}));
    EXPECT_EQ(FitBounds(ini, L"WALLPAPERSET_Bounds", L"Broken", current), current);
    EXPECT_EQ(ReadBounds(ini, L"WALLPAPERSET_Bounds", L"Missing", current), current);
}

TEST_F(IniBoundsFileTest, RestoresAndWritesAWindowsBounds) {
    const Rect area = WorkAreaFromRect({0, 0, 100, 100});
    HWND window = CreateWindowExW(0, L"STATIC", L"bounds", WS_POPUP, area.left + 10, area.top + 10, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        TMyIniFile ini(path_, teAuto);
        WriteBounds(ini, L"S", L"Form", Rect{area.left - 100, area.top + 20, area.left + 300, area.top + 320});
    }
    TMyIniFile ini(path_, teAuto);
    RestoreBounds(ini, L"S", L"Form", window);
    EXPECT_EQ(WindowBounds(window), (Rect{area.left, area.top + 20, area.left + 400, area.top + 320}));
    WriteBounds(ini, L"S", L"Form", window);
    EXPECT_EQ(ini.ReadInteger(L"S", L"Form_Left", -1), area.left);
    EXPECT_EQ(ini.ReadInteger(L"S", L"Form_Right", -1), area.left + 400);
    DestroyWindow(window);
}

}  // namespace
}  // namespace tessera::win
