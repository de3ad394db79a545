#pragma once
// JPEG through the IJG libjpeg API: decoding to 24-bit rows at full size, and encoding
// 24-bit rows in colour, baseline (not progressive), at a quality of 1..100.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/codecs/decode_target.h"

namespace tessera::codecs {

bool DecodeJpeg(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
                const DecodeLimits& limits = {});

int ClampJpegQuality(int quality);  // 1..100

// Empty when the library refuses (an empty image, out of memory).
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Bgr24View& pixels, int quality);

}  // namespace tessera::codecs
