#include "win/icons.h"

#include <gtest/gtest.h>

#include <fstream>

#include "win/bitmap_operations.h"
#include "support/scratch_folder.h"

namespace tessera::win {
namespace {

std::wstring Notepad() {
    wchar_t folder[MAX_PATH];
    GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\notepad.exe";
}

// A file of a type nobody registered; the test program has no icon of its own to fall
// back on.
class UnknownFile {
  public:
    UnknownFile() {
        path_ = testing::UniqueTempFolder(L"tessera_icon_test") + L".tessera-unknown";
        std::ofstream(path_.c_str()) << "x";
    }
    ~UnknownFile() { DeleteFileW(path_.c_str()); }
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

TEST(IconsTest, GetsTheIconOfAProgramOnce) {
    UniqueIcon icon;
    GetAssociatedIcon(icon, Notepad());
    ASSERT_TRUE(icon);
    const HICON first = icon.get();
    GetAssociatedIcon(icon, L"C:\\elsewhere.exe");  // an icon already there stays
    EXPECT_EQ(icon.get(), first);
}

TEST(IconsTest, DrawsTheIconAtTheSystemIconSizeOnTheBackground) {
    Bitmap bitmap(2, 2);
    ASSERT_TRUE(DrawFileIcon(bitmap, Notepad(), MakeRgb(1, 2, 3)));
    EXPECT_EQ(bitmap.Width(), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(bitmap.Height(), GetSystemMetrics(SM_CYICON));
    int drawn = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x)
            drawn += GetPixel(bitmap.Dc(), x, y) != RGB(1, 2, 3);
    }
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(GetPixel(bitmap.Dc(), 0, 0), RGB(1, 2, 3));  // the icon's transparent corner
    EXPECT_EQ(bitmap.BrushColor(), kWhite);
}

TEST(IconsTest, AFileWithoutIconLeavesTheBitmapAsItWas) {
    const UnknownFile file;
    UniqueIcon icon;
    GetAssociatedIcon(icon, file.Path());
    if (icon) GTEST_SKIP() << "the shell has an icon for unknown files here";
    Bitmap bitmap(2, 3);
    FillBitmap(bitmap, MakeRgb(4, 5, 6), false);
    EXPECT_FALSE(DrawFileIcon(bitmap, file.Path(), MakeRgb(1, 2, 3)));
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(GetPixel(bitmap.Dc(), 1, 2), RGB(4, 5, 6));
}

TEST(IconsTest, AddsOneImagePerCallScaledToTheList) {
    const UnknownFile file;
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 0, 4);
    ASSERT_NE(list, nullptr);
    ImageList_SetBkColor(list, RGB(10, 20, 30));
    AddFileIconToImageList(list, Notepad());
    EXPECT_EQ(ImageList_GetImageCount(list), 1);
    AddFileIconToImageList(list, file.Path());
    AddFileIconToImageList(list, L"Q:\\no\\such\\file");
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, 0, &info));
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
    EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 16);
    ImageList_Destroy(list);
}

}  // namespace
}  // namespace tessera::win
