#include "core/codecs/jpeg_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tessera::codecs {
namespace {

PixelImage Gradient(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / (width - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (height - 1));
            p[2] = 200;
        }
    }
    return image;
}

TEST(JpegCodecTest, RoundTripKeepsSizeAndColours) {
    const PixelImage source = Gradient(37, 23);  // not a multiple of the 8x8 blocks
    const auto file = EncodeJpeg(source.View(), 95);
    ASSERT_TRUE(file);
    EXPECT_EQ((*file)[0], 0xFF);
    EXPECT_EQ((*file)[1], 0xD8);
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeJpeg(*file, AllocateInto(image)));
    ASSERT_EQ(image->Width(), 37);
    ASSERT_EQ(image->Height(), 23);
    int worst = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) {
            for (int c = 0; c < 3; ++c) {
                worst = std::max(worst,
                                 std::abs(image->View().At(x, y)[c] - source.View().At(x, y)[c]));
            }
        }
    }
    EXPECT_LE(worst, 12);
}

TEST(JpegCodecTest, QualityIsClampedToOneToHundred) {
    EXPECT_EQ(ClampJpegQuality(0), 1);
    EXPECT_EQ(ClampJpegQuality(-7), 1);
    EXPECT_EQ(ClampJpegQuality(150), 100);
    EXPECT_EQ(ClampJpegQuality(55), 55);
    const PixelImage source = Gradient(64, 64);
    EXPECT_EQ(EncodeJpeg(source.View(), 0), EncodeJpeg(source.View(), 1));
    EXPECT_EQ(EncodeJpeg(source.View(), 150), EncodeJpeg(source.View(), 100));
    EXPECT_LT(EncodeJpeg(source.View(), 1)->size(), EncodeJpeg(source.View(), 100)->size());
}

TEST(JpegCodecTest, RefusesGarbageAndHugeFramesWithoutAllocating) {
    auto file = *EncodeJpeg(Gradient(16, 16).View(), 80);
    // The SOF0 marker holds the height and width; a claimed 65500 x 65500 frame would
    // need 12 GiB.
    std::size_t sof = 2;
    while (!(file[sof] == 0xFF && file[sof + 1] == 0xC0)) ++sof;
    file[sof + 5] = 0xFF, file[sof + 6] = 0xDC, file[sof + 7] = 0xFF, file[sof + 8] = 0xDC;
    const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    for (const auto& bytes :
         {file, text, std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xFF, 0xD8}}) {
        int allocations = 0;
        const PixelAllocator allocate = [&](std::int32_t, std::int32_t) -> Bgr24View {
            ++allocations;
            return {};
        };
        EXPECT_FALSE(DecodeJpeg(bytes, allocate));
        EXPECT_EQ(allocations, 0);
    }
}

// Adobe CMYK files (stored inverted) decode to their RGB colour.
std::vector<std::uint8_t> CmykJpeg(const std::uint8_t cmyk[4]) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row;
    for (int i = 0; i < 8; ++i) row.insert(row.end(), cmyk, cmyk + 4);
    while (info.next_scanline < 8) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

TEST(JpegCodecTest, DecodesAdobeCmyk) {
    const std::uint8_t magenta[4] = {255, 0, 255,
                                     255};  // inverted: no cyan, full magenta, no yellow, no black
    std::optional<PixelImage> image;
    ASSERT_TRUE(DecodeJpeg(CmykJpeg(magenta), AllocateInto(image)));
    const std::uint8_t* p = image->View().At(3, 3);
    EXPECT_NEAR(p[2], 255, 3);
    EXPECT_NEAR(p[1], 0, 3);
    EXPECT_NEAR(p[0], 255, 3);
}

}  // namespace
}  // namespace tessera::codecs
