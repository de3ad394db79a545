#include "win/bitmap_operations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "win/clipboard.h"

namespace tessera::win {
namespace {

// A pattern in which every pixel differs from its mirror images.
void Paint(Bitmap& bitmap) {
    for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
        for (std::int32_t x = 0; x < bitmap.Width(); ++x) {
            std::uint8_t* p = bitmap.Bits() + y * bitmap.Stride() +
                              x * (bitmap.Format() == PixelFormat::Bgr24 ? 3 : 4);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>((x >> 8) | ((y >> 8) << 4) | 0x80);
        }
    }
}

std::uint32_t Pixel(const Bitmap& bitmap, std::int32_t x, std::int32_t y) {
    const std::uint8_t* p =
        bitmap.Bits() + y * bitmap.Stride() + x * (bitmap.Format() == PixelFormat::Bgr24 ? 3 : 4);
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

struct TurnCase {
    const char* name;
    std::function<bool(Bitmap&)> turn;
    bool exchanges;
    // Where the source pixel (x, y) of a w x h bitmap lands.
    std::function<std::pair<int, int>(int x, int y, int w, int h)> target;
};

const TurnCase kTurns[] = {
    {"Rotate90", Rotate90, true, [](int x, int y, int, int h) { return std::pair(h - 1 - y, x); }},
    {"Rotate270", Rotate270, true,
     [](int x, int y, int w, int) { return std::pair(y, w - 1 - x); }},
    {"Rotate180", Rotate180, false,
     [](int x, int y, int w, int h) { return std::pair(w - 1 - x, h - 1 - y); }},
    {"FlipHorizontal", FlipHorizontal, false,
     [](int x, int y, int w, int) { return std::pair(w - 1 - x, y); }},
    {"FlipVertical", FlipVertical, false,
     [](int x, int y, int, int h) { return std::pair(x, h - 1 - y); }},
};

TEST(BitmapOperationsTest, TurnsMovePixelsWhereTheNameSays) {
    for (const TurnCase& c : kTurns) {
        Bitmap bitmap(300, 200);
        Paint(bitmap);
        const Bitmap before = bitmap.Clone();
        ASSERT_TRUE(c.turn(bitmap)) << c.name;
        EXPECT_EQ(bitmap.Width(), c.exchanges ? 200 : 300) << c.name;
        EXPECT_EQ(bitmap.Height(), c.exchanges ? 300 : 200) << c.name;
        EXPECT_EQ(bitmap.Format(), PixelFormat::Bgr24) << c.name;
        int wrong = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 300; ++x) {
                const auto [tx, ty] = c.target(x, y, 300, 200);
                if (Pixel(bitmap, tx, ty) != Pixel(before, x, y)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST(BitmapOperationsTest, QuarterTurnsPutTheTopLeftPixelInTheRightCorner) {
    Bitmap bitmap(300, 200);
    Paint(bitmap);
    const std::uint32_t topLeft = Pixel(bitmap, 0, 0);
    ASSERT_TRUE(Rotate90(bitmap));
    EXPECT_EQ(Pixel(bitmap, 199, 0), topLeft);  // top-right corner
    Bitmap other(300, 200);
    Paint(other);
    ASSERT_TRUE(Rotate270(other));
    EXPECT_EQ(Pixel(other, 0, 299), topLeft);  // bottom-left corner
}

TEST(BitmapOperationsTest, HalfTurnKeepsTheFormatAndQuarterTurnGives24Bits) {
    Bitmap bitmap(30, 20, PixelFormat::Bgrx32);
    Paint(bitmap);
    const std::uint32_t topLeft = Pixel(bitmap, 0, 0);
    ASSERT_TRUE(Rotate180(bitmap));
    EXPECT_EQ(bitmap.Format(), PixelFormat::Bgrx32);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(Pixel(bitmap, 29, 19), topLeft);
    ASSERT_TRUE(Rotate90(bitmap));
    EXPECT_EQ(bitmap.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(bitmap.Width(), 20);
}

TEST(BitmapOperationsTest, FlippingTwiceGivesBackTheStartingPixels) {
    Bitmap bitmap(33, 17);  // rows with padding
    Paint(bitmap);
    const Bitmap before = bitmap.Clone();
    ASSERT_TRUE(FlipHorizontal(bitmap));
    EXPECT_NE(Pixel(bitmap, 0, 0), Pixel(before, 0, 0));
    ASSERT_TRUE(FlipHorizontal(bitmap));
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(0, std::memcmp(bitmap.Pixels().Row(y), before.Pixels().Row(y), 33 * 3));
}

TEST(BitmapOperationsTest, TurningAnEmptyBitmapFails) {
    Bitmap empty;
    EXPECT_FALSE(Rotate90(empty));
    EXPECT_FALSE(RotateFlipBitmap(empty, 2));
    Bitmap bitmap(2, 2);
    EXPECT_FALSE(RotateFlipBitmap(bitmap, 8));
}

TEST(BitmapOperationsTest, FillKeepsOrRestoresTheBrushColour) {
    Bitmap bitmap(4, 3);
    bitmap.SetBrushColor(MakeRgb(1, 1, 1));
    FillBitmap(bitmap, MakeRgb(200, 100, 50), false);
    EXPECT_EQ(bitmap.BrushColor(), MakeRgb(200, 100, 50));
    EXPECT_EQ(GetPixel(bitmap.Dc(), 3, 2), RGB(200, 100, 50));
    FillBitmap(bitmap, MakeRgb(7, 8, 9), true);
    EXPECT_EQ(bitmap.BrushColor(), MakeRgb(200, 100, 50));
    EXPECT_EQ(GetPixel(bitmap.Dc(), 0, 0), RGB(7, 8, 9));

    // A system-colour reference is kept as the brush colour and drawn as its value.
    FillRectColor(bitmap, Rect{1, 1, 3, 2}, kDesktopBackgroundRef, false);
    EXPECT_EQ(bitmap.BrushColor(), kDesktopBackgroundRef);
    EXPECT_EQ(GetPixel(bitmap.Dc(), 2, 1), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(GetPixel(bitmap.Dc(), 3, 1), RGB(7, 8, 9));  // right edge excluded
}

TEST(BitmapOperationsTest, SetBitmapSizeGivesFreshWhitePixels) {
    Bitmap bitmap(2, 2);
    SetBitmapSize(bitmap, 5, 4, PixelFormat::Bgr24);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(GetPixel(bitmap.Dc(), 4, 3), RGB(255, 255, 255));
    SetBitmapSize(bitmap, 6, 1, PixelFormat::Bgrx32);
    EXPECT_EQ(bitmap.Format(), PixelFormat::Bgrx32);
    SetBitmapSize(bitmap, 0, 0);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapOperationsTest, FitSizeAndFitInside) {
    EXPECT_EQ(FitSize(0, 100, 200, 200), (Size{0, 0}));
    EXPECT_EQ(FitSize(100, -1, 200, 200), (Size{0, 0}));
    EXPECT_EQ(FitSize(400, 100, 200, 200), (Size{200, 50}));
    EXPECT_EQ(FitSize(Size{100, 400}, Rect{10, 10, 210, 210}), (Size{50, 200}));
    Bitmap bitmap(400, 100);
    EXPECT_EQ(FitSize(bitmap, Rect{-100, 0, 100, 200}), (Size{200, 50}));
    EXPECT_EQ(FitSize(bitmap, 200, 200), (Size{200, 50}));
    EXPECT_EQ(FitInside(bitmap, 200, 200), (FitRect{0, 75, 200, 50}));
    EXPECT_EQ(FitInside(bitmap, 200, 101), (FitRect{0, 25, 200, 50}));  // div truncates
    Bitmap empty;
    EXPECT_EQ(FitInside(empty, 200, 200), (FitRect{}));
    Bitmap line(0, 5);
    EXPECT_EQ(FitInside(line, 200, 200), (FitRect{}));
}

// The clipboard tests put their image there themselves, as another program would.
class PasteTest : public ::testing::Test {
  protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        ClipboardSession session;
        ASSERT_TRUE(session.Opened());
        EmptyClipboard();
    }
    static void Put(UINT format, HANDLE data) {
        ClipboardSession session;
        ASSERT_TRUE(session.Opened());
        EmptyClipboard();
        ASSERT_TRUE(SetClipboardData(format, data));
    }
    static Bitmap Target() {
        Bitmap target(3, 3);
        FillBitmap(target, MakeRgb(1, 2, 3), true);
        return target;
    }
};

TEST_F(PasteTest, PastesACfBitmap) {
    Bitmap source(7, 5);
    Paint(source);
    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 7, 5);
    ReleaseDC(nullptr, screen);
    {
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.get(), ddb);
        BitBlt(dc.get(), 0, 0, 7, 5, source.Dc(), 0, 0, SRCCOPY);
    }
    Put(CF_BITMAP, ddb);
    Bitmap target = Target();
    ASSERT_TRUE(PasteBitmap(target));
    ASSERT_EQ(target.Width(), 7);
    ASSERT_EQ(target.Height(), 5);
    EXPECT_EQ(Pixel(target, 6, 4), Pixel(source, 6, 4));
    EXPECT_EQ(Pixel(target, 3, 0), Pixel(source, 3, 0));
}

TEST_F(PasteTest, PastesACfDibWithAPalette) {
    // A bottom-up 2 x 2 DIB at 8 bits per pixel: indices 1 2 / 0 1 from the top.
    const std::size_t size = sizeof(BITMAPINFOHEADER) + 3 * 4 + 2 * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(memory));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(bytes);
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = 2;
    header->biHeight = 2;
    header->biPlanes = 1;
    header->biBitCount = 8;
    header->biClrUsed = 3;
    std::uint8_t* palette = bytes + sizeof(BITMAPINFOHEADER);
    palette[4 + 2] = 255;  // entry 1 red
    palette[8 + 1] = 255;  // entry 2 green
    std::uint8_t* rows = palette + 12;
    rows[0] = 0, rows[1] = 1;  // bottom row
    rows[4] = 1, rows[5] = 2;  // top row
    GlobalUnlock(memory);
    Put(CF_DIB, memory);
    Bitmap target = Target();
    ASSERT_TRUE(PasteBitmap(target));
    ASSERT_EQ(target.Width(), 2);
    EXPECT_EQ(GetPixel(target.Dc(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 0, 1), RGB(0, 0, 0));
}

TEST_F(PasteTest, LeavesTheTargetAloneWithoutAReadableImage) {
    Bitmap target = Target();
    EXPECT_FALSE(PasteBitmap(target));  // empty clipboard

    const wchar_t text[] = L"壁紙";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    Put(CF_UNICODETEXT, memory);
    EXPECT_FALSE(PasteBitmap(target));

    HGLOBAL broken = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER));
    static_cast<BITMAPINFOHEADER*>(GlobalLock(broken))->biSize = sizeof(BITMAPINFOHEADER);
    GlobalUnlock(broken);  // width 0, no pixels
    Put(CF_DIB, broken);
    EXPECT_FALSE(PasteBitmap(target));

    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(GetPixel(target.Dc(), 2, 2), RGB(1, 2, 3));
}

TEST_F(PasteTest, CopiedBitmapsPasteBack) {
    Bitmap source(9, 4);
    Paint(source);
    ASSERT_TRUE(PutBitmapOnClipboard(source));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    Bitmap target;
    target.SetTransparent(true, MakeRgb(1, 1, 1));
    ASSERT_TRUE(PasteBitmap(target));
    EXPECT_FALSE(target.Transparent());
    EXPECT_EQ(target.Width(), 9);
    EXPECT_EQ(Pixel(target, 8, 3), Pixel(source, 8, 3));
    EXPECT_FALSE(PutBitmapOnClipboard(Bitmap()));
}

}  // namespace
}  // namespace tessera::win
