#pragma once
// The monitors of the virtual desktop, the desktop rectangle and the three coordinate
// systems the wallpaper engine works in: screen, wallpaper image and wallpaper file.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/geometry.h"

namespace tessera {

// The platform's monitor handle, kept opaque so that this layer needs no <windows.h>.
using MonitorHandle = std::uintptr_t;

class TMyMonitor {
public:
    TMyMonitor() = default;
    TMyMonitor(MonitorHandle handle, Rect bounds) : handle_(handle), bounds_(bounds) {}

    MonitorHandle Handle() const { return handle_; }
    std::int32_t Left() const { return bounds_.left; }
    std::int32_t Top() const { return bounds_.top; }
    std::int32_t Width() const { return bounds_.Width(); }    // checked
    std::int32_t Height() const { return bounds_.Height(); }  // checked
    Rect BoundsRect() const { return bounds_; }
    friend bool operator==(const TMyMonitor&, const TMyMonitor&) = default;

private:
    MonitorHandle handle_ = 0;
    Rect bounds_;
};

// Yields the monitors in enumeration order; asked once at construction and on Refresh.
using MonitorSource = std::function<std::vector<TMyMonitor>()>;

// A source that always yields the given rectangles (handles 1, 2, ...).
MonitorSource FixedMonitorSource(std::vector<Rect> rects);

class TMyScreen {
public:
    TMyScreen() = default;  // no monitors
    explicit TMyScreen(MonitorSource source);
    explicit TMyScreen(std::vector<Rect> rects);

    int MonitorCount() const;
    const TMyMonitor& Monitors(int index) const;  // clamped; throws on an empty list
    const std::vector<TMyMonitor>& MonitorList() const { return monitors_; }
    void Refresh();

    Rect DesktopRect() const;  // recomputed from the list on every call
    std::int32_t DesktopLeft() const;
    std::int32_t DesktopTop() const;
    std::int32_t DesktopWidth() const;
    std::int32_t DesktopHeight() const;

    // Index of the first monitor containing the point, or -1.
    int IndexOfMonitorAt(Point point) const;
    // The monitor containing (0, 0), or -1.
    int PrimaryIndex() const { return IndexOfMonitorAt({0, 0}); }

private:
    MonitorSource source_;
    std::vector<TMyMonitor> monitors_;
};

// Screen coordinates <-> wallpaper-image coordinates (origin at the desktop's top-left).
Point ScreenToWallpaperImage(Point point, const TMyScreen& screen);
Rect ScreenToWallpaperImage(const Rect& rect, const TMyScreen& screen);
Point WallpaperImageToScreen(Point point, const TMyScreen& screen);
Rect WallpaperImageToScreen(const Rect& rect, const TMyScreen& screen);

// Screen coordinates -> wallpaper-file coordinates: the file is tiled from the primary
// monitor's corner, so each coordinate wraps into 0 .. size - 1. Throws std::domain_error
// when the desktop is empty.
Point ScreenToWallpaperFile(Point point, const TMyScreen& screen);

// value mod size in 0 .. size - 1 for size >= 1 (std::domain_error otherwise).
std::int32_t WrapCoordinate(std::int32_t value, std::int32_t size);

}  // namespace tessera
