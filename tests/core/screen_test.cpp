#include "core/screen.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <stdexcept>
#include <vector>

namespace tessera {
namespace {

struct DesktopCase {
    const char* name;
    std::vector<Rect> monitors;
    Rect desktop;
    std::vector<Rect> imageRects;  // each monitor in wallpaper-image coordinates
    int primary;
};

class DesktopGeometry : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopGeometry, DesktopRectAndImageCoordinates) {
    const DesktopCase& c = GetParam();
    const TMyScreen screen(c.monitors);
    ASSERT_EQ(screen.MonitorCount(), static_cast<int>(c.monitors.size()));
    EXPECT_EQ(screen.DesktopRect(), c.desktop);
    EXPECT_EQ(screen.DesktopLeft(), c.desktop.left);
    EXPECT_EQ(screen.DesktopTop(), c.desktop.top);
    EXPECT_EQ(screen.DesktopWidth(), c.desktop.right - c.desktop.left);
    EXPECT_EQ(screen.DesktopHeight(), c.desktop.bottom - c.desktop.top);
    EXPECT_EQ(screen.PrimaryIndex(), c.primary);
    const Rect imageBounds{0, 0, screen.DesktopWidth(), screen.DesktopHeight()};
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        const Rect image = ScreenToWallpaperImage(screen.Monitors(i).BoundsRect(), screen);
        EXPECT_EQ(image, c.imageRects[i]) << "monitor " << i;
        EXPECT_TRUE(image.left >= 0 && image.top >= 0 && image.right <= imageBounds.right &&
                    image.bottom <= imageBounds.bottom);
        EXPECT_EQ(WallpaperImageToScreen(image, screen), screen.Monitors(i).BoundsRect());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DesktopGeometry,
    ::testing::Values(
        DesktopCase{"single", {{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}, {{0, 0, 1920, 1080}}, 0},
        DesktopCase{"left",
                    {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}},
                    {-1280, 0, 1920, 1080},
                    {{1280, 0, 3200, 1080}, {0, 0, 1280, 1024}},
                    0},
        DesktopCase{"above",
                    {{0, 0, 1024, 768}, {0, -768, 1024, 0}},
                    {0, -768, 1024, 768},
                    {{0, 768, 1024, 1536}, {0, 0, 1024, 768}},
                    0},
        // The primary need not come first, and the union always includes the origin.
        DesktopCase{"primary second, all right of it",
                    {{1920, 0, 3200, 1024}, {0, 0, 1920, 1080}},
                    {0, 0, 3200, 1080},
                    {{1920, 0, 3200, 1024}, {0, 0, 1920, 1080}},
                    1},
        DesktopCase{"no monitor at the origin",
                    {{100, 100, 200, 200}},
                    {0, 0, 200, 200},
                    {{100, 100, 200, 200}},
                    -1}),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& ch : name) {
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST(TMyScreen, MonitorsClampsTheIndexAndRefusesAnEmptyList) {
    const TMyScreen screen({{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}, {0, -768, 1024, 0}});
    EXPECT_EQ(screen.Monitors(-5).BoundsRect(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(screen.Monitors(INT_MIN).BoundsRect(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(screen.Monitors(1).BoundsRect(), (Rect{-1280, 0, 0, 1024}));
    EXPECT_EQ(screen.Monitors(screen.MonitorCount() + 3).BoundsRect(), (Rect{0, -768, 1024, 0}));
    EXPECT_EQ(screen.Monitors(INT_MAX).BoundsRect(), (Rect{0, -768, 1024, 0}));

    const TMyScreen empty;
    EXPECT_EQ(empty.MonitorCount(), 0);
    EXPECT_THROW(empty.Monitors(0), std::out_of_range);
    EXPECT_EQ(empty.DesktopRect(), (Rect{0, 0, 0, 0}));
    EXPECT_THROW(ScreenToWallpaperFile({0, 0}, empty), std::domain_error);
}

TEST(TMyScreen, KeepsItsMonitorsUntilRefreshed) {
    std::vector<TMyMonitor> current = {{11, {0, 0, 1920, 1080}}};
    TMyScreen screen([&current] { return current; });
    current = {{11, {0, 0, 1920, 1080}}, {12, {-1280, 0, 0, 1024}}};  // a display change

    EXPECT_EQ(screen.MonitorCount(), 1);
    EXPECT_EQ(screen.DesktopRect(), (Rect{0, 0, 1920, 1080}));
    screen.Refresh();
    ASSERT_EQ(screen.MonitorCount(), 2);
    EXPECT_EQ(screen.Monitors(1).Handle(), 12u);
    EXPECT_EQ(screen.DesktopRect(), (Rect{-1280, 0, 1920, 1080}));
}

TEST(TMyScreen, AMonitorWithoutInformationStillCounts) {
    const TMyScreen screen({{0, 0, 1920, 1080}, {0, 0, 0, 0}});
    EXPECT_EQ(screen.MonitorCount(), 2);
    EXPECT_EQ(screen.Monitors(1).Width(), 0);
    EXPECT_EQ(screen.DesktopRect(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(screen.Monitors(0).Handle(), 1u);
    EXPECT_EQ(screen.Monitors(1).Handle(), 2u);
}

TEST(TMyScreen, MonitorAtAPointUsesExclusiveRightAndBottomEdges) {
    const TMyScreen screen({{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}});
    EXPECT_EQ(screen.IndexOfMonitorAt({0, 0}), 1);  // the left monitor ends at x = 0
    EXPECT_EQ(screen.IndexOfMonitorAt({-1, 0}), 0);
    EXPECT_EQ(screen.IndexOfMonitorAt({-1280, 1024}), -1);  // the strip below the left one
    EXPECT_EQ(screen.IndexOfMonitorAt({1920, 0}), -1);
}

TEST(WallpaperFileCoordinates, WrapIntoTheDesktopSize) {
    const TMyScreen screen({{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}});  // 3200 x 1080
    EXPECT_EQ(ScreenToWallpaperFile({0, 0}, screen), (Point{0, 0}));
    EXPECT_EQ(ScreenToWallpaperFile({1919, 1079}, screen), (Point{1919, 1079}));
    EXPECT_EQ(ScreenToWallpaperFile({-1, 0}, screen), (Point{3199, 0}));
    EXPECT_EQ(ScreenToWallpaperFile({-1280, 0}, screen), (Point{1920, 0}));

    const TMyScreen above({{0, 0, 1024, 768}, {0, -768, 1024, 0}});  // 1024 x 1536
    EXPECT_EQ(ScreenToWallpaperFile({0, -768}, above), (Point{0, 768}));
    EXPECT_EQ(ScreenToWallpaperFile({1023, -1}, above), (Point{1023, 1535}));
}

TEST(WallpaperFileCoordinates, WrapCoordinateHasNonNegativeRemainders) {
    EXPECT_EQ(WrapCoordinate(-3200, 3200), 0);
    EXPECT_EQ(WrapCoordinate(-3201, 3200), 3199);
    EXPECT_EQ(WrapCoordinate(6401, 3200), 1);
    EXPECT_EQ(WrapCoordinate(INT_MIN, 3), 1);  // -2147483648 = 3 * -715827883 + 1
    EXPECT_EQ(WrapCoordinate(INT_MAX, INT_MAX), 0);
    EXPECT_THROW(WrapCoordinate(5, 0), std::domain_error);
}

TEST(WallpaperImageCoordinates, RefuseToWrapAround) {
    const TMyScreen screen({{INT_MIN, 0, 0, 10}});
    EXPECT_THROW(ScreenToWallpaperImage(Point{INT_MAX, 0}, screen), std::overflow_error);
}

}  // namespace
}  // namespace tessera
