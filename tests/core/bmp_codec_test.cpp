#include "core/codecs/bmp_codec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tessera::codecs {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void PutU32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

// The parts of a BMP file; BuildBmp lays them out as a writer would.
struct BmpLayout {
    std::uint32_t headerSize = 40;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::int32_t width = 5;
    std::int32_t height = 3;  // negative: top-down
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB
    std::vector<std::uint32_t> masks;    // red, green, blue
    Bytes bits;
};

Bytes BuildBmp(const BmpLayout& s) {
    Bytes dib;
    if (s.headerSize == 12) {
        PutU32(dib, 12);
        PutU16(dib, static_cast<std::uint32_t>(s.width));
        PutU16(dib, static_cast<std::uint32_t>(s.height));
        PutU16(dib, 1);
        PutU16(dib, s.bitCount);
    } else {
        PutU32(dib, s.headerSize);
        PutU32(dib, static_cast<std::uint32_t>(s.width));
        PutU32(dib, static_cast<std::uint32_t>(s.height));
        PutU16(dib, 1);
        PutU16(dib, s.bitCount);
        PutU32(dib, s.compression);
        PutU32(dib, static_cast<std::uint32_t>(s.bits.size()));
        PutU32(dib, 2835);
        PutU32(dib, 2835);
        PutU32(dib, s.colorsUsed);
        PutU32(dib, 0);
        // V4/V5 headers carry the masks inside; the rest of them stays zero.
        for (std::size_t i = 0; dib.size() < s.headerSize; ++i)
            PutU32(dib, i < s.masks.size() ? s.masks[i] : 0);
        if (s.headerSize == 40) {
            for (const auto m : s.masks) PutU32(dib, m);
        }
    }
    for (const auto c : s.palette) {
        dib.push_back(c & 0xFF);
        dib.push_back((c >> 8) & 0xFF);
        dib.push_back((c >> 16) & 0xFF);
        if (s.headerSize != 12) dib.push_back(0);
    }
    Bytes file{'B', 'M'};
    PutU32(file, static_cast<std::uint32_t>(14 + dib.size() + s.bits.size()));
    PutU32(file, 0);
    PutU32(file, static_cast<std::uint32_t>(14 + dib.size()));
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), s.bits.begin(), s.bits.end());
    return file;
}

// The colours of the reference picture: channel values 0 and 255 survive every depth.
constexpr std::uint32_t kColors[8] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                      0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};

std::uint32_t ReferenceIndex(int x, int y, int colors) {
    return (x + 2 * y) % colors;
}

std::uint32_t PixelAt(const PixelImage& image, int x, int y) {
    const std::uint8_t* p = image.View().At(x, y);
    return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}

// Rows of the reference picture at the layout's depth, in file order.
Bytes PackRows(const BmpLayout& s, int colors) {
    const int height = s.height < 0 ? -s.height : s.height;
    const std::size_t stride = ((static_cast<std::size_t>(s.width) * s.bitCount + 31) / 32) * 4;
    Bytes bits(stride * height, 0);
    for (int row = 0; row < height; ++row) {
        const int y = s.height < 0 ? row : height - 1 - row;
        std::uint8_t* out = bits.data() + row * stride;
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t index = ReferenceIndex(x, y, colors);
            const std::uint32_t c = kColors[index];
            const std::uint32_t r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
            switch (s.bitCount) {
                case 1: out[x / 8] |= index << (7 - x % 8); break;
                case 4: out[x / 2] |= index << (x % 2 ? 0 : 4); break;
                case 8: out[x] = static_cast<std::uint8_t>(index); break;
                case 16: {
                    const bool is565 = !s.masks.empty() && s.masks[1] == 0x07E0;
                    const std::uint32_t v = is565 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                                                  : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
                    out[x * 2] = v & 0xFF;
                    out[x * 2 + 1] = v >> 8;
                    break;
                }
                case 24: out[x * 3] = b, out[x * 3 + 1] = g, out[x * 3 + 2] = r; break;
                case 32: {
                    // With masks the channels sit in the top three bytes (R, G, B, then X).
                    const std::uint32_t v =
                        s.masks.empty() ? c : (r << 24) | (g << 16) | (b << 8) | 0x7F;
                    for (int i = 0; i < 4; ++i) out[x * 4 + i] = (v >> (8 * i)) & 0xFF;
                    break;
                }
            }
        }
    }
    return bits;
}

