#include "core/codecs/gif_codec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include <gif_lib.h>

namespace tessera::codecs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One frame on a logical screen, written with giflib.
struct GifSpec {
    int screenWidth = 4;
    int screenHeight = 4;
    bool gif89 = true;
    std::vector<Color> colors;  // the global map, a power of two long
    int background = 0;
    int left = 0, top = 0, width = 4, height = 4;
    bool interlaced = false;
    int transparentIndex = -1;
    std::vector<GifPixelType> indices;  // frame rows top to bottom
};

int WriteTo(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

Bytes BuildGif(const GifSpec& s) {
    std::vector<GifColorType> entries;
    for (const Color c : s.colors) entries.push_back({RedOf(c), GreenOf(c), BlueOf(c)});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteTo, &error);
    EGifSetGifVersion(gif, s.gif89);
    EGifPutScreenDesc(gif, s.screenWidth, s.screenHeight, 8, s.background, map);
    if (s.transparentIndex >= 0) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, s.transparentIndex};
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
    }
    EGifPutImageDesc(gif, s.left, s.top, s.width, s.height, s.interlaced, nullptr);
    std::vector<int> order;
    if (s.interlaced) {
        for (int y = 0; y < s.height; y += 8) order.push_back(y);
        for (int y = 4; y < s.height; y += 8) order.push_back(y);
        for (int y = 2; y < s.height; y += 4) order.push_back(y);
        for (int y = 1; y < s.height; y += 2) order.push_back(y);
    } else {
        for (int y = 0; y < s.height; ++y) order.push_back(y);
    }
    for (const int y : order) {
        std::vector<GifPixelType> line(s.indices.begin() + y * s.width,
                                       s.indices.begin() + (y + 1) * s.width);
        EGifPutLine(gif, line.data(), s.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

Color PixelAt(const PixelImage& image, int x, int y) {
    const std::uint8_t* p = image.View().At(x, y);
    return MakeRgb(p[2], p[1], p[0]);
}

const std::vector<Color> kFour = {MakeRgb(255, 0, 0), MakeRgb(0, 255, 0), MakeRgb(0, 0, 255),
                                  MakeRgb(9, 9, 9)};

TEST(GifCodecTest, DecodesAnInterlacedGif87aFrame) {
    GifSpec s;
    s.gif89 = false;
    s.colors = kFour;
    s.screenWidth = 3;
    s.screenHeight = 10;
    s.width = 3;
    s.height = 10;
    s.interlaced = true;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 3; ++x) s.indices.push_back(static_cast<GifPixelType>((y + x) % 4));
    }
    const Bytes file = BuildGif(s);
    ASSERT_EQ(std::string(file.begin(), file.begin() + 6), "GIF87a");
    std::optional<PixelImage> image;
    std::optional<Color> transparent = MakeRgb(1, 2, 3);
    ASSERT_TRUE(DecodeGif(file, AllocateInto(image), {}, &transparent));
    EXPECT_FALSE(transparent);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(*image, x, y), kFour[(y + x) % 4]) << x << "," << y;
    }
}

// The frame sits inside the logical screen; the rest of the screen and the transparent
// pixels take the transparent entry's colour.
TEST(GifCodecTest, DrawsTheFirstFrameOnItsScreenWithTransparency) {
    GifSpec s;
    s.colors = kFour;
    s.screenWidth = 5;
    s.screenHeight = 4;
    s.left = 1, s.top = 2, s.width = 3, s.height = 2;
    s.transparentIndex = 3;
    s.indices = {0, 3, 1, 2, 2, 3};
    std::optional<PixelImage> image;
    std::optional<Color> transparent;
    ASSERT_TRUE(DecodeGif(BuildGif(s), AllocateInto(image), {}, &transparent));
    ASSERT_EQ(image->Width(), 5);
    ASSERT_EQ(image->Height(), 4);
    ASSERT_EQ(transparent, kFour[3]);
    EXPECT_EQ(PixelAt(*image, 0, 0), kFour[3]);
    EXPECT_EQ(PixelAt(*image, 1, 2), kFour[0]);
    EXPECT_EQ(PixelAt(*image, 2, 2), kFour[3]);
    EXPECT_EQ(PixelAt(*image, 3, 2), kFour[1]);
    EXPECT_EQ(PixelAt(*image, 3, 3), kFour[3]);
    EXPECT_EQ(PixelAt(*image, 4, 3), kFour[3]);

    s.transparentIndex = -1;
    s.background = 2;  // without transparency the screen shows the background colour
    ASSERT_TRUE(DecodeGif(BuildGif(s), AllocateInto(image), {}, &transparent));
    EXPECT_FALSE(transparent);
    EXPECT_EQ(PixelAt(*image, 0, 0), kFour[2]);
    EXPECT_EQ(PixelAt(*image, 2, 2), kFour[3]);
}

TEST(GifCodecTest, RefusesHostileScreensWithoutAllocating) {
    GifSpec wide;
    wide.colors = kFour;
    wide.screenWidth = 65535;
    wide.screenHeight = 65535;  // 12 GiB decoded
    wide.width = wide.height = 1;
    wide.indices = {0};
    GifSpec reaching = wide;
    reaching.screenWidth = reaching.screenHeight = 2;
    reaching.left = 65535;  // the frame ends past 65,535 columns
    Bytes noMap = BuildGif(reaching);
    std::vector<Bytes> files = {BuildGif(wide), BuildGif(reaching),
                                Bytes{'G', 'I', 'F', '8', '9', 'a'}, Bytes{'n', 'o', 'p', 'e'},
                                Bytes{}};
    for (const Bytes& file : files) {
        int allocations = 0;
        const PixelAllocator allocate = [&](std::int32_t, std::int32_t) -> Bgr24View {
            ++allocations;
            return {};
        };
        EXPECT_FALSE(DecodeGif(file, allocate));
        EXPECT_EQ(allocations, 0);
    }
}

