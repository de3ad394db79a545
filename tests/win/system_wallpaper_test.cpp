// The desktop settings against the real registry of the test prefix; every test puts
// the user's values back afterwards.
#include "win/system_wallpaper.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "win/bitmap.h"
#include "win/desktop_settings_guard.h"
#include "win/handles.h"
#include "win/image_files.h"
#include "win/registry.h"

namespace tessera::win {
namespace {

using testing::kColorsKeyPath;
using testing::kDesktopKeyPath;
using testing::RawRegValue;
using testing::ReadRaw;
using testing::ReadRawText;

constexpr const wchar_t* kDesktop = kDesktopKeyPath;
constexpr const wchar_t* kColors = kColorsKeyPath;

// Raw access for arranging and inspecting, independent of the code under test.
void SetText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}
void SetDword(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, name, REG_DWORD, &value, sizeof value);
}
void SetBinary(const wchar_t* name) {
    const BYTE bytes[3] = {1, 2, 3};
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, name, REG_BINARY, bytes, sizeof bytes);
}
void Delete(const wchar_t* name) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, name);
}

std::optional<std::wstring> Text(const wchar_t* key, const wchar_t* name) {
    return ReadRawText(key, name);
}
std::optional<DWORD> Dword(const wchar_t* name) {
    const RawRegValue value = ReadRaw(kDesktop, name);
    if (value.type != REG_DWORD) return std::nullopt;
    return *reinterpret_cast<const DWORD*>(value.data.data());
}
bool Missing(const wchar_t* name) {
    return !ReadRaw(kDesktop, name).type;
}

class DesktopSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        picture_ = std::wstring(folder) + L"tessera_wallpaper_test.bmp";
        Bitmap bitmap(4, 3);
        ASSERT_TRUE(SaveBitmapAsBmp(bitmap, picture_));
    }
    void TearDown() override { DeleteFileW(picture_.c_str()); }

    testing::DesktopSettingsGuard guard_;
    std::wstring picture_;
};

TEST_F(DesktopSettings, ApplyWritesTheStyleValuesAndRegistersTheFile) {
    struct Case {
        int style;
        const wchar_t* tile;
        const wchar_t* wallpaperStyle;
        DisplayStyle readBack;
    } const cases[] = {
        {0, L"0", L"0", DisplayStyle::Center},  {1, L"1", L"1", DisplayStyle::Tile},
        {2, L"0", L"2", DisplayStyle::Stretch}, {3, L"1", L"1", DisplayStyle::Tile},
        {4, L"1", L"1", DisplayStyle::Tile},    {5, L"1", L"1", DisplayStyle::Tile},
        {9, L"0", L"0", DisplayStyle::Center},
    };
    for (const Case& c : cases) {
        SetText(kDesktop, L"TileWallpaper", L"x");
        SetText(kDesktop, L"WallpaperStyle", L"x");
        EXPECT_TRUE(ApplyWallpaper(picture_, static_cast<DisplayStyle>(c.style),
                                   kDesktopBackgroundRef, 0, 0));
        EXPECT_EQ(Text(kDesktop, L"TileWallpaper"), c.tile) << "style " << c.style;
        EXPECT_EQ(Text(kDesktop, L"WallpaperStyle"), c.wallpaperStyle) << "style " << c.style;
        EXPECT_EQ(GetWallpaperStyle(), c.readBack) << "style " << c.style;
    }
    EXPECT_EQ(GetWallpaperFileName(), picture_);
}

TEST_F(DesktopSettings, ReadsTheStyleTheSystemShows) {
    struct Case {
        const wchar_t* tile;  // nullptr: missing
        const wchar_t* style;
        DisplayStyle expected;
    } const cases[] = {
        {L"0", L"2", DisplayStyle::Stretch},   {L"1", L"2", DisplayStyle::Tile},
        {L"1", L"0", DisplayStyle::Tile},      {L"0", L"1", DisplayStyle::Tile},
        {L"0", L"6", DisplayStyle::Center},    {nullptr, L"2", DisplayStyle::Tile},
        {L"0", nullptr, DisplayStyle::Center}, {L"yes", L"0", DisplayStyle::Tile},
    };
    for (const Case& c : cases) {
        c.tile ? SetText(kDesktop, L"TileWallpaper", c.tile) : Delete(L"TileWallpaper");
        c.style ? SetText(kDesktop, L"WallpaperStyle", c.style) : Delete(L"WallpaperStyle");
        EXPECT_EQ(GetWallpaperStyle(), c.expected)
            << (c.tile ? c.tile : L"(missing)") << " " << (c.style ? c.style : L"(missing)");
    }
    SetDword(L"TileWallpaper", 1);
    EXPECT_THROW(GetWallpaperStyle(), RegistryError);
}

