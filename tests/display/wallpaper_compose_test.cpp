// Composition on the monitors Wine reports for the current virtual display layout: where
// a synthetic picture's quadrants, the background and the outside colour land in the
// composed image, and where each monitor's part lands in the wallpaper file image.
#include "win/wallpaper_compose.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/compose.h"
#include "support/layouts.h"
#include "win/bitmap.h"
#include "win/monitors.h"

namespace tessera {
namespace {

using win::Bitmap;

constexpr Color kBackground = MakeRgb(10, 20, 30);
constexpr Color kOutside = MakeRgb(250, 240, 230);
constexpr Color kFill = MakeRgb(1, 2, 3);
constexpr Color kQuadrants[2][2] = {{MakeRgb(200, 0, 0), MakeRgb(0, 200, 0)},
                                    {MakeRgb(0, 0, 200), MakeRgb(200, 200, 0)}};

// Four uniform quadrants: top-left, top-right, bottom-left, bottom-right.
Bitmap QuadrantPicture(int width, int height) {
    Bitmap picture(width, height);
    const Bgr24View view = picture.Pixels();
    FillPixels(view, {0, 0, width / 2, height / 2}, kQuadrants[0][0]);
    FillPixels(view, {width / 2, 0, width, height / 2}, kQuadrants[0][1]);
    FillPixels(view, {0, height / 2, width / 2, height}, kQuadrants[1][0]);
    FillPixels(view, {width / 2, height / 2, width, height}, kQuadrants[1][1]);
    return picture;
}

Color ColorAt(const Bitmap& image, int x, int y) {
    const std::uint8_t* p = image.Pixels().At(x, y);
    return MakeRgb(p[2], p[1], p[0]);
}

std::int32_t Half(std::int32_t difference) {
    return difference / 2;
}  // toward zero

// Where the picture is drawn on a monitor, from the rules of each style (default position:
// centred in the monitor, or in the desktop for the span style).
Rect ExpectedDrawing(DisplayStyle style, const Rect& monitor, const Rect& desktop, Size source) {
    const int mw = monitor.Width(), mh = monitor.Height();
    Size size = source;
    Rect area = monitor;
    switch (style) {
        case DisplayStyle::Stretch: return monitor;
        case DisplayStyle::Contain: size = ContainSize(source.width, source.height, mw, mh); break;
        case DisplayStyle::Cover: size = CoverSize(source.width, source.height, mw, mh); break;
        case DisplayStyle::Span:
            size = CoverSize(source.width, source.height, desktop.Width(), desktop.Height());
            area = desktop;
            break;
        default: break;
    }
    const int left = area.left + Half(area.Width() - size.width);
    const int top = area.top + Half(area.Height() - size.height);
    return {left, top, left + size.width, top + size.height};
}

// Sample coordinates: the edges of the monitor and the drawing and a regular grid.
std::vector<int> Samples(int begin, int end, int drawBegin, int drawEnd) {
    std::set<int> values = {begin,         end - 1,     drawBegin - 1, drawBegin,
                            drawBegin + 1, drawEnd - 2, drawEnd - 1,   drawEnd};
    for (int v = begin; v < end; v += 97) values.insert(v);
    std::vector<int> inside;
    for (int v : values) {
        if (v >= begin && v < end) inside.push_back(v);
    }
    return inside;
}

class ComposeOnLayout : public ::testing::Test {
  protected:
    const TMyScreen& screen_ = win::MyScreen();
    const Rect desktop_ = screen_.DesktopRect();

    Bitmap Compose(const Bitmap& source, WallpaperParams params) {
        params.BackgroundColor = kBackground;
        params.OutsideColor = kOutside;
        Bitmap composed;
        win::ComposeWallpaper(composed, source, params, screen_);
        EXPECT_EQ(composed.Width(), desktop_.Width());
        EXPECT_EQ(composed.Height(), desktop_.Height());
        EXPECT_EQ(composed.Format(), win::PixelFormat::Bgr24);
        EXPECT_EQ(composed.BrushColor(), kBackground);
        return composed;
    }

    Color At(const Bitmap& composed, int screenX, int screenY) {
        return ColorAt(composed, screenX - desktop_.left, screenY - desktop_.top);
    }

