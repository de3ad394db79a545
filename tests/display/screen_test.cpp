#include "win/monitors.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/layouts.h"

namespace tessera {
namespace {

using testing::CurrentLayout;

std::vector<Rect> BoundsOf(const TMyScreen& screen) {
    std::vector<Rect> rects;
    for (const TMyMonitor& monitor : screen.MonitorList()) rects.push_back(monitor.BoundsRect());
    return rects;
}

int ExpectedIndexAt(Point point) {
    const std::vector<Rect>& monitors = CurrentLayout().monitors;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].Contains(point)) return static_cast<int>(i);
    }
    return -1;
}

TEST(MyScreen, ReportsTheLayoutsMonitorsAndDesktop) {
    const TMyScreen& screen = win::MyScreen();
    EXPECT_EQ(BoundsOf(screen), CurrentLayout().monitors);
    Rect desktop;
    for (const Rect& r : CurrentLayout().monitors) {
        desktop = {std::min(desktop.left, r.left), std::min(desktop.top, r.top),
                   std::max(desktop.right, r.right), std::max(desktop.bottom, r.bottom)};
    }
    EXPECT_EQ(screen.DesktopRect(), desktop);
    // Every layout puts a monitor at the origin, so the union is the virtual screen.
    EXPECT_EQ(screen.DesktopLeft(), GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(screen.DesktopTop(), GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(screen.DesktopWidth(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(screen.DesktopHeight(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(&win::MyScreen(), &screen);  // one program-wide instance
}

TEST(MyScreen, RefreshEnumeratesTheSameMonitorsOnAnUnchangedDesktop) {
    TMyScreen& screen = win::MyScreen();
    const std::vector<TMyMonitor> before = screen.MonitorList();
    screen.Refresh();
    EXPECT_EQ(screen.MonitorList(), before);
    for (const TMyMonitor& monitor : screen.MonitorList()) {
        EXPECT_NE(monitor.Handle(), 0u);
        const Rect work = win::MonitorWorkArea(win::ToMonitorHandle(monitor));
        const Rect bounds = monitor.BoundsRect();
        EXPECT_TRUE(work.Width() > 0 && work.Height() > 0);
        EXPECT_TRUE(work.left >= bounds.left && work.top >= bounds.top &&
                    work.right <= bounds.right && work.bottom <= bounds.bottom);
    }
    EXPECT_EQ(win::MonitorWorkArea(nullptr), Rect{});
    EXPECT_EQ(win::MonitorFromHandle(nullptr).BoundsRect(), Rect{});
}

TEST(MonitorIndexFromPoint, FindsThePrimaryAndRespectsExclusiveEdges) {
    const int primary = win::MonitorIndexFromPoint({0, 0});
    ASSERT_GE(primary, 0);
    EXPECT_EQ(CurrentLayout().monitors[primary].TopLeft(), (Point{0, 0}));
    EXPECT_EQ(primary, win::MyScreen().PrimaryIndex());
    // Probes at and just outside every monitor's corners, including the edges that end
    // at x = 0 or y = 0 and the gaps between monitors of different sizes.
    for (const Rect& r : CurrentLayout().monitors) {
        for (const Point p : {Point{r.left, r.top}, Point{r.right - 1, r.bottom - 1},
                              Point{r.right, r.top}, Point{r.left, r.bottom},
                              Point{r.left - 1, r.top}, Point{r.left, r.top - 1},
                              Point{r.right, r.bottom}}) {
            EXPECT_EQ(win::MonitorIndexFromPoint(p), ExpectedIndexAt(p))
                << "point " << p.x << "," << p.y;
        }
    }
    EXPECT_EQ(win::MonitorIndexFromPoint({-100000, -100000}), -1);
}

struct FarProbe {
    std::string layout;
    Rect rect;
    int nearest;  // index in the layout
};

const FarProbe kFarProbes[] = {
    {"single", {100000, 500, 100010, 510}, 0},
    {"single", {-100000, -100000, -99990, -99990}, 0},
    {"left", {100000, 500, 100010, 510}, 0},
    {"left", {-100000, 500, -99990, 510}, 1},
    {"above", {500, 100000, 510, 100010}, 0},
    {"above", {500, -100000, 510, -99990}, 1},
    {"above-shifted", {500, 100000, 510, 100010}, 0},
    {"above-shifted", {500, -100000, 510, -99990}, 1},
    {"three", {100000, 500, 100010, 510}, 0},
    {"three", {-100000, 500, -99990, 510}, 1},
    {"three", {500, -100000, 510, -99990}, 2},
};

TEST(WorkAreaFromRect, AFarAwayRectangleGetsTheNearestMonitorsWorkArea) {
    const TMyScreen& screen = win::MyScreen();
    int probes = 0;
    for (const FarProbe& probe : kFarProbes) {
        if (probe.layout != CurrentLayout().name) continue;
        ++probes;
        const TMyMonitor& nearest = screen.Monitors(probe.nearest);
        EXPECT_EQ(win::WorkAreaFromRect(probe.rect),
                  win::MonitorWorkArea(win::ToMonitorHandle(nearest)))
            << "probe " << probe.rect.left << "," << probe.rect.top;
    }
    EXPECT_GE(probes, 2);
    // A rectangle on a monitor gets that monitor's own work area.
    for (const TMyMonitor& monitor : screen.MonitorList()) {
        const Rect inside = monitor.BoundsRect();
        EXPECT_EQ(win::WorkAreaFromRect({inside.left + 10, inside.top + 10, inside.left + 20,
                                         inside.top + 20}),
                  win::MonitorWorkArea(win::ToMonitorHandle(monitor)));
    }
}

class TestWindow {
public:
    TestWindow(int width, int height) {
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"centre", WS_POPUP, 0, 0, width,
                                  height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }
    Rect Bounds() const {
        RECT r;
        GetWindowRect(window_, &r);
        return win::FromWinRect(r);
    }

private:
    HWND window_;
};

TEST(CenterOnMonitorAt, CentresTheWindowOnEachMonitorsWorkArea) {
    TestWindow window(301, 201);  // odd sizes: the centring truncates
    ASSERT_NE(window.get(), nullptr);
    for (const TMyMonitor& monitor : win::MyScreen().MonitorList()) {
        const Rect bounds = monitor.BoundsRect();
        const Rect work = win::MonitorWorkArea(win::ToMonitorHandle(monitor));
        win::CenterOnMonitorAt(window.get(), {bounds.right - 1, bounds.bottom - 1});
        const Rect placed = window.Bounds();
        EXPECT_EQ(placed, (Rect{work.left + (work.Width() - 301) / 2,
                                work.top + (work.Height() - 201) / 2,
                                work.left + (work.Width() - 301) / 2 + 301,
                                work.top + (work.Height() - 201) / 2 + 201}));
    }
}

TEST(CenterOnCursorMonitor, CentresOnTheMonitorUnderTheCursor) {
    TestWindow window(400, 300);
    ASSERT_NE(window.get(), nullptr);
    for (const TMyMonitor& monitor : win::MyScreen().MonitorList()) {
        const Rect bounds = monitor.BoundsRect();
        if (!SetCursorPos(bounds.left + 5, bounds.top + 5)) GTEST_SKIP() << "cursor not movable";
        POINT cursor;
        GetCursorPos(&cursor);
        if (cursor.x != bounds.left + 5 || cursor.y != bounds.top + 5)
            GTEST_SKIP() << "the display did not move the cursor";
        win::CenterOnCursorMonitor(window.get());
        const Rect work = win::MonitorWorkArea(win::ToMonitorHandle(monitor));
        EXPECT_EQ(window.Bounds().TopLeft(), (Point{work.left + (work.Width() - 400) / 2,
                                                    work.top + (work.Height() - 300) / 2}));
    }
}

}  // namespace
}  // namespace tessera
