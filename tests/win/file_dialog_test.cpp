#include "win/file_dialog.h"

#include <gtest/gtest.h>

#include "win/color_dialog.h"
#include "win/dialog_seam.h"
#include "win/file_dialog_filter.h"
#include "win/folder_dialog.h"
#include "support/list_lines.h"

namespace tessera::win {
namespace {

using testing::Lines;

constexpr wchar_t kImages[] =
    L"BMP (*.bmp)|*.bmp|GIF (*.gif)|*.gif|JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg|PNG (*.png)|*.png|"
    L"TIFF (*.tif;*.tiff)|*.tif;*.tiff";

std::wstring TempFolder() {
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    std::wstring folder(path);
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

// The whole literal, embedded zeros included, less its terminator.
template <std::size_t N>
std::wstring Buffer(const wchar_t (&text)[N]) {
    return std::wstring(text, N - 1);
}

TEST(DialogFilters, AppendAllImagesFilter) {
    const std::wstring patterns = L"*.bmp;*.gif;*.jpeg;*.jpg;*.png;*.tif;*.tiff";
    EXPECT_EQ(AppendAllImagesFilter(kImages, L"すべての画像"),
              std::wstring(kImages) + L"|すべての画像 (" + patterns + L")|" + patterns +
                  L"|すべて(*.*)|*.*");
    EXPECT_EQ(AppendAllImagesFilter(L"", L"すべての画像"), L"すべての画像 ()||すべて(*.*)|*.*");
    // Blank and empty pieces are dropped; duplicates stay; a pair without "|" ends it.
    EXPECT_EQ(AppendAllImagesFilter(L"A| *.a ; ;*.a|B", L"T"),
              L"A| *.a ; ;*.a|B|T (*.a;*.a)|*.a;*.a|すべて(*.*)|*.*");
}

TEST(DialogFilters, FilterIndexOfExtension) {
    const std::wstring filter = L"BMP (*.bmp)|*.bmp|すべて (*.*)|*.*";
    EXPECT_EQ(FilterIndexOfExtension(filter, L".BMP"), 1);
    EXPECT_EQ(FilterIndexOfExtension(filter, L".jpg"), 2);
    EXPECT_EQ(FilterIndexOfExtension(kImages, L".JPG"), 3);
    EXPECT_EQ(FilterIndexOfExtension(kImages, L".tiff"), 5);
    EXPECT_EQ(FilterIndexOfExtension(std::wstring(kImages) + L"|", L".xyz"), 5);
}

class FileDialogTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs_;
    ScopedDialogRunner scoped_{dialogs_};
};

TEST_F(FileDialogTest, MultiSelectGivesFullPathsAndTheFirstAsFileName) {
    TMyOpenFileDialog dialog;
    dialog.Options |= ofAllowMultiSelect;
    dialog.Filter = L"BMP (*.bmp)|*.bmp|すべて (*.*)|*.*";
    dialog.Title = L"壁紙ファイル読み込み";
    dialogs_.Answer({true, Buffer(L"D:\\画像\0a.bmp\0b.bmp\0c.bmp\0"), 2});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(
        Lines(dialog.Files()),
        (std::vector<std::wstring>{L"D:\\画像\\a.bmp", L"D:\\画像\\b.bmp", L"D:\\画像\\c.bmp"}));
    EXPECT_EQ(dialog.FileName(), L"D:\\画像\\a.bmp");
    EXPECT_EQ(dialog.FilterIndex, 2);

    const ShownDialog& shown = dialogs_.Shown().at(0);
    EXPECT_EQ(shown.title, L"壁紙ファイル読み込み");
    EXPECT_EQ(shown.filter, L"BMP (*.bmp)|*.bmp|すべて (*.*)|*.*");
    EXPECT_EQ(shown.bufferSize, 32768u);
    EXPECT_EQ(shown.flags & (OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ALLOWMULTISELECT),
              static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ALLOWMULTISELECT));

    // One file chosen: the buffer is its full path; a root folder gets no second "\".
    dialogs_.Answer({true, Buffer(L"D:\\one.bmp\0")});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Lines(dialog.Files()), (std::vector<std::wstring>{L"D:\\one.bmp"}));
    dialogs_.Answer({true, Buffer(L"D:\\\0x.bmp\0y.bmp\0")});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Lines(dialog.Files()), (std::vector<std::wstring>{L"D:\\x.bmp", L"D:\\y.bmp"}));
}