struct FormCase {
    const char* name;
    std::uint32_t headerSize;
    int bitCount;
    std::uint32_t compression;
    bool topDown;
    std::vector<std::uint32_t> masks;
};

class BmpFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(BmpFormTest, DecodesTheReferencePicture) {
    const FormCase& c = GetParam();
    BmpLayout s;
    s.headerSize = c.headerSize;
    s.bitCount = c.bitCount;
    s.compression = c.compression;
    s.height = c.topDown ? -3 : 3;
    s.masks = c.masks;
    const int colors = c.bitCount == 1 ? 2 : 8;
    if (c.bitCount <= 8) s.palette.assign(kColors, kColors + colors);
    s.bits = PackRows(s, colors);
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeBmp(BuildBmp(s), AllocateInto(image)));
    ASSERT_EQ(image->Width(), 5);
    ASSERT_EQ(image->Height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(PixelAt(*image, x, y), kColors[ReferenceIndex(x, y, colors)])
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, BmpFormTest,
    ::testing::Values(
        FormCase{"core1", 12, 1, 0, false, {}}, FormCase{"core8", 12, 8, 0, false, {}},
        FormCase{"core24", 12, 24, 0, false, {}}, FormCase{"bits1", 40, 1, 0, false, {}},
        FormCase{"bits4", 40, 4, 0, false, {}}, FormCase{"bits8", 40, 8, 0, false, {}},
        FormCase{"bits8TopDown", 40, 8, 0, true, {}}, FormCase{"rgb555", 40, 16, 0, false, {}},
        FormCase{"fields565", 40, 16, 3, false, {0xF800, 0x07E0, 0x001F}},
        FormCase{"fields565V5", 124, 16, 3, true, {0xF800, 0x07E0, 0x001F}},
        FormCase{"bits24", 40, 24, 0, false, {}}, FormCase{"bits24TopDown", 40, 24, 0, true, {}},
        FormCase{"bits24V4", 108, 24, 0, false, {}}, FormCase{"bgrx32", 40, 32, 0, false, {}},
        FormCase{"fields32", 40, 32, 3, false, {0xFF000000, 0x00FF0000, 0x0000FF00}},
        FormCase{"fields32V4", 108, 32, 3, true, {0xFF000000, 0x00FF0000, 0x0000FF00}}),
    [](const auto& param) { return std::string(param.param.name); });

// Runs, absolute runs with their padding, a delta that skips pixels (left black), end
// of line and end of bitmap; rows run bottom-up.
TEST(BmpCodecTest, DecodesRunLengthCoding) {
    BmpLayout s;
    s.bitCount = 8;
    s.compression = 1;
    s.palette.assign(kColors, kColors + 8);
    s.bits = {5, 1, 0, 0,                    // bottom row: five of colour 1
              0, 3, 2, 3, 4, 0, 2, 5, 0, 0,  // absolute 2 3 4 (padded), then two of 5
              0, 2, 2, 0, 9, 6, 0, 1};       // delta +2, nine of 6 clipped at the edge, end
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeBmp(BuildBmp(s), AllocateInto(image)));
    const std::uint32_t expected[3][5] = {
        {0x000000, 0x000000, kColors[6], kColors[6], kColors[6]},
        {kColors[2], kColors[3], kColors[4], kColors[5], kColors[5]},
        {kColors[1], kColors[1], kColors[1], kColors[1], kColors[1]}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PixelAt(*image, x, y), expected[y][x]) << x << "," << y;
    }

    s.bitCount = 4;
    s.compression = 2;
    s.height = 1;
    s.bits = {3, 0x12, 0, 3, 0x34, 0x50, 0, 1};  // 1 2 1, absolute 3 4 5 (5 clipped), end
    ASSERT_TRUE(DecodeBmp(BuildBmp(s), AllocateInto(image)));
    const std::uint32_t row[5] = {kColors[1], kColors[2], kColors[1], kColors[3], kColors[4]};
    for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(*image, x, 0), row[x]) << x;
}

TEST(BmpCodecTest, WritesBottomUp24BitFilesThatReadBack) {
    PixelImage source(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            std::uint8_t* p = source.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(10 * x), p[1] = static_cast<std::uint8_t>(100 + y),
            p[2] = 7;
        }
    }
    const Bytes file = EncodeBmp24(source.View());
    ASSERT_EQ(file.size(), 14u + 40u + 2 * 12u);  // 9 bytes a row, padded to 12
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2], file.size());
    EXPECT_EQ(file[10], 54);
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(file[30], 0);        // no compression
    EXPECT_EQ(file[54 + 1], 101);  // the first row in the file is the bottom one
    EXPECT_EQ(file[54 + 9], 0);    // padding
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeBmp(file, AllocateInto(image)));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(0, std::memcmp(image->View().Row(y), source.View().Row(y), 9)) << y;
    }
}

