#include "core/pixels.h"

#include <stdexcept>

#include "core/checked.h"

namespace tessera {

PixelImage::PixelImage(std::int32_t width, std::int32_t height) {
    if (width < 0 || height < 0) throw std::range_error("negative image size");
    const auto size = CheckedMul<std::ptrdiff_t>(Bgr24Stride(width), height);
    bytes_.assign(static_cast<std::size_t>(size), 0);
    width_ = width;
    height_ = height;
}

}  // namespace tessera
