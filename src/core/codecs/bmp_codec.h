#pragma once
// BMP files: a reader for the forms users meet (1, 4, 8, 16, 24 and 32 bits per pixel;
// uncompressed, bit fields, RLE4 and RLE8; bottom-up and top-down) and a writer of
// uncompressed 24-bit files.
#include <cstddef>
#include <cstdint>
#include <functional>
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

// The same bytes handed to a sink in pieces of about a megabyte, so that a desktop-sized
// file is written without a second copy of the picture in memory. Stops with false as
// soon as the sink does.
using ByteSink = std::function<bool(const std::uint8_t* data, std::size_t size)>;
bool WriteBmp24(const Bgr24View& pixels, const ByteSink& sink);

}  // namespace tessera::codecs
