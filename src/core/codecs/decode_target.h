#pragma once
// What every decoder shares: the limits that hostile headers are checked against before
// anything is allocated, and the target that receives the decoded rows.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/pixels.h"

namespace tessera::codecs {

struct DecodeLimits {
    std::int32_t maxDimension = 65535;
    std::size_t maxDecodedBytes = std::size_t{1} << 30;  // 24-bit rows, padding included
};

// True when an image of this size may be decoded: both sides at least 1 and within the
// limits, and its 24-bit rows within the byte limit.
bool SizeAllowed(std::int64_t width, std::int64_t height, const DecodeLimits& limits);

// Called once, after the header was checked, for rows of the final size. The view must
// stay valid until the decoder returns; its pixels start black. May throw (out of memory).
using PixelAllocator = std::function<Bgr24View(std::int32_t width, std::int32_t height)>;

// An allocator that keeps the pixels in a PixelImage.
PixelAllocator AllocateInto(std::optional<PixelImage>& image);

}  // namespace tessera::codecs
