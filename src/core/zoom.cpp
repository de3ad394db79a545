#include "core/zoom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/checked.h"
#include "core/placement.h"

namespace tessera {
namespace {

constexpr std::array<long double, 20> kUpperScales = {0.9L, 1.0L, 1.1L, 1.2L, 1.3L, 1.4L, 1.5L,
                                                      1.6L, 1.7L, 1.8L, 1.9L, 2.0L, 3.0L, 4.0L,
                                                      5.0L, 6.0L, 7.0L, 8.0L, 9.0L, 10.0L};
constexpr std::array<long double, 11> kLowerScales = {0.0L, 0.1L, 0.2L, 0.3L, 0.4L, 0.5L,
                                                      0.6L, 0.7L, 0.8L, 0.9L, 1.0L};
constexpr std::int64_t kMaxZoom = 10;

template <std::size_t N>
int NearestIndex(const std::array<long double, N>& table, long double value) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(N); ++i) {
        // Strictly closer only: a tie keeps the earlier, smaller entry.
        if (std::fabs(table[i] - value) < std::fabs(table[best] - value)) best = i;
    }
    return best;
}

std::int32_t ToInt32(long double value) {
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        ThrowOverflow("zoom coordinate out of range");
    }
    return static_cast<std::int32_t>(value);
}

// Rounding half away from zero.
std::int32_t Rha(long double value) {
    return ToInt32(std::roundl(value));
}

std::int32_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
    if (value > high) value = high;
    if (value < low) value = low;  // the lower bound wins when the bounds cross
    return CheckedCast<std::int32_t>(value);
}

long double LowerRule(long double x, int step) {
    if (x <= 0) return x;
    if (x < 0.1L) return LowerRule(10 * x, step) / 10;
    const int b = NearestIndex(kLowerScales, x) + step;
    if (b <= 0) return LowerRule(10 * x, step) / 10;
    if (b > 10) return 1.1L;
    return kLowerScales[b];
}

// Centres a length in the area, or puts it at 0 when it does not fit.
std::int32_t CentreOrZero(std::int32_t area, std::int32_t length) {
    return area >= length ? (area - length) / 2 : 0;
}

// Actual size along one axis; see ActualSizeBounds.
std::int32_t ActualOffset(std::int32_t area, std::int32_t bitmap, std::int32_t fitted,
                          std::int32_t current, std::int32_t imageStart, std::int32_t cursor) {
    if (bitmap <= fitted || current <= 0) return (area - bitmap) / 2;
    const std::int32_t off = area > current ? (area - current) / 2 : 0;
    const long double ratio = static_cast<long double>(bitmap) / current;
    const std::int64_t rel = std::int64_t{cursor} - imageStart - off;
    std::int64_t start = cursor - std::int64_t{Rha(ratio * rel)};
    if (off > 0 && imageStart != 0) start -= Rha(ratio * off);
    return CheckedCast<std::int32_t>(start);
}

std::int32_t SettleAxis(std::int32_t area, std::int32_t start, std::int32_t length) {
    if (area > length) return (area - length) / 2;
    if (start > 0) return 0;
    if (area - length > start) return area - length;
    return start;
}

}  // namespace

// The bitmap forms of FitSize: ContainSize of the bitmap in the area.
Size FitSizeOf(Size source, Size area) {
    return ContainSize(source.width, source.height, area.width, area.height);
}

long double NextZoomScale(long double scale, int step) {
    if (scale < 1.0L) return LowerRule(scale, step);
    const int i = NearestIndex(kUpperScales, scale);
    const int next = i + step;
    if (next >= 0 && next < static_cast<int>(kUpperScales.size())) return kUpperScales[next];
    return kUpperScales[i];
}

long double NextZoomScale(Size bitmap, ImageBounds image, int step) {
    if (bitmap.width < 1) return 0;
    const Size shown = FitSizeOf(bitmap, {image.width, image.height});
    return NextZoomScale(static_cast<long double>(shown.width) / bitmap.width, step);
}

