#include "core/codecs/decode_target.h"

namespace tessera::codecs {

bool SizeAllowed(std::int64_t width, std::int64_t height, const DecodeLimits& limits) {
    if (width < 1 || height < 1) return false;
    if (width > limits.maxDimension || height > limits.maxDimension) return false;
    // Both sides are at most 2^31, so the product cannot overflow 64 bits.
    const std::int64_t bytes = Bgr24Stride(static_cast<std::int32_t>(width)) * height;
    return static_cast<std::uint64_t>(bytes) <= limits.maxDecodedBytes;
}

PixelAllocator AllocateInto(std::optional<PixelImage>& image) {
    return [&image](std::int32_t width, std::int32_t height) {
        image.emplace(width, height);
        return image->View();
    };
}

}  // namespace tessera::codecs
