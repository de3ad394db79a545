#pragma once
// 24-bit pixels in memory: rows top-down, each pixel blue, green, red, each row padded to
// a multiple of four bytes (the layout of a top-down 24-bit DIB section, so that a
// bitmap's pixels can be handed to portable code without copying).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessera {

constexpr std::ptrdiff_t Bgr24Stride(std::int32_t width) {
    return ((static_cast<std::ptrdiff_t>(width) * 3 + 3) / 4) * 4;
}

// A window onto pixels owned elsewhere (a DIB section or a PixelImage).
struct Bgr24View {
    std::uint8_t* data = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::ptrdiff_t stride = 0;

    std::uint8_t* Row(std::int32_t y) const { return data + y * stride; }
    std::uint8_t* At(std::int32_t x, std::int32_t y) const { return Row(y) + x * 3; }
    bool Empty() const { return width < 1 || height < 1; }
};

// Pixels owned in memory, for work that needs no device context.
class PixelImage {
public:
    PixelImage() = default;
    PixelImage(std::int32_t width, std::int32_t height);  // zero-filled (black)

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    Bgr24View View() { return {bytes_.data(), width_, height_, Bgr24Stride(width_)}; }
    Bgr24View View() const {
        return {const_cast<std::uint8_t*>(bytes_.data()), width_, height_, Bgr24Stride(width_)};
    }

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace tessera
