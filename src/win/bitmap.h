#pragma once
// A bitmap with its canvas: a top-down DIB section selected into its own memory DC, and
// the canvas brush colour, which some callers keep as state between operations.
#include <windows.h>

#include <cstdint>

#include "core/color.h"
#include "core/pixels.h"
#include "win/handles.h"

namespace tessera::win {

// Every image the program makes has 24 bits per pixel; 32 bits exists only so that a
// bitmap can keep a format it was given (rotating by 180 degrees keeps it, saving as BMP
// converts it to 24).
enum class PixelFormat : std::uint8_t { Bgr24 = 24, Bgrx32 = 32 };

class Bitmap {
  public:
    Bitmap();  // empty (0 x 0, 24 bits per pixel), brush white
    Bitmap(std::int32_t width, std::int32_t height, PixelFormat format = PixelFormat::Bgr24);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap();

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    bool Empty() const { return width_ < 1 || height_ < 1; }

    // The canvas: a memory DC that holds this bitmap selected (nothing when empty).
    HDC Dc() const { return dc_.get(); }
    HBITMAP Handle() const { return bitmap_.get(); }

    // May be a system-colour reference; drawing resolves it (ResolveColor).
    Color BrushColor() const { return brushColor_; }
    void SetBrushColor(Color color) { brushColor_ = color; }

    // Marks the bitmap for the transparent GIF writer.
    bool Transparent() const { return transparent_; }
    Color TransparentColor() const { return transparentColor_; }
    void SetTransparent(bool transparent, Color color = 0) {
        transparent_ = transparent;
        transparentColor_ = color;
    }

    // Direct access to the rows of a 24-bit bitmap (an empty view when empty);
    // throws std::logic_error for a 32-bit bitmap.
    Bgr24View Pixels() const;
    // The rows of any format: the first byte of the top row and the row stride.
    std::uint8_t* Bits() const { return bits_; }
    std::ptrdiff_t Stride() const;

    // New pixels of the given size and format, black; the old content is gone. The brush
    // colour and the transparency mark stay. Throws std::range_error for a negative size,
    // std::runtime_error when the system has no memory for the DIB section.
    void Reset(std::int32_t width, std::int32_t height, PixelFormat format);
    void Reset(std::int32_t width, std::int32_t height) { Reset(width, height, format_); }

    // Becomes a 24-bit copy of the pixels (canvas state stays).
    void Assign(const Bgr24View& pixels);
    // A deep copy with the same pixels, format, brush colour and transparency mark.
    Bitmap Clone() const;
    // Makes this a 24-bit bitmap with the same pixels (no-op when already 24-bit).
    void ConvertTo24();

  private:
    void ReleasePixels();

    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ originalObject_ = nullptr;  // the DC's own bitmap, put back before deletion
    std::uint8_t* bits_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    Color brushColor_ = kWhite;
    bool transparent_ = false;
    Color transparentColor_ = 0;
};

// The RGB value of a colour, resolving a system-colour reference (GetSysColor).
Color ResolveColor(Color color);

}  // namespace tessera::win
