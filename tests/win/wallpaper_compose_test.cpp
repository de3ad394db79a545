#include "win/wallpaper_compose.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/compose.h"
#include "win/bitmap_operations.h"
#include "win/desktop_settings_guard.h"
#include "win/image_files.h"
#include "win/system_wallpaper.h"

namespace tessera::win {
namespace {

constexpr Color kBackground = MakeRgb(10, 20, 30);
constexpr Color kOutside = MakeRgb(250, 240, 230);
constexpr Color kInk = MakeRgb(40, 160, 220);

// A primary 64 x 48 and a 32 x 40 monitor on its left: the strip below the left monitor
// is outside every monitor.
const TMyScreen kScreen({{0, 0, 64, 48}, {-32, 0, 0, 40}});

Color ColorAt(const Bitmap& image, int x, int y) {
    GdiFlush();
    const std::uint8_t* p = image.Pixels().At(x, y);
    return MakeRgb(p[2], p[1], p[0]);
}

Bitmap Uniform(int width, int height, Color color, PixelFormat format = PixelFormat::Bgr24) {
    Bitmap bitmap(width, height, format);
    FillBitmap(bitmap, color, false);
    GdiFlush();
    return bitmap;
}

std::wstring TempPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

bool Near(Color a, Color b, int tolerance) {
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

const WallpaperParams kStretch{
    .Style = DisplayStyle::Stretch, .BackgroundColor = kBackground, .OutsideColor = kOutside};

// What the two monitors show: the primary's and the left monitor's centre pixels.
struct Shown {
    Color primary, left, outside;
};
Shown ShownBy(const Bitmap& composed) {
    return {ColorAt(composed, 32 + 32, 24), ColorAt(composed, 16, 20), ColorAt(composed, 5, 45)};
}

TEST(ComposeWallpaperFromFile, ReadsBmpAndJpegAndShowsTheBackgroundForAnythingElse) {
    const std::wstring bmp = TempPath(L"tessera_compose_source.bmp");
    const std::wstring jpeg = TempPath(L"tessera_compose_source.jpeg");
    const std::wstring gif = TempPath(L"tessera_compose_source.gif");
    const std::wstring text = TempPath(L"tessera_compose_text.bmp");
    const Bitmap picture = Uniform(30, 20, kInk);
    ASSERT_TRUE(SaveImageFile(picture, bmp));
    ASSERT_TRUE(SaveImageFile(picture, jpeg));
    ASSERT_TRUE(SaveImageFile(picture, gif));
    const char garbage[] = "not a bitmap";
    HANDLE file = CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, garbage, sizeof garbage, &written, nullptr);
    CloseHandle(file);

    Bitmap composed;
    ComposeWallpaperFromFile(composed, bmp, kStretch, kScreen);
    EXPECT_EQ(ShownBy(composed).primary, kInk);
    EXPECT_EQ(ShownBy(composed).left, kInk);
    EXPECT_EQ(ShownBy(composed).outside, kOutside);
    EXPECT_EQ(composed.BrushColor(), kBackground);

    ComposeWallpaperFromFile(composed, jpeg, kStretch, kScreen);
    EXPECT_TRUE(Near(ShownBy(composed).primary, kInk, 4));

    for (const std::wstring& plain : {gif, text, TempPath(L"tessera_no_such_file.jpg")}) {
        ComposeWallpaperFromFile(composed, plain, kStretch, kScreen);
        EXPECT_EQ(ShownBy(composed).primary, kBackground);
        EXPECT_EQ(ShownBy(composed).left, kBackground);
        EXPECT_EQ(ShownBy(composed).outside, kOutside);
    }
    for (const std::wstring& path : {bmp, jpeg, gif, text}) DeleteFileW(path.c_str());
}

TEST(ComposeWallpaperFromFile, EmptyNameComposesTheCurrentWallpaper) {
    testing::DesktopSettingsGuard guard;
    const std::wstring bmp = TempPath(L"tessera_current_wallpaper.bmp");
    ASSERT_TRUE(SaveImageFile(Uniform(8, 8, kInk), bmp));
    ASSERT_TRUE(ApplyWallpaper(bmp, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0));
    Bitmap composed;
    ComposeWallpaperFromFile(composed, L"", kStretch, kScreen);
    EXPECT_EQ(ShownBy(composed).primary, kInk);
    DeleteFileW(bmp.c_str());
}

TEST(ComposeWallpaper, SourceMayBeTheDestinationOrThirtyTwoBit) {
    Bitmap picture = Uniform(30, 20, kInk, PixelFormat::Bgrx32);
    ComposeWallpaper(picture, picture, kStretch, kScreen);
    ASSERT_EQ(picture.Width(), 96);
    ASSERT_EQ(picture.Height(), 48);
    EXPECT_EQ(picture.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(ShownBy(picture).primary, kInk);
    EXPECT_EQ(ShownBy(picture).outside, kOutside);
}

// The brush colour and the colours may be system-colour references; they are drawn as
// the system colour and the reference stays in the brush.
TEST(ComposeWallpaper, SystemColourReferencesAreDrawnAsTheirColour) {
    WallpaperParams params = kStretch;
    params.BackgroundColor = kDesktopBackgroundRef;
    Bitmap composed;
    ComposeWallpaper(composed, Bitmap(), params, kScreen);
    EXPECT_EQ(ShownBy(composed).primary, GetSysColor(COLOR_BACKGROUND) & 0xFFFFFF);
    EXPECT_EQ(composed.BrushColor(), kDesktopBackgroundRef);
}

TEST(MakeWallpaperFileImage, FillsWithTheResolvedColourAndKeepsTheReferenceInTheBrush) {
    Bitmap composed;
    ComposeWallpaper(composed, Uniform(5, 5, kInk), kStretch, kScreen);
    Bitmap file;
    MakeWallpaperFileImage(file, composed, kDesktopBackgroundRef, kScreen, TileAnchor::Primary);
    ASSERT_EQ(file.Width(), 96);
    EXPECT_EQ(file.BrushColor(), kDesktopBackgroundRef);
    EXPECT_EQ(ColorAt(file, 0, 0), kInk);   // the primary at (0, 0)
    EXPECT_EQ(ColorAt(file, 64, 0), kInk);  // the left monitor after it
    EXPECT_EQ(ColorAt(file, 64, 45), GetSysColor(COLOR_BACKGROUND) & 0xFFFFFF);  // neither
}

TEST(TileBitmap, CoversTheDestinationAndIgnoresEmptyBitmaps) {
    Bitmap tile(3, 2);
    const Bgr24View view = tile.Pixels();
    FillPixels(view, {0, 0, 3, 2}, kInk);
    FillPixels(view, {0, 0, 1, 1}, kBackground);  // marks the tile's corner
    Bitmap dest = Uniform(10, 7, kOutside, PixelFormat::Bgrx32);
    TileBitmap(dest, tile, -1, 1);
    ASSERT_EQ(dest.Format(), PixelFormat::Bgr24);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool corner = (x + 1) % 3 == 0 && (y - 1 + 2) % 2 == 0;
            ASSERT_EQ(ColorAt(dest, x, y), corner ? kBackground : kInk) << x << "," << y;
        }
    }
    Bitmap untouched = Uniform(4, 4, kOutside);
    TileBitmap(untouched, Bitmap(), 0, 0);
    EXPECT_EQ(ColorAt(untouched, 3, 3), kOutside);
}

}  // namespace
}  // namespace tessera::win
