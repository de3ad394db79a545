#include "win/bitmap_operations.h"

#include <cstring>
#include <exception>

#include "core/placement.h"
#include "win/clipboard.h"

namespace tessera::win {

// Fresh pixels are white, as on a new canvas. A bitmap that already has this size and
// format keeps its pixels.
void SetBitmapSize(Bitmap& bitmap, std::int32_t width, std::int32_t height, PixelFormat format) {
    if (bitmap.Width() == width && bitmap.Height() == height && bitmap.Format() == format) {
        return;
    }
    bitmap.Reset(width, height, format);
    if (!bitmap.Empty()) {
        std::memset(bitmap.Bits(), 0xFF,
                    static_cast<std::size_t>(bitmap.Stride() * bitmap.Height()));
    }
}

// The brush colour is canvas state: it keeps the fill colour unless `restore` asks for
// the previous one back.
void FillRectColor(Bitmap& canvas, const Rect& rect, Color color, bool restore) {
    const Color previous = canvas.BrushColor();
    canvas.SetBrushColor(color);
    if (!canvas.Empty()) {
        UniqueBrush brush(CreateSolidBrush(ResolveColor(color)));
        const RECT area{rect.left, rect.top, rect.right, rect.bottom};
        if (brush) FillRect(canvas.Dc(), &area, brush.get());
        GdiFlush();
    }
    if (restore) canvas.SetBrushColor(previous);
}

void FillBitmap(Bitmap& bitmap, Color color, bool restore) {
    FillRectColor(bitmap, Rect{0, 0, bitmap.Width(), bitmap.Height()}, color, restore);
}

Size FitSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
             std::int32_t areaHeight) {
    if (sourceWidth < 1 || sourceHeight < 1) return {};
    return ContainSize(sourceWidth, sourceHeight, areaWidth, areaHeight);
}

Size FitSize(Size source, const Rect& area) {
    return FitSize(source.width, source.height, area.Width(), area.Height());
}

Size FitSize(const Bitmap& bitmap, const Rect& area) {
    return FitSize(bitmap.Width(), bitmap.Height(), area.Width(), area.Height());
}

Size FitSize(const Bitmap& bitmap, std::int32_t areaWidth, std::int32_t areaHeight) {
    return FitSize(bitmap.Width(), bitmap.Height(), areaWidth, areaHeight);
}

FitRect FitInside(const Bitmap& bitmap, std::int32_t areaWidth, std::int32_t areaHeight) {
    if (bitmap.Width() < 1 || bitmap.Height() < 1) return {};
    const Size size = ContainSize(bitmap.Width(), bitmap.Height(), areaWidth, areaHeight);
    // Differences of two int32 values fit in int64; halved they fit in int32 again.
    const auto x = static_cast<std::int32_t>((std::int64_t{areaWidth} - size.width) / 2);
    const auto y = static_cast<std::int32_t>((std::int64_t{areaHeight} - size.height) / 2);
    return {x, y, size.width, size.height};
}

// The clipboard image is read completely before the target is touched.
bool PasteBitmap(Bitmap& bitmap) {
    if (!IsClipboardFormatAvailable(CF_BITMAP) && !IsClipboardFormatAvailable(CF_DIB)) return false;
    std::optional<PixelImage> image;
    try {
        image = ReadClipboardImage();
    } catch (const std::exception&) {
        return false;  // an image too large for memory is an unreadable one
    }
    if (!image || image->Width() < 1 || image->Height() < 1) return false;
    bitmap.Assign(image->View());
    bitmap.SetTransparent(false);  // a new picture, not the old one's GIF transparency
    return true;
}

bool FlipHorizontal(Bitmap& bitmap) {
    return RotateFlipBitmap(bitmap, kRotateNoneFlipX);
}
bool FlipVertical(Bitmap& bitmap) {
    return RotateFlipBitmap(bitmap, kRotate180FlipX);
}
bool Rotate90(Bitmap& bitmap) {
    return RotateFlipBitmap(bitmap, kRotate90FlipNone);
}
bool Rotate270(Bitmap& bitmap) {
    return RotateFlipBitmap(bitmap, kRotate270FlipNone);
}
bool Rotate180(Bitmap& bitmap) {
    return RotateFlipBitmap(bitmap, kRotate180FlipNone);
}

}  // namespace tessera::win
