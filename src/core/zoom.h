#pragma once
// Zoom arithmetic of the image previews: the fitted size, the zoom ladder, zooming around
// the cursor, actual size, dragging and settling. Pure geometry: the preview control reads
// the cursor and the keys and hands them in, so every rule is testable without a window.
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"

namespace tessera {

// The image control's bounds inside the preview area (left and top may be negative).
struct ImageBounds {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const ImageBounds&, const ImageBounds&) = default;
};

// The largest size with the source's aspect ratio inside the area, each side truncated;
// (0, 0) for an empty source.
Size FitSizeOf(Size source, Size area);

long double NextZoomScale(long double scale, int step);
long double NextZoomScale(Size bitmap, ImageBounds image, int step);

// The new bounds of one zoom step, or nothing for an empty bitmap. cursor is in the
// area's coordinates; shift steps by one pixel.
std::optional<ImageBounds> ZoomStepBounds(Size area, Size bitmap, ImageBounds image, int step,
                                          Point cursor, bool shift);
std::optional<ImageBounds> ActualSizeBounds(Size area, Size bitmap, ImageBounds image,
                                            Point cursor);
ImageBounds SettledBounds(Size area, ImageBounds image);

// The drag anchor in image coordinates; (-1, -1) when no drag is under way.
struct DragAnchor {
    Point anchor{-1, -1};
    void Start(Point at) { anchor = at; }
    void Clear() { anchor = {-1, -1}; }
    bool Active() const { return anchor.x >= 0 || anchor.y >= 0; }
    std::optional<ImageBounds> Move(ImageBounds image, Point at) const;
};

// Index of the monitor whose part of a desktop-sized bitmap lies under the point (image
// coordinates), or -1. Monitors are in screen coordinates, desktopTopLeft the desktop's corner.
int MonitorAtPoint(Size bitmap, ImageBounds image, Point at, const std::vector<Rect>& monitors,
                   Point desktopTopLeft);

std::wstring ZoomText(Size bitmap, ImageBounds image);

}  // namespace tessera