// Reads the palette and indices of a file the encoder wrote.
struct Decoded {
    std::string version;
    std::vector<Color> palette;
    int transparentIndex = -1;
    std::vector<GifPixelType> indices;
};

int ReadFrom(GifFileType* gif, GifByteType* buffer, int length) {
    auto* in = static_cast<std::pair<const Bytes*, std::size_t>*>(gif->UserData);
    const int count = std::min<int>(length, static_cast<int>(in->first->size() - in->second));
    std::memcpy(buffer, in->first->data() + in->second, count);
    in->second += count;
    return count;
}

Decoded Inspect(const Bytes& file) {
    std::pair<const Bytes*, std::size_t> in{&file, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&in, ReadFrom, &error);
    Decoded d;
    if (!gif || DGifSlurp(gif) == GIF_ERROR || gif->ImageCount < 1) return d;
    d.version = std::string(file.begin(), file.begin() + 6);
    for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
        const GifColorType& c = gif->SColorMap->Colors[i];
        d.palette.push_back(MakeRgb(c.Red, c.Green, c.Blue));
    }
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK)
        d.transparentIndex = control.TransparentColor;
    const SavedImage& frame = gif->SavedImages[0];
    d.indices.assign(frame.RasterBits,
                     frame.RasterBits + frame.ImageDesc.Width * frame.ImageDesc.Height);
    DGifCloseFile(gif, &error);
    return d;
}

TEST(GifCodecTest, KeepsUpTo256ColoursExactly) {
    PixelImage source(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            std::uint8_t* p = source.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(x * 16), p[1] = static_cast<std::uint8_t>(y * 16),
            p[2] = 77;
        }
    }
    const auto file = EncodeGif(source.View());
    ASSERT_TRUE(file);
    EXPECT_EQ(Inspect(*file).version, "GIF89a");
    EXPECT_EQ(Inspect(*file).transparentIndex, -1);
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeGif(*file, AllocateInto(image)));
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(0, std::memcmp(image->View().Row(y), source.View().Row(y), 16 * 3)) << y;
    }
}

// Beyond 256 colours every pixel takes the palette colour nearest to it: no dithering.
TEST(GifCodecTest, MapsEveryPixelToTheNearestPaletteColour) {
    PixelImage source(64, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            std::uint8_t* p = source.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(x * 4), p[1] = static_cast<std::uint8_t>(y * 5),
            p[2] = static_cast<std::uint8_t>((x * y) % 256);
        }
    }
    const auto file = EncodeGif(source.View());
    ASSERT_TRUE(file);
    const Decoded d = Inspect(*file);
    ASSERT_EQ(d.palette.size(), 256u);
    auto distance = [](Color a, Color b) {
        const int r = RedOf(a) - RedOf(b), g = GreenOf(a) - GreenOf(b), bl = BlueOf(a) - BlueOf(b);
        return r * r + g * g + bl * bl;
    };
    int mismatches = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t* p = source.View().At(x, y);
            const Color c = MakeRgb(p[2], p[1], p[0]);
            int best = distance(c, d.palette[0]);
            for (const Color entry : d.palette) best = std::min(best, distance(c, entry));
            if (distance(c, d.palette[d.indices[y * 64 + x]]) != best) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GifCodecTest, TransparentColourGetsItsOwnEntry) {
    PixelImage source(20, 20);  // 400 colours, one of them the transparent one
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            std::uint8_t* p = source.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(x * 12), p[1] = static_cast<std::uint8_t>(y * 12),
            p[2] = 1;
        }
    }
    const Color key = MakeRgb(1, 12, 24);  // the pixel at (2, 1)
    const auto file = EncodeGif(source.View(), key);
    ASSERT_TRUE(file);
    const Decoded d = Inspect(*file);
    ASSERT_GE(d.transparentIndex, 0);
    EXPECT_EQ(d.palette[d.transparentIndex], key);
    for (std::size_t i = 0; i < d.indices.size(); ++i) {
        EXPECT_EQ(d.indices[i] == d.transparentIndex, i == 1 * 20 + 2) << i;
    }
    std::optional<PixelImage> image;
    std::optional<Color> transparent;
    ASSERT_TRUE(DecodeGif(*file, AllocateInto(image), {}, &transparent));
    EXPECT_EQ(transparent, key);
    EXPECT_EQ(PixelAt(*image, 2, 1), key);

    PixelImage plain(2, 1);  // a transparent colour the image does not use still gets an entry
    const Decoded p = Inspect(*EncodeGif(plain.View(), MakeRgb(255, 0, 255)));
    ASSERT_GE(p.transparentIndex, 0);
    EXPECT_EQ(p.palette[p.transparentIndex], MakeRgb(255, 0, 255));
    EXPECT_EQ(p.indices, (std::vector<GifPixelType>{0, 0}));
}

TEST(GifCodecTest, RefusesImagesAGifCannotHold) {
    EXPECT_FALSE(EncodeGif(Bgr24View{}));
    PixelImage wide(65536, 1);
    EXPECT_FALSE(EncodeGif(wide.View()));
}

}  // namespace
}  // namespace tessera::codecs
