#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/layouts.h"

namespace tessera {
namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{sizeof info};
    GetMonitorInfoW(monitor, &info);
    reinterpret_cast<std::vector<Rect>*>(data)->push_back(
        {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom});
    return TRUE;
}

// The harness itself: Wine must report the layout that test.sh started.
TEST(VirtualDisplay, WineReportsTheLayoutsMonitors) {
    std::vector<Rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    EXPECT_EQ(monitors, testing::CurrentLayout().monitors);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), static_cast<int>(monitors.size()));
}

}  // namespace
}  // namespace tessera
