#include "core/compose.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/checked.h"
#include "core/resample.h"

namespace tessera {
namespace {

Rect Clip(const Rect& rect, std::int32_t width, std::int32_t height) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width),
            std::min(rect.bottom, height)};
}

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// value mod size in 0 .. size - 1, for any 64-bit value.
std::int64_t Wrap(std::int64_t value, std::int64_t size) {
    const std::int64_t remainder = value % size;
    return remainder < 0 ? remainder + size : remainder;
}

// Copies `count` pixels of one row; the parts outside either image are skipped.
void CopyRowPart(const Bgr24View& dest, std::int64_t dx, std::int64_t dy, const Bgr24View& src,
                 std::int64_t sx, std::int64_t sy, std::int64_t count) {
    if (dy < 0 || dy >= dest.height || sy < 0 || sy >= src.height) return;
    const std::int64_t skip = std::max({std::int64_t{0}, -dx, -sx});
    dx += skip, sx += skip, count -= skip;
    count = std::min({count, dest.width - dx, src.width - sx});
    if (count <= 0) return;
    std::memmove(dest.At(static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy)),
                 src.At(static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy)),
                 static_cast<std::size_t>(count) * 3);
}

// One monitor's tiles, with the grid through the drawn corner relative to the monitor.
void DrawTiles(const Bgr24View& dest, const Rect& area, const Bgr24View& source, Point offset) {
    const Rect visible = Clip(area, dest.width, dest.height);
    if (IsEmpty(visible)) return;
    // A monitor cut by the image's edge keeps its grid: shift the offset with the cut.
    TilePixels(SubView(dest, visible), source,
               CheckedSub(offset.x, CheckedSub(visible.left, area.left)),
               CheckedSub(offset.y, CheckedSub(visible.top, area.top)));
}

}  // namespace

Bgr24View SubView(const Bgr24View& view, const Rect& rect) {
    const Rect r = Clip(rect, view.width, view.height);
    if (IsEmpty(r)) return {};
    return {view.At(r.left, r.top), r.right - r.left, r.bottom - r.top, view.stride};
}

void FillPixels(const Bgr24View& view, const Rect& rect, Color rgb) {
    const Rect r = Clip(rect, view.width, view.height);
    if (IsEmpty(r)) return;
    const std::size_t count = static_cast<std::size_t>(r.right - r.left);
    std::vector<std::uint8_t> row(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        row[i * 3] = BlueOf(rgb), row[i * 3 + 1] = GreenOf(rgb), row[i * 3 + 2] = RedOf(rgb);
    }
    for (std::int32_t y = r.top; y < r.bottom; ++y)
        std::memcpy(view.At(r.left, y), row.data(), row.size());
}

void CopyPixels(const Bgr24View& dest, Point at, const Bgr24View& src, const Rect& from) {
    const std::int64_t width = std::int64_t{from.right} - from.left;
    for (std::int64_t row = 0; row < std::int64_t{from.bottom} - from.top; ++row) {
        CopyRowPart(dest, at.x, at.y + row, src, from.left, from.top + row, width);
    }
}

// Each row is built once from runs of the tile's row; rows repeat with the tile's height,
// so later rows are copies of the row one tile higher.
void TilePixels(const Bgr24View& dest, const Bgr24View& tile, std::int32_t offsetX,
                std::int32_t offsetY) {
    if (dest.Empty() || tile.Empty()) return;
    const std::int64_t firstColumn = Wrap(-std::int64_t{offsetX}, tile.width);
    const std::size_t rowBytes = static_cast<std::size_t>(dest.width) * 3;
    for (std::int32_t y = 0; y < dest.height; ++y) {
        if (y >= tile.height) {
            std::memcpy(dest.Row(y), dest.Row(y - tile.height), rowBytes);
            continue;
        }
        const auto tileRow =
            static_cast<std::int32_t>(Wrap(std::int64_t{y} - offsetY, tile.height));
        std::int64_t x = 0;
        std::int64_t column = firstColumn;
        while (x < dest.width) {
            const std::int64_t run = std::min<std::int64_t>(tile.width - column, dest.width - x);
            CopyRowPart(dest, x, y, tile, column, tileRow, run);
            x += run;
            column = 0;
        }
    }
}

