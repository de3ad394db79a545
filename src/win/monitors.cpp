#include "win/monitors.h"

#include "core/checked.h"

namespace tessera::win {
namespace {

BOOL CALLBACK AppendMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<TMyMonitor>*>(data)->push_back(MonitorFromHandle(handle));
    return TRUE;
}

bool ReadMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
    info = MONITORINFO{};
    if (!monitor) return false;
    info.cbSize = sizeof info;
    return GetMonitorInfoW(monitor, &info) != FALSE;
}

}  // namespace

// Created on first use so that a program or test that never asks does not enumerate;
// the program asks at start-up, before its first window.
TMyScreen& MyScreen() {
    static TMyScreen screen(EnumerateMonitors);
    return screen;
}

std::vector<TMyMonitor> EnumerateMonitors() {
    std::vector<TMyMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AppendMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

TMyMonitor MonitorFromHandle(HMONITOR handle) {
    MONITORINFO info;
    const bool read = ReadMonitorInfo(handle, info);
    return {reinterpret_cast<MonitorHandle>(handle), read ? FromWinRect(info.rcMonitor) : Rect{}};
}

Rect MonitorWorkArea(HMONITOR monitor) {
    MONITORINFO info;
    return ReadMonitorInfo(monitor, info) ? FromWinRect(info.rcWork) : Rect{};
}

Rect WorkAreaFromRect(const Rect& rect) {
    const RECT r = ToWinRect(rect);
    return MonitorWorkArea(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

// Enumerates afresh on every call: the answer follows the current configuration even
// while MyScreen still holds the monitors of an earlier one.
int MonitorIndexFromPoint(Point point) {
    return TMyScreen(EnumerateMonitors).IndexOfMonitorAt(point);
}

void CenterOnMonitorAt(HWND window, Point point) {
    const HMONITOR monitor = MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONEAREST);
    const Rect work = MonitorWorkArea(monitor);
    RECT bounds;
    if (!GetWindowRect(window, &bounds)) return;
    const Rect windowRect = FromWinRect(bounds);
    const std::int32_t left =
        CheckedAdd(work.left, CheckedSub(work.Width(), windowRect.Width()) / 2);
    const std::int32_t top =
        CheckedAdd(work.top, CheckedSub(work.Height(), windowRect.Height()) / 2);
    SetWindowPos(window, HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
}

void CenterOnCursorMonitor(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    CenterOnMonitorAt(window, {cursor.x, cursor.y});
}

}  // namespace tessera::win
