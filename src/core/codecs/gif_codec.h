#pragma once
// GIF through giflib: the first frame of a GIF87a or GIF89a file, and GIF89a files with a
// palette of at most 256 colours taken from the image.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/codecs/decode_target.h"
#include "core/color.h"

namespace tessera::codecs {

// The first frame drawn on the logical screen (widened where the frame reaches past it).
// Transparent pixels and pixels outside the frame take the colour of the transparent
// palette entry, else the background colour, else black; `transparentColor` receives
// that colour when the frame has a transparent entry.
bool DecodeGif(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
               const DecodeLimits& limits = {}, std::optional<Color>* transparentColor = nullptr);

// The image's own colours when there are at most 256 (255 with a transparent colour),
// otherwise a median-cut palette; every pixel takes the nearest palette colour, without
// dithering. With a transparent colour, the pixels of exactly that colour become
// transparent. Empty when the image is empty or too large for a GIF.
std::optional<std::vector<std::uint8_t>> EncodeGif(const Bgr24View& pixels,
                                                   std::optional<Color> transparentColor = {});

}  // namespace tessera::codecs
