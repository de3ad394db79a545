#include "core/codecs/bmp_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "core/checked.h"

namespace tessera::codecs {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint16_t U16(Bytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(Bytes b, std::size_t at) {
    return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) |
           (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 3]} << 24);
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive; topDown says which way the rows run
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t headerSize = 0;
    std::size_t masksAfterHeader = 0;  // bytes of bit-field masks that follow a 40-byte header
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

bool ValidBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void SetDefaultMasks(Header& h) {
    if (h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
    if (h.bitCount == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
}

bool CompressionFits(const Header& h) {
    switch (h.compression) {
        case kBiRgb: return true;
        case kBiRle8: return h.bitCount == 8 && !h.topDown;
        case kBiRle4: return h.bitCount == 4 && !h.topDown;
        case kBiBitfields:
        case kBiAlphaBitfields: return h.bitCount == 16 || h.bitCount == 32;
        default: return false;  // embedded JPEG/PNG and the OS/2 codings
    }
}

std::optional<Header> ReadCoreHeader(Bytes dib) {
    if (dib.size() < 12) return std::nullopt;
    Header h;
    h.headerSize = 12;
    h.width = U16(dib, 4);
    h.height = U16(dib, 6);
    h.bitCount = U16(dib, 10);
    h.paletteEntrySize = 3;
    return h;
}

std::optional<Header> ReadInfoHeader(Bytes dib, std::size_t size) {
    if (size < 16 || dib.size() < size) return std::nullopt;
    Header h;
    h.headerSize = size;
    h.width = static_cast<std::int32_t>(U32(dib, 4));
    const auto height = static_cast<std::int32_t>(U32(dib, 8));
    h.topDown = height < 0;
    h.height = h.topDown ? -static_cast<std::int64_t>(height) : height;
    h.bitCount = U16(dib, 14);
    if (size >= 20) h.compression = U32(dib, 16);
    if (size >= 36) h.colorsUsed = U32(dib, 32);
    if (size == 64 && h.compression > kBiRle4) return std::nullopt;  // OS/2 codings differ
    SetDefaultMasks(h);
    if (h.compression != kBiBitfields && h.compression != kBiAlphaBitfields) return h;
    if (size >= 52) {
        h.masks = {U32(dib, 40), U32(dib, 44), U32(dib, 48)};
        return h;
    }
    if (size != kInfoHeaderSize) return std::nullopt;
    h.masksAfterHeader = h.compression == kBiAlphaBitfields ? 16 : 12;
    if (dib.size() < size + h.masksAfterHeader) return std::nullopt;
    h.masks = {U32(dib, size), U32(dib, size + 4), U32(dib, size + 8)};
    return h;
}

std::optional<Header> ReadHeader(Bytes dib) {
    if (dib.size() < 4) return std::nullopt;
    const std::uint32_t size = U32(dib, 0);
    std::optional<Header> h;
    if (size == 12) {
        h = ReadCoreHeader(dib);
    } else if (size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124) {
        h = ReadInfoHeader(dib, size);
    }
    if (!h || !ValidBitCount(h->bitCount) || !CompressionFits(*h)) return std::nullopt;
    return h;
}

// Palette entries as packed blue-green-red; missing entries stay black.
struct Palette {
    std::array<std::uint32_t, 256> colors{};
};

std::size_t PaletteCount(const Header& h) {
    if (h.bitCount > 8) return 0;
    const std::size_t full = std::size_t{1} << h.bitCount;
    return h.colorsUsed == 0 ? full : std::min<std::size_t>(h.colorsUsed, full);
}

// The bytes the colour table occupies (a packed DIB may carry one at any depth).
std::size_t PaletteBytes(const Header& h) {
    std::size_t count = h.colorsUsed;
    if (h.bitCount <= 8 && count == 0) count = std::size_t{1} << h.bitCount;
    if (h.bitCount <= 8) count = std::min<std::size_t>(count, std::size_t{1} << h.bitCount);
    return std::min<std::size_t>(count, 1 << 16) * h.paletteEntrySize;
}

// A file may keep fewer entries than its depth allows between the headers and the
// pixels; the missing ones are black. A table cut off by the end of the data is refused.
std::optional<Palette> ReadPalette(Bytes dib, const Header& h, std::size_t pixelOffset) {
    Palette p;
    std::size_t count = PaletteCount(h);
    const std::size_t at = h.headerSize + h.masksAfterHeader;
    if (pixelOffset > at && pixelOffset <= dib.size()) {
        count = std::min(count, (pixelOffset - at) / h.paletteEntrySize);
    }
    if (at > dib.size() || (dib.size() - at) / h.paletteEntrySize < count) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = at + i * h.paletteEntrySize;
        p.colors[i] = std::uint32_t{dib[e]} | (std::uint32_t{dib[e + 1]} << 8) |
                      (std::uint32_t{dib[e + 2]} << 16);
    }
    return p;
}

void PutColor(std::uint8_t* pixel, std::uint32_t bgr) {
    pixel[0] = bgr & 0xFF;
    pixel[1] = (bgr >> 8) & 0xFF;
    pixel[2] = (bgr >> 16) & 0xFF;
}

// One channel of a bit-field pixel, scaled to eight bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        bits = std::min(32 - shift - std::countl_zero(m), 32);
    }
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint64_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
        return static_cast<std::uint8_t>(v * 255 / ((std::uint64_t{1} << bits) - 1));
    }
};