TEST(BmpCodecTest, ReadsAPackedDib) {
    BmpLayout s;
    s.bitCount = 8;
    s.palette.assign(kColors, kColors + 8);
    s.colorsUsed = 8;
    s.bits = PackRows(s, 8);
    const Bytes file = BuildBmp(s);
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeDib(std::span(file).subspan(14), AllocateInto(image)));
    EXPECT_EQ(PixelAt(*image, 4, 2), kColors[ReferenceIndex(4, 2, 8)]);
}

// Every hostile header is refused before a single pixel is allocated.
TEST(BmpCodecTest, RefusesHostileHeadersWithoutAllocating) {
    auto valid = [] {
        BmpLayout s;
        s.bits = Bytes(3 * 16, 0);
        return s;
    };
    struct Case {
        const char* name;
        Bytes file;
    };
    std::vector<Case> cases;
    auto add = [&](const char* name, auto change) {
        BmpLayout s = valid();
        change(s);
        cases.push_back({name, BuildBmp(s)});
    };
    add("width 0", [](BmpLayout& s) { s.width = 0; });
    add("height 0", [](BmpLayout& s) { s.height = 0; });
    add("negative width", [](BmpLayout& s) { s.width = -5; });
    add("width 65536", [](BmpLayout& s) { s.width = 65536, s.height = 1; });
    add("height -65536", [](BmpLayout& s) { s.width = 1, s.height = -65536; });
    add("height INT_MIN", [](BmpLayout& s) { s.height = INT32_MIN; });
    add("over 1 GiB", [](BmpLayout& s) { s.width = 65535, s.height = 65535; });
    add("pixels truncated", [](BmpLayout& s) { s.height = 100; });
    add("bit count 7", [](BmpLayout& s) { s.bitCount = 7; });
    add("bit count 0", [](BmpLayout& s) { s.bitCount = 0; });
    add("embedded JPEG", [](BmpLayout& s) { s.compression = 4; });
    add("RLE8 at 24 bits", [](BmpLayout& s) { s.compression = 1; });
    add("top-down RLE8", [](BmpLayout& s) { s.bitCount = 8, s.compression = 1, s.height = -3; });
    add("bit fields at 24 bits", [](BmpLayout& s) { s.compression = 3, s.masks = {1, 2, 4}; });
    add("unknown header size", [](BmpLayout& s) { s.headerSize = 44; });
    add("palette truncated",
        [](BmpLayout& s) { s.bitCount = 8, s.colorsUsed = 0xFFFFFFFF, s.bits.clear(); });
    cases.push_back({"empty", {}});
    cases.push_back({"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}});
    cases.push_back({"signature only", Bytes{'B', 'M'}});
    Bytes offBeyond = BuildBmp(valid());
    offBeyond[10] = 0xFF, offBeyond[11] = 0xFF;
    cases.push_back({"offset beyond the file", offBeyond});
    Bytes offInside = BuildBmp(valid());
    offInside[10] = 20;
    cases.push_back({"offset inside the header", offInside});
    Bytes cut = BuildBmp(valid());
    cut.resize(30);
    cases.push_back({"header cut", cut});

    for (const Case& c : cases) {
        int allocations = 0;
        const PixelAllocator allocate = [&](std::int32_t, std::int32_t) -> Bgr24View {
            ++allocations;
            return {};
        };
        EXPECT_FALSE(DecodeBmp(c.file, allocate)) << c.name;
        EXPECT_EQ(allocations, 0) << c.name;
    }
}

TEST(BmpCodecTest, LimitsAreConfigurable) {
    BmpLayout s;
    s.bits = PackRows(s, 8);
    std::optional<PixelImage> image;
    EXPECT_FALSE(DecodeBmp(BuildBmp(s), AllocateInto(image), DecodeLimits{4, 1 << 20}));
    EXPECT_FALSE(DecodeBmp(BuildBmp(s), AllocateInto(image), DecodeLimits{100, 40}));
    EXPECT_TRUE(DecodeBmp(BuildBmp(s), AllocateInto(image), DecodeLimits{5, 48}));
}

}  // namespace
}  // namespace tessera::codecs
