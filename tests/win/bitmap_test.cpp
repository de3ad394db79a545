#include "win/bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessera::win {
namespace {

TEST(BitmapTest, IsATopDownDibSectionSelectedIntoItsCanvas) {
    Bitmap bitmap(5, 3);
    ASSERT_EQ(bitmap.Width(), 5);
    ASSERT_EQ(bitmap.Height(), 3);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap.Handle(), sizeof section, &section),
              static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBmih.biBitCount, 24);
    EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_BITMAP), bitmap.Handle());
    EXPECT_EQ(bitmap.Pixels().stride, 16);
    EXPECT_EQ(bitmap.BrushColor(), kWhite);

    // GDI drawing and the pixel view see the same memory: the view is top-down BGR.
    SetPixelV(bitmap.Dc(), 4, 0, RGB(10, 20, 30));
    const std::uint8_t* p = bitmap.Pixels().At(4, 0);
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    bitmap.Pixels().At(0, 2)[2] = 200;
    EXPECT_EQ(GetPixel(bitmap.Dc(), 0, 2), RGB(200, 0, 0));
}

TEST(BitmapTest, MovesHandOverTheCanvasAndFreeTheSectionOnce) {
    Bitmap first(4, 4);
    first.SetBrushColor(MakeRgb(1, 2, 3));
    first.SetTransparent(true, MakeRgb(9, 9, 9));
    const HBITMAP section = first.Handle();
    Bitmap second(std::move(first));
    EXPECT_TRUE(first.Empty());
    EXPECT_EQ(second.Handle(), section);
    EXPECT_EQ(second.BrushColor(), MakeRgb(1, 2, 3));
    EXPECT_TRUE(second.Transparent());
    second = Bitmap(2, 2);
    EXPECT_EQ(GetObjectType(section), 0u);  // the old section was deleted
    first.Reset(3, 1);                      // a moved-from bitmap is usable again
    EXPECT_EQ(first.Pixels().width, 3);
}

TEST(BitmapTest, ClonesAndConvertsFormats) {
    Bitmap wide(3, 2, PixelFormat::Bgrx32);
    EXPECT_THROW(wide.Pixels(), std::logic_error);
    wide.Bits()[4 * 2 + wide.Stride()] = 77;  // blue of (2, 1)
    wide.SetBrushColor(MakeRgb(5, 6, 7));
    Bitmap copy = wide.Clone();
    EXPECT_NE(copy.Handle(), wide.Handle());
    EXPECT_EQ(copy.Format(), PixelFormat::Bgrx32);
    copy.ConvertTo24();
    EXPECT_EQ(copy.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(copy.Pixels().At(2, 1)[0], 77);
    EXPECT_EQ(copy.BrushColor(), MakeRgb(5, 6, 7));
}

TEST(BitmapTest, EmptyAndInvalidSizes) {
    Bitmap empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(empty.Pixels().Empty());
    EXPECT_NE(empty.Dc(), nullptr);
    empty.Reset(0, 7);
    EXPECT_EQ(empty.Height(), 7);
    EXPECT_TRUE(empty.Empty());
    EXPECT_THROW(empty.Reset(-1, 1), std::range_error);
    EXPECT_THROW(empty.Reset(0x7FFFFFFF, 0x7FFFFFFF), std::overflow_error);
}

TEST(BitmapTest, ResolvesSystemColourReferences) {
    EXPECT_EQ(ResolveColor(MakeRgb(1, 2, 3)), MakeRgb(1, 2, 3));
    EXPECT_EQ(ResolveColor(kDesktopBackgroundRef), GetSysColor(COLOR_BACKGROUND));
}

}  // namespace
}  // namespace tessera::win
