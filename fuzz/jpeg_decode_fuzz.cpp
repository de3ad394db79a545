// Decodes arbitrary bytes as a JPEG file: nothing may crash or read outside the input;
// a decoded image is encoded again.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "core/codecs/jpeg_codec.h"

namespace {

constexpr tessera::codecs::DecodeLimits kLimits{4096, std::size_t{16} << 20};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<tessera::PixelImage> image;
    const bool decoded = tessera::codecs::DecodeJpeg(std::span(data, size),
                                                     tessera::codecs::AllocateInto(image), kLimits);
    if (decoded && !image) std::abort();
    if (decoded && image->Width() * image->Height() <= 4096) {
        if (!tessera::codecs::EncodeJpeg(image->View(), static_cast<int>(size % 120))) std::abort();
    }
    return 0;
}