// Row by row, the gaps between the monitors that cross the row.
void FillOutsideMonitors(const Bgr24View& dest, const TMyScreen& screen, Color rgb) {
    std::vector<Rect> parts;
    for (const TMyMonitor& monitor : screen.MonitorList()) {
        parts.push_back(ScreenToWallpaperImage(monitor.BoundsRect(), screen));
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> spans;
    for (std::int32_t y = 0; y < dest.height; ++y) {
        spans.clear();
        for (const Rect& part : parts) {
            if (y >= part.top && y < part.bottom && part.left < part.right) {
                spans.emplace_back(part.left, part.right);
            }
        }
        std::sort(spans.begin(), spans.end());
        std::int32_t x = 0;
        for (const auto& [left, right] : spans) {
            if (left > x) FillPixels(dest, {x, y, left, y + 1}, rgb);
            x = std::max(x, right);
        }
        if (x < dest.width) FillPixels(dest, {x, y, dest.width, y + 1}, rgb);
    }
}

void DrawMonitors(const Bgr24View& dest, const Bgr24View& source, const WallpaperParams& params,
                  const TMyScreen& screen) {
    const DisplayStyle style = NormalizeStyle(params.Style);
    for (const TMyMonitor& monitor : screen.MonitorList()) {
        const Rect area = ScreenToWallpaperImage(monitor.BoundsRect(), screen);
        if (source.Empty()) {
            FillPixels(dest, area, params.BackgroundColor);
            continue;
        }
        const Size drawn = TargetSize(style, source.width, source.height, monitor, screen);
        const Point corner = style == DisplayStyle::Stretch
                                 ? monitor.BoundsRect().TopLeft()
                                 : PlaceImage(monitor, drawn.width, drawn.height, params, screen);
        if (style == DisplayStyle::Tile) {  // tiles cover the whole monitor
            DrawTiles(dest, area, source,
                      {CheckedSub(corner.x, monitor.Left()), CheckedSub(corner.y, monitor.Top())});
            continue;
        }
        const Point at = ScreenToWallpaperImage(corner, screen);
        const Rect target{at.x, at.y, CheckedAdd(at.x, drawn.width),
                          CheckedAdd(at.y, drawn.height)};
        // The background shows only where the picture leaves part of the monitor free.
        if (StretchCoverage(dest, target, area) != Clip(area, dest.width, dest.height)) {
            FillPixels(dest, area, params.BackgroundColor);
        }
        StretchSmooth(dest, target, source, area);
    }
}

// A monitor's part goes to (left - anchor x, top - anchor y) wrapped into the file; rows
// and columns that run past the right or bottom edge continue at column or row 0.
void ArrangeWallpaperFile(const Bgr24View& dest, const Bgr24View& composed, Point anchor,
                          const TMyScreen& screen) {
    const std::int64_t width = screen.DesktopWidth();
    const std::int64_t height = screen.DesktopHeight();
    if (width < 1 || height < 1) return;
    for (const TMyMonitor& monitor : screen.MonitorList()) {
        const Rect part = ScreenToWallpaperImage(monitor.BoundsRect(), screen);
        const std::int64_t fx = Wrap(std::int64_t{monitor.Left()} - anchor.x, width);
        const std::int64_t fy = Wrap(std::int64_t{monitor.Top()} - anchor.y, height);
        const std::int64_t w = part.Width();
        const std::int64_t firstRun = std::min(w, width - fx);
        for (std::int64_t row = 0; row < part.Height(); ++row) {
            const std::int64_t dy = (fy + row) % height;
            const std::int64_t sy = part.top + row;
            CopyRowPart(dest, fx, dy, composed, part.left, sy, firstRun);
            CopyRowPart(dest, 0, dy, composed, part.left + firstRun, sy, w - firstRun);
        }
    }
}

}  // namespace tessera