TEST_F(DesktopSettings, ReadsTheOriginAsIntegerOrText) {
    SetDword(L"WallpaperOriginX", static_cast<DWORD>(-40));
    SetText(kDesktop, L"WallpaperOriginY", L"15");
    EXPECT_EQ(GetWallpaperOrigin(), (Point{-40, 15}));
    SetText(kDesktop, L"WallpaperOriginX", L"abc");
    Delete(L"WallpaperOriginY");
    EXPECT_EQ(GetWallpaperOrigin(), (Point{0, 0}));
    SetBinary(L"WallpaperOriginY");
    EXPECT_THROW(GetWallpaperOrigin(), RegistryError);
}

TEST_F(DesktopSettings, ZeroOriginIsWrittenOnlyOverANonZeroOne) {
    Delete(L"WallpaperOriginX");
    SetText(kDesktop, L"WallpaperOriginY", L"0");
    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    EXPECT_TRUE(Missing(L"WallpaperOriginX"));
    EXPECT_EQ(Text(kDesktop, L"WallpaperOriginY"), L"0");  // untouched: still text

    SetText(kDesktop, L"WallpaperOriginX", L"15");
    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    EXPECT_EQ(Dword(L"WallpaperOriginX"), 0u);
    EXPECT_EQ(Text(kDesktop, L"WallpaperOriginY"), L"0");

    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Center, kDesktopBackgroundRef, 5, -7));
    EXPECT_EQ(Dword(L"WallpaperOriginX"), 5u);
    EXPECT_EQ(Dword(L"WallpaperOriginY"), static_cast<DWORD>(-7));
    EXPECT_EQ(GetWallpaperOrigin(), (Point{5, -7}));
}

// A value of an unexpected type ends the operation: nothing after it is written or set.
TEST_F(DesktopSettings, AValueOfAnotherTypeStopsApply) {
    ASSERT_TRUE(ApplyWallpaper(L"", DisplayStyle::Center, kDesktopBackgroundRef, 0, 0));
    SetBinary(L"WallpaperOriginX");
    SetText(kDesktop, L"TileWallpaper", L"7");
    EXPECT_THROW(ApplyWallpaper(picture_, DisplayStyle::Tile, MakeRgb(1, 2, 3), 0, 0),
                 RegistryError);
    EXPECT_EQ(Text(kDesktop, L"TileWallpaper"), L"7");
    EXPECT_NE(GetBackgroundColor(), MakeRgb(1, 2, 3));
    EXPECT_EQ(GetWallpaperFileName(), L"");
}

TEST_F(DesktopSettings, BackgroundColourChangesOnlyWhenItDiffers) {
    const COLORREF current = GetSysColor(COLOR_BACKGROUND);
    const Color other = current == MakeRgb(10, 20, 30) ? MakeRgb(11, 20, 30) : MakeRgb(10, 20, 30);
    // The same colour, as RGB or as the reference: the colours key is not touched.
    SetText(kColors, L"Background", L"marker");
    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, current, 0, 0));
    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    EXPECT_EQ(Text(kColors, L"Background"), L"marker");

    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, other, 0, 0));
    EXPECT_EQ(Text(kColors, L"Background"), std::to_wstring(RedOf(other)) + L" " +
                                                std::to_wstring(GreenOf(other)) + L" " +
                                                std::to_wstring(BlueOf(other)));
    EXPECT_EQ(GetBackgroundColor(), other);

    SetText(kColors, L"Background", L"marker");
    SetBackgroundColor(MakeRgb(200, 0, 7), false);
    EXPECT_EQ(GetBackgroundColor(), MakeRgb(200, 0, 7));
    EXPECT_EQ(Text(kColors, L"Background"), L"marker");
}

TEST_F(DesktopSettings, NoWallpaperGivesAnEmptyName) {
    ASSERT_TRUE(ApplyWallpaper(picture_, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    EXPECT_EQ(GetWallpaperFileName(), picture_);
    ASSERT_TRUE(ApplyWallpaper(L"", DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    EXPECT_EQ(GetWallpaperFileName(), L"");
}

}  // namespace
}  // namespace tessera::win