TEST_F(FileDialogTest, StartingFolderAndProposedNameOnlyWhenTheyExist) {
    TMyOpenFileDialog dialog;
    dialog.InitialDir = TempFolder() + L"\\tessera-no-such-folder";
    dialog.SetFileName(TempFolder() + L"\\tessera-no-such-file.bmp");
    EXPECT_FALSE(dialog.Execute());  // cancelled
    EXPECT_EQ(dialogs_.Shown().at(0).initialDir, L"");
    EXPECT_EQ(dialogs_.Shown().at(0).fileName, L"");
    EXPECT_EQ(dialog.FileName(), TempFolder() + L"\\tessera-no-such-file.bmp");  // unchanged

    dialog.InitialDir = TempFolder();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialogs_.Shown().at(1).initialDir, TempFolder() + L"\\");
}

TEST_F(FileDialogTest, SettingFileNameMovesAnEqualLineToTheTop) {
    TMyOpenFileDialog dialog;
    dialogs_.Answer({true, Buffer(L"C:\\d\0a.bmp\0b.bmp\0")});
    dialog.Options |= ofAllowMultiSelect;
    ASSERT_TRUE(dialog.Execute());
    dialog.SetFileName(L"c:\\D\\B.BMP");
    EXPECT_EQ(Lines(dialog.Files()), (std::vector<std::wstring>{L"C:\\d\\b.bmp", L"C:\\d\\a.bmp"}));
    dialog.SetFileName(L"C:\\new.bmp");
    EXPECT_EQ(dialog.Files().Count(), 3);
    EXPECT_EQ(dialog.Files().Get(0), L"C:\\new.bmp");
}

TEST_F(FileDialogTest, SaveDialogStartsWithTheNamePartAndAppendsTheDefaultExtension) {
    TMySaveFileDialog dialog;
    dialog.SetFileName(L"C:\\Windows\\壁紙.bmp");
    dialog.InitialDir = TempFolder();
    dialog.DefaultExt = L"bmp";
    dialogs_.Answer({true, L"C:\\out\\wall", 0, OFN_EXTENSIONDIFFERENT});
    ASSERT_TRUE(dialog.Execute());
    const ShownDialog& shown = dialogs_.Shown().at(0);
    EXPECT_EQ(shown.kind, DialogKind::Save);
    EXPECT_EQ(shown.fileName, L"壁紙.bmp");
    EXPECT_EQ(shown.initialDir, TempFolder());  // no backslash added
    EXPECT_EQ(shown.bufferSize, 1024u);
    EXPECT_EQ(dialog.FileName(), L"C:\\out\\wall.bmp");
    EXPECT_TRUE(dialog.Options & ofExtensionDifferent);
    EXPECT_EQ(Lines(dialog.Files()), (std::vector<std::wstring>{L"C:\\out\\wall.bmp"}));
}

TEST_F(FileDialogTest, FolderAndColourDialogs) {
    TMyOpenFolderDialog folder;
    folder.Title = L"フォルダ読み込み";
    folder.Options =
        bfReturnOnlyFsDirs | bfReturnFsAncestors | bfNoNewFolderButton | bfNewDialogStyle;
    folder.InitialDir = L"Z:\\tessera-no-such-folder";
    dialogs_.Answer({true, L"", 0, 0, L"C:\\Pictures"});
    ASSERT_TRUE(folder.Execute());
    EXPECT_EQ(folder.Directory, L"C:\\Pictures\\");
    EXPECT_EQ(dialogs_.Shown().at(0).initialDir, L"");
    EXPECT_EQ(dialogs_.Shown().at(0).title, L"フォルダ読み込み");
    EXPECT_EQ(dialogs_.Shown().at(0).flags, static_cast<DWORD>(folder.Options));
    folder.InitialDir = TempFolder();
    EXPECT_FALSE(folder.Execute());
    EXPECT_EQ(dialogs_.Shown().at(1).initialDir, TempFolder());
    EXPECT_EQ(folder.Directory, L"C:\\Pictures\\");

    TMyColorDialog colour;
    colour.color = 0x80000000 | COLOR_WINDOW;  // a system colour starts as its value
    dialogs_.Answer({true, L"", 0, 0, L"", RGB(1, 2, 3)});
    ASSERT_TRUE(colour.Execute());
    EXPECT_EQ(dialogs_.Shown().at(2).color, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(colour.color, RGB(1, 2, 3));
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.color, RGB(1, 2, 3));
}

}  // namespace
}  // namespace tessera::win