void DecodeRow(const std::uint8_t* src, std::uint8_t* out, const Header& h, const Palette& p,
               const std::array<Channel, 3>& channels) {
    const auto width = static_cast<std::int32_t>(h.width);
    if (h.bitCount == 24) {
        std::memcpy(out, src, static_cast<std::size_t>(width) * 3);
        return;
    }
    for (std::int32_t x = 0; x < width; ++x, out += 3) {
        switch (h.bitCount) {
            case 1: PutColor(out, p.colors[(src[x >> 3] >> (7 - (x & 7))) & 1]); break;
            case 4: PutColor(out, p.colors[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]); break;
            case 8: PutColor(out, p.colors[src[x]]); break;
            default: {
                const std::uint32_t v = h.bitCount == 16 ? U16(Bytes(src + x * 2, 2), 0)
                                                         : U32(Bytes(src + x * 4, 4), 0);
                out[0] = channels[2](v);
                out[1] = channels[1](v);
                out[2] = channels[0](v);
            }
        }
    }
}

bool DecodeUncompressed(Bytes bits, const Header& h, const Palette& p, const Bgr24View& out) {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32) * 4;
    if (stride * static_cast<std::uint64_t>(h.height) > bits.size()) return false;
    const std::array<Channel, 3> channels{Channel(h.masks[0]), Channel(h.masks[1]),
                                          Channel(h.masks[2])};
    for (std::int32_t y = 0; y < out.height; ++y) {
        const std::int64_t source = h.topDown ? y : out.height - 1 - y;
        DecodeRow(bits.data() + source * stride, out.Row(y), h, p, channels);
    }
    return true;
}

