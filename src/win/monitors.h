#pragma once
// The real monitor list of the platform: the program-wide TMyScreen and the look-ups that
// place windows on monitors and work areas.
#include <windows.h>

#include <vector>

#include "core/geometry.h"
#include "core/screen.h"

namespace tessera::win {

inline Rect FromWinRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToWinRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline HMONITOR ToMonitorHandle(const TMyMonitor& monitor) {
    return reinterpret_cast<HMONITOR>(monitor.Handle());
}

// The program's monitor list, enumerated on first use; it changes only through Refresh.
TMyScreen& MyScreen();

// EnumDisplayMonitors in the platform's order; the source behind MyScreen.
std::vector<TMyMonitor> EnumerateMonitors();
// A record from a handle; a null handle or a failed query gives an all-zero rectangle.
TMyMonitor MonitorFromHandle(HMONITOR handle);

// rcWork of the monitor (all zero when the query fails).
Rect MonitorWorkArea(HMONITOR monitor);
// The work area of the monitor nearest to the rectangle.
Rect WorkAreaFromRect(const Rect& rect);
// Index, in the platform's current order, of the first monitor containing the point; -1.
int MonitorIndexFromPoint(Point point);
// Moves the window, keeping its size, to the centre of the work area of the monitor at
// the point (the nearest one for a point in no monitor) and raises it to the top.
void CenterOnMonitorAt(HWND window, Point point);
void CenterOnCursorMonitor(HWND window);

}  // namespace tessera::win
