// Decodes arbitrary bytes as a BMP file and as a packed DIB: nothing may crash or read
// outside the input, and a decoded image must have the size it was allocated with.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "core/codecs/bmp_codec.h"

namespace {

// Small limits keep each run fast; the checks are the same at any size.
constexpr tessera::codecs::DecodeLimits kLimits{4096, std::size_t{16} << 20};

void Decode(bool (*decode)(std::span<const std::uint8_t>, const tessera::codecs::PixelAllocator&,
                           const tessera::codecs::DecodeLimits&),
            std::span<const std::uint8_t> bytes) {
    std::optional<tessera::PixelImage> image;
    if (decode(bytes, tessera::codecs::AllocateInto(image), kLimits) && !image) std::abort();
    if (image && (image->Width() < 1 || image->Height() < 1)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    Decode(tessera::codecs::DecodeBmp, bytes);
    if (size > 14) Decode(tessera::codecs::DecodeDib, bytes.subspan(14));
    return 0;
}