// Run-length coded rows, bottom-up. Pixels the data skips (deltas, an early end) stay
// black; a run past the right edge is clipped. Running out of data ends the picture.
void DecodeRle(Bytes bits, const Header& h, const Palette& p, const Bgr24View& out) {
    const bool four = h.compression == kBiRle4;
    std::int64_t x = 0;
    std::int64_t row = 0;  // counted from the bottom
    std::size_t i = 0;
    auto put = [&](unsigned index) {
        if (x < out.width && row < out.height) {
            PutColor(out.At(static_cast<std::int32_t>(x),
                            out.height - 1 - static_cast<std::int32_t>(row)),
                     p.colors[index]);
        }
        ++x;
    };
    while (i + 1 < bits.size() && row < out.height) {
        const unsigned count = bits[i];
        const unsigned value = bits[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k)
                put(four ? ((k & 1) ? value & 0xF : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // delta
            if (i + 1 >= bits.size()) return;
            x += bits[i];
            row += bits[i + 1];
            i += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (bits.size() - i < bytes) return;
            for (unsigned k = 0; k < value; ++k) {
                put(four ? ((k & 1) ? bits[i + k / 2] & 0xF : bits[i + k / 2] >> 4) : bits[i + k]);
            }
            i += bytes + (bytes & 1);
        }
    }
}

bool DecodePixels(Bytes dib, std::size_t pixelOffset, const Header& h,
                  const PixelAllocator& allocate, const DecodeLimits& limits) {
    if (!SizeAllowed(h.width, h.height, limits) || pixelOffset > dib.size()) return false;
    const auto palette = ReadPalette(dib, h, pixelOffset);
    if (!palette) return false;
    const Bytes bits = dib.subspan(pixelOffset);
    if (h.compression == kBiRle4 || h.compression == kBiRle8) {
        const Bgr24View out =
            allocate(static_cast<std::int32_t>(h.width), static_cast<std::int32_t>(h.height));
        DecodeRle(bits, h, *palette, out);
        return true;
    }
    const std::uint64_t stride = ((static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32) * 4;
    if (stride * static_cast<std::uint64_t>(h.height) > bits.size())
        return false;  // before allocating
    const Bgr24View out =
        allocate(static_cast<std::int32_t>(h.width), static_cast<std::int32_t>(h.height));
    return DecodeUncompressed(bits, h, *palette, out);
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

}  // namespace

bool DecodeDib(std::span<const std::uint8_t> dib, const PixelAllocator& allocate,
               const DecodeLimits& limits) {
    const auto h = ReadHeader(dib);
    if (!h) return false;
    const std::size_t offset = h->headerSize + h->masksAfterHeader + PaletteBytes(*h);
    return DecodePixels(dib, offset, *h, allocate, limits);
}

bool DecodeBmp(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
               const DecodeLimits& limits) {
    if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return false;
    const Bytes dib = file.subspan(kFileHeaderSize);
    const auto h = ReadHeader(dib);
    if (!h) return false;
    // The pixels are where the file header says; writers that leave it 0 mean "right
    // after the colour table".
    const std::uint32_t offBits = U32(file, 10);
    std::size_t offset = h->headerSize + h->masksAfterHeader + PaletteBytes(*h);
    if (offBits != 0) {
        if (offBits < kFileHeaderSize + h->headerSize) return false;
        offset = offBits - kFileHeaderSize;
    }
    return DecodePixels(dib, offset, *h, allocate, limits);
}

bool WriteBmp24(const Bgr24View& pixels, const ByteSink& sink) {
    const std::ptrdiff_t stride = Bgr24Stride(pixels.width);
    const auto imageSize = CheckedMul<std::uint64_t>(static_cast<std::uint64_t>(stride),
                                                     static_cast<std::uint64_t>(pixels.height));
    const std::uint64_t fileSize = imageSize + kFileHeaderSize + kInfoHeaderSize;
    if (fileSize > 0xFFFFFFFFu) throw std::range_error("bitmap too large for a BMP file");
    constexpr std::size_t kPieceSize = 1 << 20;
    std::vector<std::uint8_t> out;
    out.reserve(std::max<std::size_t>(kPieceSize, static_cast<std::size_t>(stride)) +
                kFileHeaderSize + kInfoHeaderSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(fileSize));
    PutU32(out, 0);
    PutU32(out, kFileHeaderSize + kInfoHeaderSize);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(pixels.width));
    PutU32(out, static_cast<std::uint32_t>(pixels.height));  // positive: bottom-up rows
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, kBiRgb);
    PutU32(out, static_cast<std::uint32_t>(imageSize));
    for (int i = 0; i < 4; ++i) PutU32(out, 0);  // resolution, colours used, important
    const auto rowBytes = static_cast<std::size_t>(pixels.width) * 3;
    for (std::int32_t y = pixels.height - 1; y >= 0; --y) {
        const std::uint8_t* row = pixels.Row(y);
        out.insert(out.end(), row, row + rowBytes);
        out.resize(out.size() + static_cast<std::size_t>(stride) - rowBytes, 0);
        if (out.size() >= kPieceSize) {
            if (!sink(out.data(), out.size())) return false;
            out.clear();
        }
    }
    return out.empty() || sink(out.data(), out.size());
}

std::vector<std::uint8_t> EncodeBmp24(const Bgr24View& pixels) {
    std::vector<std::uint8_t> file;
    WriteBmp24(pixels, [&file](const std::uint8_t* data, std::size_t size) {
        file.insert(file.end(), data, data + size);
        return true;
    });
    return file;
}

}  // namespace tessera::codecs
