// Decodes arbitrary bytes as a GIF file: nothing may crash or read outside the input. A
// small decoded image is encoded again (its colours choose the exact or the quantised
// palette) and must decode to the same size.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "core/codecs/gif_codec.h"

namespace {

constexpr tessera::codecs::DecodeLimits kLimits{4096, std::size_t{16} << 20};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<tessera::PixelImage> image;
    std::optional<tessera::Color> transparent;
    if (!tessera::codecs::DecodeGif(std::span(data, size), tessera::codecs::AllocateInto(image),
                                    kLimits, &transparent)) {
        return 0;
    }
    if (!image) std::abort();
    if (image->Width() * image->Height() > 16384) return 0;
    const auto file = tessera::codecs::EncodeGif(image->View(), transparent);
    if (!file) std::abort();
    std::optional<tessera::PixelImage> again;
    if (!tessera::codecs::DecodeGif(*file, tessera::codecs::AllocateInto(again))) std::abort();
    if (again->Width() != image->Width() || again->Height() != image->Height()) std::abort();
    return 0;
}