    // Pixels in no monitor show the outside colour.
    void ExpectOutside(const Bitmap& composed) {
        for (int y = desktop_.top; y < desktop_.bottom; y += 31) {
            for (int x = desktop_.left; x < desktop_.right; x += 29) {
                const bool inMonitor =
                    std::any_of(screen_.MonitorList().begin(), screen_.MonitorList().end(),
                                [&](const TMyMonitor& m) {
                                    return m.BoundsRect().Contains({x, y});
                                });
                if (!inMonitor) {
                    ASSERT_EQ(At(composed, x, y), kOutside) << x << "," << y;
                }
            }
        }
    }
};

TEST_F(ComposeOnLayout, EveryStyleDrawsTheQuadrantsWhereItsRulesPlaceThem) {
    const Bitmap small = QuadrantPicture(300, 200);
    const Bitmap large = QuadrantPicture(4000, 3000);
    const DisplayStyle styles[] = {DisplayStyle::Center, DisplayStyle::Stretch,
                                   DisplayStyle::Contain, DisplayStyle::Cover, DisplayStyle::Span};
    for (DisplayStyle style : styles) {
        const Bitmap& source = style == DisplayStyle::Center ? small : large;
        const Bitmap composed = Compose(source, {.Style = style});
        for (const TMyMonitor& monitor : screen_.MonitorList()) {
            const Rect m = monitor.BoundsRect();
            const Rect d = ExpectedDrawing(style, m, desktop_, {source.Width(), source.Height()});
            // The quadrant borders may blend one pixel; everything else is exact.
            const int cx = d.left + d.Width() / 2, cy = d.top + d.Height() / 2;
            for (int y : Samples(m.top, m.bottom, d.top, d.bottom)) {
                for (int x : Samples(m.left, m.right, d.left, d.right)) {
                    if (!d.Contains({x, y})) {
                        ASSERT_EQ(At(composed, x, y), kBackground)
                            << int(style) << " at " << x << "," << y;
                    } else if (std::abs(x - cx) > 1 && std::abs(y - cy) > 1) {
                        ASSERT_EQ(At(composed, x, y), kQuadrants[y >= cy][x >= cx])
                            << int(style) << " at " << x << "," << y;
                    }
                }
            }
        }
        ExpectOutside(composed);
    }
}

std::int32_t Mod(std::int64_t value, std::int64_t size) {
    return static_cast<std::int32_t>(((value % size) + size) % size);
}

// Tiles on a grid through the first monitor's corner run on across all monitors; with
// the each-monitor origin every monitor starts its own grid.
TEST_F(ComposeOnLayout, TilesFollowTheOriginMonitorsGrid) {
    const Bitmap tile = QuadrantPicture(300, 200);
    for (TileOrigin origin : {kTileOriginDefault, kTileOriginEachMonitor}) {
        const Bitmap composed = Compose(tile, {.Style = DisplayStyle::Tile, .Origin = origin});
        for (const TMyMonitor& monitor : screen_.MonitorList()) {
            const Rect m = monitor.BoundsRect();
            const Point grid = origin == kTileOriginEachMonitor
                                   ? m.TopLeft()
                                   : screen_.Monitors(0).BoundsRect().TopLeft();
            for (int y = m.top; y < m.bottom; y += 7) {
                for (int x = m.left; x < m.right; x += 11) {
                    const int tx = Mod(x - grid.x, 300), ty = Mod(y - grid.y, 200);
                    ASSERT_EQ(At(composed, x, y), kQuadrants[ty >= 100][tx >= 150])
                        << "origin " << origin << " at " << x << "," << y;
                }
            }
        }
        ExpectOutside(composed);
    }
}

TEST_F(ComposeOnLayout, EmptySourceLeavesTheBackgroundOnEveryMonitor) {
    const Bitmap composed = Compose(Bitmap(), {.Style = DisplayStyle::Cover});
    for (const TMyMonitor& monitor : screen_.MonitorList()) {
        const Rect m = monitor.BoundsRect();
        for (Point p :
             {m.TopLeft(), Point{m.right - 1, m.bottom - 1}, Point{m.left + 5, m.bottom - 1}}) {
            EXPECT_EQ(At(composed, p.x, p.y), kBackground);
        }
    }
    ExpectOutside(composed);
}

// Every monitor pixel lands where the system's tiling from the anchor shows it; every
// other pixel of the file keeps the fill colour.
TEST_F(ComposeOnLayout, FileImageShowsEachMonitorsPartWhereTheSystemTilesIt) {
    const Bitmap composed = Compose(QuadrantPicture(4000, 3000), {.Style = DisplayStyle::Span});
    const int width = desktop_.Width(), height = desktop_.Height();
    for (TileAnchor anchor : {TileAnchor::Primary, TileAnchor::Desktop}) {
        Bitmap file;
        win::MakeWallpaperFileImage(file, composed, kFill, screen_, anchor);
        ASSERT_EQ(file.Width(), width);
        ASSERT_EQ(file.Height(), height);
        EXPECT_EQ(file.BrushColor(), kFill);
        const Point a = anchor == TileAnchor::Desktop ? desktop_.TopLeft() : Point{0, 0};
        std::vector<bool> covered(static_cast<std::size_t>(width) * height);
        for (const TMyMonitor& monitor : screen_.MonitorList()) {
            const Rect m = monitor.BoundsRect();
            for (int y = m.top; y < m.bottom; ++y) {
                const int fy = Mod(y - a.y, height);
                for (int x = m.left; x < m.right; ++x) {
                    const int fx = Mod(x - a.x, width);
                    covered[static_cast<std::size_t>(fy) * width + fx] = true;
                    if (x % 13 == 0 || x == m.left || x == m.right - 1) {
                        ASSERT_EQ(ColorAt(file, fx, fy), At(composed, x, y))
                            << "anchor " << int(anchor) << " at " << x << "," << y;
                    }
                }
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!covered[static_cast<std::size_t>(y) * width + x]) {
                    ASSERT_EQ(ColorAt(file, x, y), kFill)
                        << "anchor " << int(anchor) << " at " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessera
