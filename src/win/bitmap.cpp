#include "win/bitmap.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "core/checked.h"

namespace tessera::win {
namespace {

std::ptrdiff_t StrideOf(std::int32_t width, PixelFormat format) {
    if (format == PixelFormat::Bgrx32) return static_cast<std::ptrdiff_t>(width) * 4;
    return Bgr24Stride(width);
}

UniqueMemoryDc NewMemoryDc() {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) throw std::runtime_error("CreateCompatibleDC failed");
    return dc;
}

}  // namespace

Color ResolveColor(Color color) {
    if (!IsSystemColorRef(color)) return color & 0xFFFFFF;
    return GetSysColor(SystemColorIndex(color)) & 0xFFFFFF;
}

Bitmap::Bitmap() : dc_(NewMemoryDc()) {}

Bitmap::Bitmap(std::int32_t width, std::int32_t height, PixelFormat format) : Bitmap() {
    Reset(width, height, format);
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      originalObject_(std::exchange(other.originalObject_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      format_(other.format_),
      brushColor_(other.brushColor_),
      transparent_(other.transparent_),
      transparentColor_(other.transparentColor_) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    ReleasePixels();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    originalObject_ = std::exchange(other.originalObject_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    brushColor_ = other.brushColor_;
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    return *this;
}

Bitmap::~Bitmap() {
    ReleasePixels();
}

// The DIB section cannot be deleted while selected: the DC gets its own bitmap back first.
void Bitmap::ReleasePixels() {
    if (dc_ && originalObject_) SelectObject(dc_.get(), originalObject_);
    originalObject_ = nullptr;
    bitmap_.reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

std::ptrdiff_t Bitmap::Stride() const {
    return StrideOf(width_, format_);
}

Bgr24View Bitmap::Pixels() const {
    if (format_ != PixelFormat::Bgr24) throw std::logic_error("pixel view of a 32-bit bitmap");
    if (Empty()) return {};
    GdiFlush();  // GDI may still be drawing into the section
    return {bits_, width_, height_, Stride()};
}

void Bitmap::Reset(std::int32_t width, std::int32_t height, PixelFormat format) {
    if (width < 0 || height < 0) throw std::range_error("negative bitmap size");
    if (!dc_) dc_ = NewMemoryDc();  // a moved-from bitmap becomes usable again
    CheckedMul<std::ptrdiff_t>(StrideOf(width, format), height);
    ReleasePixels();
    format_ = format;
    if (width == 0 || height == 0) {
        // A DIB section needs at least one pixel; an empty bitmap keeps its size only.
        width_ = width;
        height_ = height;
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows, as Bgr24View expects
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(format);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) throw std::runtime_error("CreateDIBSection failed (out of memory)");
    originalObject_ = SelectObject(dc_.get(), section.get());
    bitmap_ = std::move(section);
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
}

void Bitmap::Assign(const Bgr24View& pixels) {
    Reset(pixels.width, pixels.height, PixelFormat::Bgr24);
    if (Empty()) return;
    const auto rowBytes = static_cast<std::size_t>(pixels.width) * 3;
    const Bgr24View target = Pixels();
    for (std::int32_t y = 0; y < height_; ++y) std::memcpy(target.Row(y), pixels.Row(y), rowBytes);
}

Bitmap Bitmap::Clone() const {
    Bitmap copy;
    copy.Reset(width_, height_, format_);
    copy.brushColor_ = brushColor_;
    copy.transparent_ = transparent_;
    copy.transparentColor_ = transparentColor_;
    if (!Empty()) {
        GdiFlush();  // GDI may still be drawing into the section
        std::memcpy(copy.bits_, bits_, static_cast<std::size_t>(Stride() * height_));
    }
    return copy;
}

void Bitmap::ConvertTo24() {
    if (format_ == PixelFormat::Bgr24) return;
    Bitmap converted(width_, height_, PixelFormat::Bgr24);
    if (!Empty()) {
        GdiFlush();
        const Bgr24View target = converted.Pixels();
        for (std::int32_t y = 0; y < height_; ++y) {
            const std::uint8_t* source = bits_ + y * Stride();
            std::uint8_t* row = target.Row(y);
            for (std::int32_t x = 0; x < width_; ++x) {
                std::memcpy(row + x * 3, source + x * 4, 3);
            }
        }
    }
    converted.brushColor_ = brushColor_;
    converted.transparent_ = transparent_;
    converted.transparentColor_ = transparentColor_;
    *this = std::move(converted);
}

}  // namespace tessera::win
