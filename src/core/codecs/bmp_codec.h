#pragma once
// BMP files: a reader for the forms users meet (1, 4, 8, 16, 24 and 32 bits per pixel;
// uncompressed, bit fields, RLE4 and RLE8; bottom-up and top-down) and a writer of
// uncompressed 24-bit files.
#include <cstdint>
#include <span>
#include <vector>

#include "core/codecs/decode_target.h"

namespace tessera::codecs {

// A whole BMP file, starting with "BM". False for anything it cannot read completely.
bool DecodeBmp(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
               const DecodeLimits& limits = {});
// A packed DIB (information header, colour table, pixels), as the clipboard holds it.
bool DecodeDib(std::span<const std::uint8_t> dib, const PixelAllocator& allocate,
               const DecodeLimits& limits = {});

// File header, 40-byte information header, bottom-up rows padded to four bytes.
std::vector<std::uint8_t> EncodeBmp24(const Bgr24View& pixels);

}  // namespace tessera::codecs
