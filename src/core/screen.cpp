#include "core/screen.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/checked.h"

namespace tessera {

MonitorSource FixedMonitorSource(std::vector<Rect> rects) {
    return [rects = std::move(rects)] {
        std::vector<TMyMonitor> monitors;
        monitors.reserve(rects.size());
        for (std::size_t i = 0; i < rects.size(); ++i) monitors.emplace_back(i + 1, rects[i]);
        return monitors;
    };
}

TMyScreen::TMyScreen(MonitorSource source) : source_(std::move(source)) { Refresh(); }

TMyScreen::TMyScreen(std::vector<Rect> rects) : TMyScreen(FixedMonitorSource(std::move(rects))) {}

int TMyScreen::MonitorCount() const { return CheckedCast<int>(monitors_.size()); }

// Out-of-range indices are clamped rather than refused: callers pass indices from
// settings and menus that may predate the current monitor list.
const TMyMonitor& TMyScreen::Monitors(int index) const {
    if (monitors_.empty()) throw std::out_of_range("TMyScreen::Monitors: no monitors");
    const int last = MonitorCount() - 1;
    return monitors_[static_cast<std::size_t>(std::clamp(index, 0, last))];
}

// The old list is dropped before the source is asked, so a failing source leaves the
// screen empty instead of half-updated.
void TMyScreen::Refresh() {
    monitors_.clear();
    if (source_) monitors_ = source_();
}

// The union starts from the empty rectangle at the origin, so (0, 0) is always inside
// it (or on its edge when there are no monitors).
Rect TMyScreen::DesktopRect() const {
    Rect desktop;
    for (const TMyMonitor& monitor : monitors_) {
        const Rect r = monitor.BoundsRect();
        desktop.left = std::min(desktop.left, r.left);
        desktop.top = std::min(desktop.top, r.top);
        desktop.right = std::max(desktop.right, r.right);
        desktop.bottom = std::max(desktop.bottom, r.bottom);
    }
    return desktop;
}

std::int32_t TMyScreen::DesktopLeft() const { return DesktopRect().left; }
std::int32_t TMyScreen::DesktopTop() const { return DesktopRect().top; }
std::int32_t TMyScreen::DesktopWidth() const { return DesktopRect().Width(); }
std::int32_t TMyScreen::DesktopHeight() const { return DesktopRect().Height(); }

int TMyScreen::IndexOfMonitorAt(Point point) const {
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        if (monitors_[i].BoundsRect().Contains(point)) return static_cast<int>(i);
    }
    return -1;
}

Point ScreenToWallpaperImage(Point point, const TMyScreen& screen) {
    const Rect desktop = screen.DesktopRect();
    return {CheckedSub(point.x, desktop.left), CheckedSub(point.y, desktop.top)};
}

Rect ScreenToWallpaperImage(const Rect& rect, const TMyScreen& screen) {
    const Rect desktop = screen.DesktopRect();
    return rect.Offset(CheckedSub(0, desktop.left), CheckedSub(0, desktop.top));
}

Point WallpaperImageToScreen(Point point, const TMyScreen& screen) {
    const Rect desktop = screen.DesktopRect();
    return {CheckedAdd(point.x, desktop.left), CheckedAdd(point.y, desktop.top)};
}

Rect WallpaperImageToScreen(const Rect& rect, const TMyScreen& screen) {
    const Rect desktop = screen.DesktopRect();
    return rect.Offset(desktop.left, desktop.top);
}

std::int32_t WrapCoordinate(std::int32_t value, std::int32_t size) {
    if (size < 1) throw std::domain_error("WrapCoordinate: size below 1");
    const std::int32_t remainder = value % size;  // sign of value, |remainder| < size
    return remainder < 0 ? remainder + size : remainder;
}

// The system tiles the wallpaper file from the primary monitor's corner, which is the
// screen origin, so a screen point shows the file pixel at its coordinates wrapped.
Point ScreenToWallpaperFile(Point point, const TMyScreen& screen) {
    const Rect desktop = screen.DesktopRect();
    if (desktop.Width() < 1 || desktop.Height() < 1)
        throw std::domain_error("ScreenToWallpaperFile: empty desktop");
    return {WrapCoordinate(point.x, desktop.Width()), WrapCoordinate(point.y, desktop.Height())};
}

}  // namespace tessera
