// Rotating and flipping through GDI+: the bitmap goes to GDI+ as a BMP file in memory and
// comes back drawn, turned, onto the bitmap's own canvas.
#include <objidl.h>
#include <shlwapi.h>

#include <gdiplus.h>

#include <cstring>
#include <vector>

#include "win/bitmap_operations.h"
#include "win/gdiplus_session.h"

namespace tessera::win {
namespace {

namespace gp = Gdiplus::DllExports;

void PutU16(std::uint8_t* at, std::uint16_t v) {
    at[0] = v & 0xFF;
    at[1] = v >> 8;
}
void PutU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = (v >> (8 * i)) & 0xFF;
}

// The bitmap as a BMP file in its own format, bottom-up.
std::vector<std::uint8_t> BmpFileOf(const Bitmap& bitmap) {
    GdiFlush();
    constexpr std::size_t kHeaders = 14 + 40;
    const auto stride = static_cast<std::size_t>(bitmap.Stride());
    const std::size_t imageSize = stride * static_cast<std::size_t>(bitmap.Height());
    std::vector<std::uint8_t> file(kHeaders + imageSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(&file[2], static_cast<std::uint32_t>(file.size()));
    PutU32(&file[10], kHeaders);
    PutU32(&file[14], 40);
    PutU32(&file[18], static_cast<std::uint32_t>(bitmap.Width()));
    PutU32(&file[22], static_cast<std::uint32_t>(bitmap.Height()));
    PutU16(&file[26], 1);
    PutU16(&file[28], static_cast<std::uint16_t>(bitmap.Format()));
    PutU32(&file[34], static_cast<std::uint32_t>(imageSize));
    for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
        const std::size_t row = static_cast<std::size_t>(bitmap.Height() - 1 - y);
        std::memcpy(&file[kHeaders + row * stride], bitmap.Bits() + y * bitmap.Stride(), stride);
    }
    return file;
}

struct StreamGuard {
    IStream* stream;
    ~StreamGuard() {
        if (stream) stream->Release();
    }
};
struct ImageGuard {
    Gdiplus::GpBitmap* image = nullptr;
    ~ImageGuard() {
        if (image) gp::GdipDisposeImage(image);
    }
};
struct GraphicsGuard {
    Gdiplus::GpGraphics* graphics = nullptr;
    ~GraphicsGuard() {
        if (graphics) gp::GdipDeleteGraphics(graphics);
    }
};

}  // namespace

// Odd codes give the bitmap the exchanged size at 24 bits per pixel before drawing; a
// failure after that leaves it with undefined content. The guards release graphics,
// image and stream in that order.
bool RotateFlipBitmap(Bitmap& bitmap, int code) {
    if (bitmap.Empty() || code < 0 || code > 7 || !EnsureGdiplus()) return false;
    const std::vector<std::uint8_t> file = BmpFileOf(bitmap);
    StreamGuard stream{SHCreateMemStream(file.data(), static_cast<UINT>(file.size()))};
    if (!stream.stream) return false;
    ImageGuard image;
    if (gp::GdipCreateBitmapFromStream(stream.stream, &image.image) != Gdiplus::Ok) return false;
    if (code & 1) SetBitmapSize(bitmap, bitmap.Height(), bitmap.Width(), PixelFormat::Bgr24);
    GraphicsGuard graphics;
    if (gp::GdipCreateFromHDC(bitmap.Dc(), &graphics.graphics) != Gdiplus::Ok) return false;
    // Drawn at its natural size, which GDI+ measures in inches: the image gets the
    // canvas's resolution, so that one source pixel is one canvas pixel at any DPI.
    Gdiplus::REAL dpiX = 96, dpiY = 96;
    gp::GdipGetDpiX(graphics.graphics, &dpiX);
    gp::GdipGetDpiY(graphics.graphics, &dpiY);
    gp::GdipBitmapSetResolution(image.image, dpiX, dpiY);
    const bool done = gp::GdipImageRotateFlip(
                          image.image, static_cast<Gdiplus::RotateFlipType>(code)) == Gdiplus::Ok &&
                      gp::GdipDrawImageI(graphics.graphics, image.image, 0, 0) == Gdiplus::Ok;
    GdiFlush();
    return done;
}

}  // namespace tessera::win
