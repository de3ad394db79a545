#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>
#include <vector>

#include <gif_lib.h>

#include "core/codecs/gif_codec.h"

namespace tessera::codecs {
namespace {

// The median cut looks at no more pixels than this; larger images are sampled evenly.
constexpr std::size_t kQuantiserSample = std::size_t{1} << 20;

Color PixelColor(const std::uint8_t* p) {
    return MakeRgb(p[2], p[1], p[0]);
}

// The image's colours (without the transparent one), or nothing when there are more
// than `budget`.
std::optional<std::vector<Color>> ExactPalette(const Bgr24View& pixels, std::optional<Color> skip,
                                               std::size_t budget) {
    std::unordered_map<Color, bool> seen;
    std::vector<Color> palette;
    for (std::int32_t y = 0; y < pixels.height; ++y) {
        for (std::int32_t x = 0; x < pixels.width; ++x) {
            const Color c = PixelColor(pixels.At(x, y));
            if (c == skip || !seen.emplace(c, true).second) continue;
            if (palette.size() == budget) return std::nullopt;
            palette.push_back(c);
        }
    }
    return palette;
}

std::vector<Color> QuantisedPalette(const Bgr24View& pixels, std::size_t budget) {
    const std::size_t total =
        static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height);
    const std::size_t count = std::min(total, kQuantiserSample);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = i * (total / count);
        const std::uint8_t* p = pixels.At(static_cast<std::int32_t>(at % pixels.width),
                                          static_cast<std::int32_t>(at / pixels.width));
        red[i] = p[2];
        green[i] = p[1];
        blue[i] = p[0];
    }
    std::array<GifColorType, 256> map{};
    int size = static_cast<int>(budget);
    if (GifQuantizeBuffer(static_cast<unsigned>(count), 1, &size, red.data(), green.data(),
                          blue.data(), indices.data(), map.data()) == GIF_ERROR) {
        return {};
    }
    std::vector<Color> palette;
    for (int i = 0; i < size; ++i)
        palette.push_back(MakeRgb(map[i].Red, map[i].Green, map[i].Blue));
    return palette;
}

int Distance(Color a, Color b) {
    const int dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
    return dr * dr + dg * dg + db * db;
}

// Maps every pixel to its nearest palette entry; the transparent colour maps to its own
// entry, which follows the others.
class IndexMapper {
  public:
    IndexMapper(const std::vector<Color>& palette, std::optional<Color> transparent)
        : palette_(palette), transparent_(transparent) {}

    GifPixelType operator()(Color c) {
        if (c == transparent_) return static_cast<GifPixelType>(palette_.size());
        if (c == last_) return lastIndex_;
        auto [it, added] = memo_.try_emplace(c, 0);
        if (added) it->second = Nearest(c);
        last_ = c;
        lastIndex_ = it->second;
        return lastIndex_;
    }

  private:
    GifPixelType Nearest(Color c) const {
        std::size_t best = 0;
        for (std::size_t i = 1; i < palette_.size(); ++i) {
            if (Distance(c, palette_[i]) < Distance(c, palette_[best])) best = i;
        }
        return static_cast<GifPixelType>(best);
    }

    const std::vector<Color>& palette_;
    std::optional<Color> transparent_;
    std::unordered_map<Color, GifPixelType> memo_;
    std::optional<Color> last_;
    GifPixelType lastIndex_ = 0;
};

int Write(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct MapGuard {
    ColorMapObject* map;
    ~MapGuard() { GifFreeMapObject(map); }
};

// A colour map of a power-of-two size (giflib's rule), unused entries black.
ColorMapObject* MakeMap(const std::vector<Color>& colors) {
    const int size = std::max(2, static_cast<int>(std::bit_ceil(colors.size())));
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colors.size(); ++i) {
        entries[i] = {RedOf(colors[i]), GreenOf(colors[i]), BlueOf(colors[i])};
    }
    return GifMakeMapObject(size, entries.data());
}

bool WriteFile(GifFileType* gif, const Bgr24View& pixels, const ColorMapObject* map,
               IndexMapper& mapper, int transparentIndex) {
    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, pixels.width, pixels.height, map->BitsPerPixel, 0, map) ==
        GIF_ERROR) {
        return false;
    }
    if (transparentIndex >= 0) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
        GifByteType block[4];
        const auto length = EGifGCBToExtension(&control, block);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block) ==
            GIF_ERROR) {
            return false;
        }
    }
    if (EGifPutImageDesc(gif, 0, 0, pixels.width, pixels.height, false, nullptr) == GIF_ERROR)
        return false;
    std::vector<GifPixelType> line(static_cast<std::size_t>(pixels.width));
    for (std::int32_t y = 0; y < pixels.height; ++y) {
        for (std::int32_t x = 0; x < pixels.width; ++x)
            line[x] = mapper(PixelColor(pixels.At(x, y)));
        if (EGifPutLine(gif, line.data(), pixels.width) == GIF_ERROR) return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeGif(const Bgr24View& pixels,
                                                   std::optional<Color> transparentColor) {
    if (pixels.Empty() || pixels.width > 65535 || pixels.height > 65535) return std::nullopt;
    if (transparentColor) *transparentColor &= 0xFFFFFF;
    const std::size_t budget = transparentColor ? 255 : 256;
    auto palette = ExactPalette(pixels, transparentColor, budget);
    if (!palette) palette = QuantisedPalette(pixels, budget);
    if (palette->empty() && !transparentColor) return std::nullopt;
    std::vector<Color> entries = *palette;
    if (transparentColor) entries.push_back(*transparentColor);
    MapGuard map{MakeMap(entries)};
    if (!map.map) return std::nullopt;
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, Write, &error);
    if (!gif) return std::nullopt;
    IndexMapper mapper(*palette, transparentColor);
    const int transparentIndex = transparentColor ? static_cast<int>(palette->size()) : -1;
    const bool written = WriteFile(gif, pixels, map.map, mapper, transparentIndex);
    if (EGifCloseFile(gif, &error) == GIF_ERROR || !written) return std::nullopt;
    return out;
}

}  // namespace tessera::codecs
