#include "core/compose.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tessera {
namespace {

constexpr Color kBackground = MakeRgb(10, 20, 30);
constexpr Color kOutside = MakeRgb(250, 240, 230);
constexpr Color kFill = MakeRgb(1, 2, 3);

Color ColorAt(const PixelImage& image, int x, int y) {
    const std::uint8_t* p = image.View().At(x, y);
    return MakeRgb(p[2], p[1], p[0]);
}

// Every pixel names its own coordinates (x, y < 4096), so copies can be traced back.
Color CoordinateColor(int x, int y) {
    return MakeRgb(static_cast<std::uint8_t>(y >> 4),
                   static_cast<std::uint8_t>((x >> 8) | ((y & 0xF) << 4)),
                   static_cast<std::uint8_t>(x & 0xFF));
}

PixelImage CoordinatePicture(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color c = CoordinateColor(x, y);
            std::uint8_t* p = image.View().At(x, y);
            p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
        }
    }
    return image;
}

// The tile columns drawn at x = 0, 1, ... of one row.
std::vector<int> TileColumns(const PixelImage& dest) {
    std::vector<int> columns;
    for (int x = 0; x < dest.Width(); ++x) {
        const std::uint8_t* p = dest.View().At(x, 0);
        columns.push_back(p[0] | ((p[1] & 0xF) << 8));
    }
    return columns;
}

TEST(TilePixels, ReducesTheOffsetIntoOneTileAndLeavesNoColumnUndrawn) {
    const PixelImage tile = CoordinatePicture(100, 3);
    struct Case {
        int offsetX;
        int firstColumn;  // tile column at x = 0
    } const cases[] = {{-150, 50}, {250, 50}, {-50, 50}, {-199, 99}, {0, 0}, {100, 0}, {1, 99}};
    for (const auto& c : cases) {
        PixelImage dest(333, 7);
        FillPixels(dest.View(), {0, 0, 333, 7}, kFill);
        TilePixels(dest.View(), tile.View(), c.offsetX, 0);
        const std::vector<int> columns = TileColumns(dest);
        for (int x = 0; x < dest.Width(); ++x) {
            ASSERT_EQ(columns[x], (c.firstColumn + x) % 100)
                << "offset " << c.offsetX << " x " << x;
        }
        // rows repeat with the tile's height
        for (int y = 0; y < dest.Height(); ++y) {
            EXPECT_EQ(ColorAt(dest, 5, y), ColorAt(tile, (c.firstColumn + 5) % 100, y % 3));
        }
    }
}

TEST(TilePixels, NegativeVerticalOffsetWrapsRows) {
    const PixelImage tile = CoordinatePicture(4, 10);
    PixelImage dest(4, 25);
    TilePixels(dest.View(), tile.View(), 0, -13);
    for (int y = 0; y < 25; ++y) EXPECT_EQ(ColorAt(dest, 2, y), CoordinateColor(2, (y + 3) % 10));
}

const TMyScreen kLeft({{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}});
const TMyScreen kAboveShifted({{0, 0, 1920, 1080}, {-500, -1080, 1420, 0}});

PixelImage Compose(const PixelImage& source, const WallpaperParams& params,
                   const TMyScreen& screen) {
    PixelImage dest(screen.DesktopWidth(), screen.DesktopHeight());
    FillOutsideMonitors(dest.View(), screen, params.OutsideColor);
    DrawMonitors(dest.View(), source.View(), params, screen);
    return dest;
}

TEST(DrawMonitors, EmptySourceShowsTheBackgroundOnMonitorsAndTheOutsideColourElsewhere) {
    const WallpaperParams params{
        .Style = DisplayStyle::Cover, .BackgroundColor = kBackground, .OutsideColor = kOutside};
    const PixelImage composed = Compose(PixelImage(), params, kLeft);
    ASSERT_EQ(composed.Width(), 3200);
    ASSERT_EQ(composed.Height(), 1080);
    EXPECT_EQ(ColorAt(composed, 0, 0), kBackground);
    EXPECT_EQ(ColorAt(composed, 1279, 1023), kBackground);
    EXPECT_EQ(ColorAt(composed, 0, 1024), kOutside);
    EXPECT_EQ(ColorAt(composed, 1279, 1079), kOutside);
    EXPECT_EQ(ColorAt(composed, 1280, 1079), kBackground);
    EXPECT_EQ(ColorAt(composed, 3199, 1079), kBackground);
}

