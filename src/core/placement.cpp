#include "core/placement.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/checked.h"

namespace tessera {

// Aspect-keeping sizes are defined by 80-bit extended arithmetic (64-bit mantissa): the
// ratio is rounded once, then multiplied, then truncated, which can give one less than
// exact integer arithmetic. GCC and Clang on x86 have that type as long double; other
// targets (MSVC, ARM) only approximate the rule, so the check applies where it can hold.
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 80-bit extended type");
#endif

namespace {

// trunc(ratio * length) with the ratio computed first, as one extended-precision value.
std::int32_t ScaleByRatio(std::int32_t numerator, std::int32_t denominator,
                          std::int32_t length) {
    const long double ratio =
        static_cast<long double>(numerator) / static_cast<long double>(denominator);
    const long double product = std::trunc(ratio * static_cast<long double>(length));
    constexpr long double kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long double kMax = std::numeric_limits<std::int32_t>::max();
    if (!(product >= kMin && product <= kMax)) throw std::range_error("scaled size out of range");
    return static_cast<std::int32_t>(product);
}

bool IsEmptySource(std::int32_t width, std::int32_t height) { return width < 1 || height < 1; }

}  // namespace

DisplayStyle NormalizeStyle(DisplayStyle style) {
    return style > DisplayStyle::Span ? DisplayStyle::Center : style;
}

ImagePosition ResolvePosition(DisplayStyle style, ImagePosition position) {
    if (position != ImagePosition::Default) return position;
    return NormalizeStyle(style) == DisplayStyle::Tile ? ImagePosition::TopLeft
                                                       : ImagePosition::Center;
}

Size ContainSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
                 std::int32_t areaHeight) {
    if (IsEmptySource(sourceWidth, sourceHeight)) return {};
    Size size{areaWidth, ScaleByRatio(sourceHeight, sourceWidth, areaWidth)};
    if (size.height > areaHeight) {
        size.height = areaHeight;
        size.width = ScaleByRatio(sourceWidth, sourceHeight, areaHeight);
    }
    return size;
}

// An empty source has no aspect ratio; it is treated as in ContainSize instead of
// dividing by zero.
Size CoverSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
               std::int32_t areaHeight) {
    if (IsEmptySource(sourceWidth, sourceHeight)) return {};
    Size size{areaWidth, ScaleByRatio(sourceHeight, sourceWidth, areaWidth)};
    if (size.height < areaHeight) {
        size.height = areaHeight;
        size.width = ScaleByRatio(sourceWidth, sourceHeight, areaHeight);
    }
    return size;
}

Size TargetSize(DisplayStyle style, std::int32_t sourceWidth, std::int32_t sourceHeight,
                const TMyMonitor& monitor, const TMyScreen& screen) {
    switch (NormalizeStyle(style)) {
        case DisplayStyle::Stretch: return {monitor.Width(), monitor.Height()};
        case DisplayStyle::Contain:
            return ContainSize(sourceWidth, sourceHeight, monitor.Width(), monitor.Height());
        case DisplayStyle::Cover:
            return CoverSize(sourceWidth, sourceHeight, monitor.Width(), monitor.Height());
        case DisplayStyle::Span:
            return CoverSize(sourceWidth, sourceHeight, screen.DesktopWidth(),
                             screen.DesktopHeight());
        case DisplayStyle::Center:
        case DisplayStyle::Tile: break;
    }
    return {sourceWidth, sourceHeight};
}

Rect PlacementArea(DisplayStyle style, TileOrigin origin, const TMyMonitor& monitor,
                   const TMyScreen& screen) {
    switch (NormalizeStyle(style)) {
        case DisplayStyle::Span: return screen.DesktopRect();
        case DisplayStyle::Tile:
            if (origin == kTileOriginEachMonitor) return monitor.BoundsRect();
            if (origin >= 0 && origin < screen.MonitorCount())
                return screen.Monitors(origin).BoundsRect();
            return screen.Monitors(0).BoundsRect();
        default: return monitor.BoundsRect();
    }
}

// div truncates toward zero, so an image 5 pixels wider than its area lands at -2.
Point PositionOffset(ImagePosition position, Size area, Size drawn, std::int32_t offsetX,
                     std::int32_t offsetY) {
    const std::int32_t dx = CheckedSub(area.width, drawn.width);
    const std::int32_t dy = CheckedSub(area.height, drawn.height);
    switch (position) {
        case ImagePosition::Left: return {0, dy / 2};
        case ImagePosition::Right: return {dx, dy / 2};
        case ImagePosition::Top: return {dx / 2, 0};
        case ImagePosition::Bottom: return {dx / 2, dy};
        case ImagePosition::TopLeft: return {0, 0};
        case ImagePosition::BottomLeft: return {0, dy};
        case ImagePosition::TopRight: return {dx, 0};
        case ImagePosition::BottomRight: return {dx, dy};
        case ImagePosition::Offset: return {offsetX, offsetY};
        default: return {dx / 2, dy / 2};
    }
}

Point PlaceImage(const TMyMonitor& monitor, std::int32_t drawnWidth, std::int32_t drawnHeight,
                 const WallpaperParams& params, const TMyScreen& screen) {
    if (NormalizeStyle(params.Style) == DisplayStyle::Stretch) return monitor.BoundsRect().TopLeft();
    const Rect area = PlacementArea(params.Style, params.Origin, monitor, screen);
    const Point offset =
        PositionOffset(ResolvePosition(params.Style, params.Position),
                       {area.Width(), area.Height()}, {drawnWidth, drawnHeight},
                       params.OffsetX, params.OffsetY);
    return {CheckedAdd(area.left, offset.x), CheckedAdd(area.top, offset.y)};
}

}  // namespace tessera
