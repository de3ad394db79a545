#include "win/image_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "win/bitmap_operations.h"

namespace tessera::win {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ImageFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ =
            std::wstring(temp) + L"tessera_image_files_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::wstring& name : Files()) {
            SetFileAttributesW(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(Path(name).c_str());
        }
        RemoveDirectoryW((folder_ + L"\\dir.bmp").c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    std::set<std::wstring> Files() const {
        std::set<std::wstring> names;
        WIN32_FIND_DATAW data;
        UniqueFind find(FindFirstFileW((folder_ + L"\\*").c_str(), &data));
        if (!find) return names;
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(data.cFileName);
        } while (FindNextFileW(find.get(), &data));
        return names;
    }
    Bytes Content(const std::wstring& name) const {
        std::ifstream in(Path(name).c_str(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Put(const std::wstring& name, const Bytes& bytes) const {
        std::ofstream out(Path(name).c_str(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    static Bitmap Picture(std::int32_t width = 6, std::int32_t height = 4) {
        Bitmap bitmap(width, height);
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                std::uint8_t* p = bitmap.Pixels().At(x, y);
                p[0] = static_cast<std::uint8_t>(40 * x), p[1] = static_cast<std::uint8_t>(60 * y),
                p[2] = 90;
            }
        }
        return bitmap;
    }
    static bool SamePixels(const Bitmap& a, const Bitmap& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
        for (std::int32_t y = 0; y < a.Height(); ++y) {
            if (std::memcmp(a.Pixels().Row(y), b.Pixels().Row(y),
                            static_cast<std::size_t>(a.Width()) * 3))
                return false;
        }
        return true;
    }

    std::wstring folder_;
};

TEST_F(ImageFilesTest, RoundTripsEveryWrittenFormatByUnicodeName) {
    const Bitmap picture = Picture();
    for (const wchar_t* name : {L"壁紙.bmp", L"写真.jpeg", L"絵.gif"}) {
        ASSERT_TRUE(SaveImageFile(picture, Path(name))) << name;
        Bitmap loaded;
        ASSERT_TRUE(LoadImageFile(loaded, Path(name))) << name;
        ASSERT_EQ(loaded.Width(), 6);
        ASSERT_EQ(loaded.Height(), 4);
        if (std::wstring(name).ends_with(L".jpeg")) {
            EXPECT_NEAR(loaded.Pixels().At(5, 3)[0], 200, 24);
        } else {
            EXPECT_TRUE(SamePixels(loaded, picture)) << name;
        }
    }
    EXPECT_EQ(Files(), (std::set<std::wstring>{L"壁紙.bmp", L"写真.jpeg", L"絵.gif"}));
}

TEST_F(ImageFilesTest, LoadingFollowsTheExtensionAndFailsWithoutChanges) {
    const Bitmap picture = Picture();
    ASSERT_TRUE(SaveBitmapAsBmp(picture, Path(L"real.bmp")));
    Put(L"photo.PNG", Content(L"real.bmp"));  // a BMP under another extension
    Put(L"text.bmp", Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    Put(L"text.jpg", Bytes{'n', 'o'});
    Put(L"text.gif", Bytes{'G', 'I', 'F'});
    CreateDirectoryW(Path(L"dir.bmp").c_str(), nullptr);
    Bitmap target(3, 2);
    FillBitmap(target, MakeRgb(1, 2, 3), false);
    for (const wchar_t* name :
         {L"photo.PNG", L"missing.bmp", L"dir.bmp", L"text.bmp", L"text.jpg", L"text.gif"}) {
        EXPECT_FALSE(LoadImageFile(target, Path(name))) << name;
    }
    EXPECT_FALSE(LoadBmpToBitmap(target, Path(L"missing.bmp")));
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(GetPixel(target.Dc(), 2, 1), RGB(1, 2, 3));

    // A successful load keeps the target's brush colour (canvas state).
    ASSERT_TRUE(LoadImageFile(target, Path(L"real.bmp")));
    EXPECT_TRUE(SamePixels(target, picture));
    EXPECT_EQ(target.BrushColor(), MakeRgb(1, 2, 3));
}

TEST_F(ImageFilesTest, WritersNameTheirFilesByTheExtensionRules) {
    const Bitmap picture = Picture();
    EXPECT_FALSE(SaveImageFile(picture, Path(L"out.png")));
    EXPECT_FALSE(SaveImageFile(picture, Path(L"out.tif")));
    EXPECT_FALSE(SaveImageFile(picture, Path(L"out.ico")));
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(SaveImageFile(picture, Path(L"pic.jpg")));
    EXPECT_TRUE(SaveImageFile(picture, Path(L"PIC2.JPEG")));
    EXPECT_TRUE(SaveBitmapAsBmp(picture, Path(L"plain")));
    EXPECT_TRUE(SaveBitmapAsBmp(picture, Path(L"pic.png")));
    EXPECT_TRUE(SaveBitmapAsGif(picture, Path(L"anim")));
    EXPECT_TRUE(SaveBitmapAsJpeg(picture, Path(L"pic.bmp"), 80));
    EXPECT_EQ(Files(), (std::set<std::wstring>{L"pic.jpeg", L"PIC2.JPEG", L"plain.bmp",
                                               L"pic.png.bmp", L"anim.gif", L"pic.bmp.jpeg"}));
}

TEST_F(ImageFilesTest, EmptyBitmapsAreNotWrittenButSucceed) {
    Bitmap empty;
    empty.Reset(0, 5);
    EXPECT_TRUE(SaveImageFile(empty, Path(L"e.bmp")));
    EXPECT_TRUE(SaveImageFile(empty, Path(L"e.jpg")));
    EXPECT_TRUE(SaveImageFile(empty, Path(L"e.gif")));
    EXPECT_TRUE(SaveBitmapAsTransparentGif(empty, Path(L"t.gif"), 0));
    EXPECT_TRUE(Files().empty());
}

TEST_F(ImageFilesTest, A32BitBitmapIsWrittenWith24Bits) {
    Bitmap wide(5, 3, PixelFormat::Bgrx32);
    wide.Bits()[0] = 0x11;
    ASSERT_TRUE(SaveBitmapAsBmp(wide, Path(L"wide.bmp")));
    const Bytes file = Content(L"wide.bmp");
    ASSERT_EQ(file.size(), 54u + 3 * 16);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(file[54 + 2 * 16], 0x11);  // the top row is last in the file
}

TEST_F(ImageFilesTest, JpegQualityIsClamped) {
    const Bitmap picture = Picture(40, 30);
    ASSERT_TRUE(SaveBitmapAsJpeg(picture, Path(L"q0"), 0));
    ASSERT_TRUE(SaveBitmapAsJpeg(picture, Path(L"q1"), 1));
    ASSERT_TRUE(SaveBitmapAsJpeg(picture, Path(L"q150"), 150));
    ASSERT_TRUE(SaveBitmapAsJpeg(picture, Path(L"q100"), 100));
    EXPECT_EQ(Content(L"q0.jpeg"), Content(L"q1.jpeg"));
    EXPECT_EQ(Content(L"q150.jpeg"), Content(L"q100.jpeg"));
    EXPECT_NE(Content(L"q1.jpeg"), Content(L"q100.jpeg"));
}

TEST_F(ImageFilesTest, SavingOverALargerFileLeavesExactlyTheNewImage) {
    Put(L"over.bmp", Bytes(100000, 0xAB));
    ASSERT_TRUE(SaveImageFile(Picture(), Path(L"over.bmp")));
    EXPECT_EQ(Content(L"over.bmp").size(), 54u + 4 * 20);
}

// A writer that fails half-way keeps the old file and leaves no temporary file behind.
TEST_F(ImageFilesTest, AFailedWriteLeavesTheOldFileIntact) {
    const Bytes old{'o', 'l', 'd'};
    for (const wchar_t* name : {L"keep.bmp", L"keep.jpeg", L"keep.gif"}) Put(name, old);
    // Neither JPEG nor GIF can hold 70,000 columns: the encoders fail after starting.
    const Bitmap tooWide(70000, 1);
    EXPECT_FALSE(SaveImageFile(tooWide, Path(L"keep.jpeg")));
    EXPECT_FALSE(SaveImageFile(tooWide, Path(L"keep.gif")));
    // A read-only target cannot be replaced.
    SetFileAttributesW(Path(L"keep.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveImageFile(Picture(), Path(L"keep.bmp")));
    for (const wchar_t* name : {L"keep.bmp", L"keep.jpeg", L"keep.gif"})
        EXPECT_EQ(Content(name), old) << name;
    EXPECT_EQ(Files(), (std::set<std::wstring>{L"keep.bmp", L"keep.jpeg", L"keep.gif"}));
    EXPECT_FALSE(SaveImageFile(Picture(), Path(L"missing\\x.bmp")));
}

TEST_F(ImageFilesTest, TransparencyTravelsThroughGifFiles) {
    Bitmap picture = Picture();
    const Color key = MakeRgb(90, 60, 40);  // the pixel at (1, 1)
    picture.SetTransparent(true, key);
    ASSERT_TRUE(SaveImageFile(picture, Path(L"t.gif")));
    Bitmap loaded;
    ASSERT_TRUE(LoadImageFile(loaded, Path(L"t.gif")));
    EXPECT_TRUE(loaded.Transparent());
    EXPECT_EQ(loaded.TransparentColor(), key);
    EXPECT_TRUE(SamePixels(loaded, picture));

    ASSERT_TRUE(SaveBitmapAsTransparentGif(Picture(), Path(L"t2"), kDesktopBackgroundRef));
    ASSERT_TRUE(LoadGifToBitmap(loaded, Path(L"t2.gif")));
    EXPECT_EQ(loaded.TransparentColor(), GetSysColor(COLOR_BACKGROUND));
    ASSERT_TRUE(LoadImageFile(loaded, Path(L"t2.gif")));
    ASSERT_TRUE(SaveImageFile(Picture(), Path(L"plain.bmp")));
    ASSERT_TRUE(LoadImageFile(loaded, Path(L"plain.bmp")));
    EXPECT_FALSE(loaded.Transparent());
}

// A 16 x 16 icon file at 32 bits per pixel, one colour, its top row transparent.
Bytes IconFile(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Bytes file{0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0};
    const std::uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    for (int i = 0; i < 4; ++i) file.push_back((imageSize >> (8 * i)) & 0xFF);
    file.insert(file.end(), {22, 0, 0, 0});
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = 16;
    header.biHeight = 32;  // colour and mask
    header.biPlanes = 1;
    header.biBitCount = 32;
    const auto* h = reinterpret_cast<const std::uint8_t*>(&header);
    file.insert(file.end(), h, h + 40);
    // Rows run bottom-up: the last row of the colours and of the mask is the top one.
    for (int i = 0; i < 256; ++i)
        file.insert(file.end(), {b, g, r, static_cast<std::uint8_t>(i < 240 ? 255 : 0)});
    file.insert(file.end(), 15 * 4, 0);
    file.insert(file.end(), {0xFF, 0xFF, 0, 0});
    return file;
}

TEST_F(ImageFilesTest, LoadsIconsAtTheirOwnSize) {
    Put(L"app.ico", IconFile(200, 30, 40));
    Bitmap bitmap(16, 16);  // already the icon's size, black
    bitmap.SetTransparent(true, 0);
    ASSERT_TRUE(LoadImageFile(bitmap, Path(L"app.ico")));
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.Format(), PixelFormat::Bgr24);
    EXPECT_FALSE(bitmap.Transparent());
    EXPECT_EQ(GetPixel(bitmap.Dc(), 15, 15), RGB(200, 30, 40));
    EXPECT_EQ(GetPixel(bitmap.Dc(), 7, 0),
              RGB(255, 255, 255));  // transparent: a fresh white canvas
    Put(L"broken.ico", Bytes{0, 0, 1, 0});
    EXPECT_FALSE(LoadImageFile(bitmap, Path(L"broken.ico")));
}

}  // namespace
}  // namespace tessera::win