// Origin monitor (-1280, 0): the grid passes through x = -1280, so the primary's tiles
// start at offset -280 and its first whole tile at x = 220.
TEST(DrawMonitors, TilesRunOnFromTheOriginMonitor) {
    const PixelImage source = CoordinatePicture(500, 400);
    WallpaperParams params{.Style = DisplayStyle::Tile,
                           .BackgroundColor = kBackground,
                           .Origin = 1,
                           .OutsideColor = kOutside};
    const PixelImage composed = Compose(source, params, kLeft);
    const int primaryLeft = 1280;
    EXPECT_EQ(ColorAt(composed, primaryLeft + 220, 0), CoordinateColor(0, 0));
    EXPECT_EQ(ColorAt(composed, primaryLeft + 219, 0), CoordinateColor(499, 0));
    EXPECT_EQ(ColorAt(composed, primaryLeft, 0), CoordinateColor(280, 0));
    EXPECT_EQ(ColorAt(composed, primaryLeft - 1, 1023), CoordinateColor(279, 1023 % 400));
    EXPECT_EQ(ColorAt(composed, 0, 1024), kOutside);

    params.Origin = kTileOriginEachMonitor;  // each monitor's tiles from its own corner
    const PixelImage own = Compose(source, params, kLeft);
    EXPECT_EQ(ColorAt(own, 0, 0), CoordinateColor(0, 0));
    EXPECT_EQ(ColorAt(own, primaryLeft, 0), CoordinateColor(0, 0));
    EXPECT_EQ(ColorAt(own, primaryLeft - 1, 0), CoordinateColor(279, 0));
}

// The part of monitor `index` (wallpaper-image coordinates) lands at `at` in the file
// image: spot checks on its corners and inner points.
void ExpectPartAt(const PixelImage& file, const PixelImage& composed, Rect part, Point at) {
    const int w = part.Width(), h = part.Height();
    for (Point p : {Point{0, 0}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 1},
                    Point{w / 3, h / 2}}) {
        EXPECT_EQ(ColorAt(file, at.x + p.x, at.y + p.y),
                  ColorAt(composed, part.left + p.x, part.top + p.y))
            << "point " << p.x << "," << p.y;
    }
}

TEST(ArrangeWallpaperFile, LeftMonitorGoesRightOfThePrimaryWithoutWrapping) {
    const PixelImage composed = CoordinatePicture(3200, 1080);
    PixelImage file(3200, 1080);
    FillPixels(file.View(), {0, 0, 3200, 1080}, kFill);
    ArrangeWallpaperFile(file.View(), composed.View(), TileAnchorPoint(TileAnchor::Primary, kLeft),
                         kLeft);
    ExpectPartAt(file, composed, {1280, 0, 3200, 1080}, {0, 0});
    ExpectPartAt(file, composed, {0, 0, 1280, 1024}, {1920, 0});
    EXPECT_EQ(ColorAt(file, 1920, 1024), kFill);
    EXPECT_EQ(ColorAt(file, 3199, 1079), kFill);
    EXPECT_EQ(ColorAt(file, 1919, 1079), CoordinateColor(3199, 1079));
}

TEST(ArrangeWallpaperFile, ShiftedUpperMonitorWrapsItsRightColumns) {
    const PixelImage composed = CoordinatePicture(2420, 2160);
    PixelImage file(2420, 2160);
    FillPixels(file.View(), {0, 0, 2420, 2160}, kFill);
    ArrangeWallpaperFile(file.View(), composed.View(),
                         TileAnchorPoint(TileAnchor::Primary, kAboveShifted), kAboveShifted);
    // the primary from composed (500, 1080) at (0, 0)
    ExpectPartAt(file, composed, {500, 1080, 2420, 2160}, {0, 0});
    // the upper monitor at (1920, 1080): 500 columns fit, the other 1420 go to column 0
    ExpectPartAt(file, composed, {0, 0, 500, 1080}, {1920, 1080});
    ExpectPartAt(file, composed, {500, 0, 1920, 1080}, {0, 1080});
    EXPECT_EQ(ColorAt(file, 1420, 1080), kFill);
    EXPECT_EQ(ColorAt(file, 1919, 2159), kFill);
}

// Tiling from the desktop's corner shows file pixel (x - left, y - top): the file is the
// composed image itself inside the monitors.
TEST(ArrangeWallpaperFile, DesktopAnchorKeepsTheComposedLayout) {
    for (const TMyScreen* screen : {&kLeft, &kAboveShifted}) {
        const int w = screen->DesktopWidth(), h = screen->DesktopHeight();
        const PixelImage composed = CoordinatePicture(w, h);
        PixelImage file(w, h);
        FillPixels(file.View(), {0, 0, w, h}, kFill);
        ArrangeWallpaperFile(file.View(), composed.View(),
                             TileAnchorPoint(TileAnchor::Desktop, *screen), *screen);
        for (const TMyMonitor& monitor : screen->MonitorList()) {
            const Rect part = ScreenToWallpaperImage(monitor.BoundsRect(), *screen);
            ExpectPartAt(file, composed, part, part.TopLeft());
        }
    }
    EXPECT_EQ(TileAnchorPoint(TileAnchor::Desktop, kAboveShifted), (Point{-500, -1080}));
}

}  // namespace
}  // namespace tessera
