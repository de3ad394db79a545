#pragma once
// Small operations on bitmaps shared by the engine and the pages: sizing, filling,
// fitting into an area, pasting from the clipboard, rotating and flipping.
#include <cstdint>

#include "core/color.h"
#include "core/geometry.h"
#include "win/bitmap.h"

namespace tessera::win {

// Rotate/flip codes (GDI+ RotateFlipType); odd codes exchange width and height.
enum RotateFlipCode : int {
    kRotateNoneFlipNone = 0,
    kRotate90FlipNone = 1,
    kRotate180FlipNone = 2,
    kRotate270FlipNone = 3,
    kRotateNoneFlipX = 4,
    kRotate90FlipX = 5,
    kRotate180FlipX = 6,
    kRotate270FlipX = 7,
};

struct FitRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const FitRect&, const FitRect&) = default;
};

void SetBitmapSize(Bitmap& bitmap, std::int32_t width, std::int32_t height,
                   PixelFormat format = PixelFormat::Bgr24);

void FillRectColor(Bitmap& canvas, const Rect& rect, Color color, bool restore);
void FillBitmap(Bitmap& bitmap, Color color, bool restore);

Size FitSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
             std::int32_t areaHeight);
Size FitSize(Size source, const Rect& area);
Size FitSize(const Bitmap& bitmap, const Rect& area);
Size FitSize(const Bitmap& bitmap, std::int32_t areaWidth, std::int32_t areaHeight);
FitRect FitInside(const Bitmap& bitmap, std::int32_t areaWidth, std::int32_t areaHeight);

bool PasteBitmap(Bitmap& bitmap);

bool RotateFlipBitmap(Bitmap& bitmap, int code);
bool FlipHorizontal(Bitmap& bitmap);
bool FlipVertical(Bitmap& bitmap);
bool Rotate90(Bitmap& bitmap);
bool Rotate270(Bitmap& bitmap);
bool Rotate180(Bitmap& bitmap);

}  // namespace tessera::win
