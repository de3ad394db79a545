#include "core/codecs/image_format.h"

#include <gtest/gtest.h>

namespace tessera::codecs {
namespace {

TEST(ImageFormatTest, ExtensionIsTheLastDotOfTheFileName) {
    EXPECT_EQ(LowerExtension(L"C:\\pics\\Photo.JPG"), L".jpg");
    EXPECT_EQ(LowerExtension(L"C:\\pics.d\\photo"), L"");
    EXPECT_EQ(LowerExtension(L"a.b/photo"), L"");
    EXPECT_EQ(LowerExtension(L"C:photo"), L"");
    EXPECT_EQ(LowerExtension(L"archive.tar.GZ"), L".gz");
    EXPECT_EQ(LowerExtension(L"写真.ＢＭＰ"), L".ＢＭＰ");  // only ASCII letters are folded
}

TEST(ImageFormatTest, FormatFollowsTheExtensionOnly) {
    EXPECT_EQ(FormatOfPath(L"x.bmp"), ImageFormat::Bmp);
    EXPECT_EQ(FormatOfPath(L"x.JPEG"), ImageFormat::Jpeg);
    EXPECT_EQ(FormatOfPath(L"x.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(FormatOfPath(L"x.Gif"), ImageFormat::Gif);
    EXPECT_EQ(FormatOfPath(L"x.ico"), ImageFormat::Icon);
    for (const wchar_t* other : {L"photo.PNG", L"x.tif", L"x.tiff", L"x", L"x.bmp.txt", L"x.jpe"}) {
        EXPECT_EQ(FormatOfPath(other), ImageFormat::Unknown) << other;
    }
}

TEST(ImageFormatTest, WritersNameTheirFiles) {
    EXPECT_EQ(BmpFileName(L"pic"), L"pic.bmp");
    EXPECT_EQ(BmpFileName(L"pic.png"), L"pic.png.bmp");
    EXPECT_EQ(BmpFileName(L"PIC.BMP"), L"PIC.BMP");
    EXPECT_EQ(GifFileName(L"a.b\\pic"), L"a.b\\pic.gif");
    EXPECT_EQ(GifFileName(L"pic.GIF"), L"pic.GIF");
    EXPECT_EQ(JpegFileName(L"pic.jpg"), L"pic.jpeg");
    EXPECT_EQ(JpegFileName(L"pic.JPG"), L"pic.jpeg");
    EXPECT_EQ(JpegFileName(L"PIC.JPEG"), L"PIC.JPEG");
    EXPECT_EQ(JpegFileName(L"pic.bmp"), L"pic.bmp.jpeg");
    EXPECT_EQ(JpegFileName(L"pic"), L"pic.jpeg");
}

}  // namespace
}  // namespace tessera::codecs