std::optional<ImageBounds> ZoomStepBounds(Size area, Size bitmap, ImageBounds image, int step,
                                          Point cursor, bool shift) {
    if (bitmap.width < 1 || bitmap.height < 1) return std::nullopt;
    const Size least = FitSizeOf(bitmap, area);
    const Size current = FitSizeOf(bitmap, {image.width, image.height});
    std::int64_t width = shift ? std::int64_t{current.width} + step
                               : static_cast<std::int64_t>(std::nearbyintl(
                                     bitmap.width * NextZoomScale(bitmap, image, step)));
    const std::int32_t newWidth = Clamp(width, least.width, kMaxZoom * bitmap.width);
    const std::int64_t height =
        Rha(static_cast<long double>(bitmap.height) / bitmap.width * newWidth);
    const std::int32_t newHeight = Clamp(height, least.height, kMaxZoom * bitmap.height);

    ImageBounds result{0, 0, newWidth, newHeight};
    const bool overArea =
        cursor.x >= 0 && cursor.x <= area.width && cursor.y >= 0 && cursor.y <= area.height;
    // An image without extent has no point under the cursor to keep: centre instead.
    if (overArea && image.width > 0 && image.height > 0) {
        const long double relX = static_cast<long double>(cursor.x - std::int64_t{image.left});
        const long double relY = static_cast<long double>(cursor.y - std::int64_t{image.top});
        result.left = CheckedSub(cursor.x, Rha(relX / image.width * newWidth));
        result.top = CheckedSub(cursor.y, Rha(relY / image.height * newHeight));
    } else {
        result.left = CentreOrZero(area.width, newWidth);
        result.top = CentreOrZero(area.height, newHeight);
    }
    return result;
}

std::optional<ImageBounds> ActualSizeBounds(Size area, Size bitmap, ImageBounds image,
                                            Point cursor) {
    if (image.width == 0 || image.height == 0) return std::nullopt;
    if (bitmap.width < 1 || bitmap.height < 1) return std::nullopt;
    const Size fitted = FitSizeOf(bitmap, area);
    const Size current = FitSizeOf(bitmap, {image.width, image.height});
    const std::int32_t x = std::clamp(cursor.x, 0, std::max(area.width, 0));
    const std::int32_t y = std::clamp(cursor.y, 0, std::max(area.height, 0));
    return ImageBounds{
        ActualOffset(area.width, bitmap.width, fitted.width, current.width, image.left, x),
        ActualOffset(area.height, bitmap.height, fitted.height, current.height, image.top, y),
        bitmap.width, bitmap.height};
}

ImageBounds SettledBounds(Size area, ImageBounds image) {
    return {SettleAxis(area.width, image.left, image.width),
            SettleAxis(area.height, image.top, image.height), image.width, image.height};
}

std::optional<ImageBounds> DragAnchor::Move(ImageBounds image, Point at) const {
    if (anchor.x < 0 && anchor.y < 0) return std::nullopt;
    return ImageBounds{CheckedAdd(CheckedSub(at.x, anchor.x), image.left),
                       CheckedAdd(CheckedSub(at.y, anchor.y), image.top), image.width,
                       image.height};
}

int MonitorAtPoint(Size bitmap, ImageBounds image, Point at, const std::vector<Rect>& monitors,
                   Point desktopTopLeft) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return -1;
    const Size shown = FitSizeOf(bitmap, {image.width, image.height});
    const Rect picture = Rect{0, 0, shown.width, shown.height}.Offset(
        (image.width - shown.width) / 2, (image.height - shown.height) / 2);
    if (!picture.Contains(at)) return -1;
    const long double s = static_cast<long double>(shown.width) / bitmap.width;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const Rect& m = monitors[i];
        const std::int32_t left = Rha((std::int64_t{m.left} - desktopTopLeft.x) * s);
        const std::int32_t top = Rha((std::int64_t{m.top} - desktopTopLeft.y) * s);
        const Rect onImage = Rect{left, top, CheckedAdd(left, Rha(m.Width() * s)),
                                  CheckedAdd(top, Rha(m.Height() * s))}
                                 .Offset(picture.left, picture.top);
        if (onImage.Contains(at)) return static_cast<int>(i);
    }
    return -1;
}

std::wstring ZoomText(Size bitmap, ImageBounds image) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return L"-";
    const Size shown = FitSizeOf(bitmap, {image.width, image.height});
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%",
                  static_cast<double>(shown.width) / bitmap.width * 100);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

}  // namespace tessera
