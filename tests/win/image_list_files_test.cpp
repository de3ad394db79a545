#include "win/image_list_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "win/path_compare.h"
#include "support/list_lines.h"

namespace tessera::win {
namespace {

using testing::Lines;

class NoStopPump final : public MessagePump {
  public:
    bool ProcessMessages() override { return true; }
};

class ImageListFilesTest : public ::testing::Test {
  protected:
    ImageListFilesTest() : previous_(SetTextCollation(nullptr)) {
        UseSystemCollation();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"tessera_list_" + std::to_wstring(GetCurrentProcessId()) +
                L"_" + std::to_wstring(GetTickCount64());
        for (const wchar_t* name :
             {L"c.jpg", L"b.BMP", L"a.bmp", L"Thumbs.db", L"sub\\d.bmp", L"nobmp\\x.jpg"}) {
            const std::filesystem::path path(Path(name));
            std::filesystem::create_directories(path.parent_path());
            CloseHandle(
                CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        list_.SetOnOpen([this] { opened_.push_back(list_.FocusRow()); });
    }
    ~ImageListFilesTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
        SetTextCollation(previous_);
    }

    std::wstring Path(const std::wstring& relative) const { return root_ + L"\\" + relative; }

    const TextCollation* previous_;
    std::wstring root_;
    NoStopPump pump_;
    TMyWStrings entries_;
    ImageList list_{entries_};
    std::vector<int> opened_;
};

TEST_F(ImageListFilesTest, AddingAFolderGathersItsBitmapsWithSubfolders) {
    EXPECT_TRUE(AddPath(list_, root_, pump_));
    EXPECT_EQ(Lines(entries_),
              (std::vector<std::wstring>{Path(L"a.bmp"), Path(L"b.BMP"), Path(L"sub\\d.bmp")}));
    EXPECT_EQ(list_.CurrentImage(), Path(L"a.bmp"));
    EXPECT_EQ(list_.FocusRow(), 0);
    EXPECT_EQ(opened_, std::vector<int>{0});
}

TEST_F(ImageListFilesTest, AddingAKnownFileMovesTheFocusToItsEntry) {
    entries_.Add(L"C:\\other.bmp");
    std::wstring upper = Path(L"A.BMP");
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    entries_.Add(upper);
    EXPECT_TRUE(AddPath(list_, Path(L"a.bmp"), pump_));
    EXPECT_EQ(entries_.Count(), 2);
    EXPECT_EQ(list_.CurrentImage(), Path(L"a.bmp"));
    EXPECT_EQ(list_.FocusRow(), 1);
    EXPECT_EQ(opened_, std::vector<int>{1});
}

TEST_F(ImageListFilesTest, NothingToGatherChangesNothing) {
    list_.SetCurrentImage(L"C:\\current.bmp");
    for (const std::wstring& path :
         {Path(L"nobmp"), Path(L"c.jpg"), Path(L"missing"), std::wstring()}) {
        EXPECT_FALSE(AddPath(list_, path, pump_)) << path.c_str();
    }
    EXPECT_EQ(entries_.Count(), 0);
    EXPECT_EQ(list_.CurrentImage(), L"C:\\current.bmp");
    EXPECT_TRUE(opened_.empty());
}

TEST_F(ImageListFilesTest, AddFilesFiltersBitmapsWhateverTheirOrigin) {
    TMyWStrings paths;
    paths.Add(Path(L"c.jpg"));
    paths.Add(Path(L"sub"));
    paths.Add(Path(L"b.BMP"));
    EXPECT_TRUE(AddFiles(list_, paths, pump_));
    // The input paths are scanned in path order: the folder's file comes after b.BMP.
    EXPECT_EQ(Lines(entries_), (std::vector<std::wstring>{Path(L"b.BMP"), Path(L"sub\\d.bmp")}));
    EXPECT_EQ(list_.CurrentImage(), Path(L"b.BMP"));
    EXPECT_TRUE(list_.CanRemove());
}

TEST_F(ImageListFilesTest, OneFolderAdditionSkipsSubfolders) {
    for (const std::wstring& folder : {root_, root_ + L"\\"}) {
        entries_.Clear();
        EXPECT_TRUE(AddFolderImages(list_, folder, pump_));
        EXPECT_EQ(Lines(entries_), (std::vector<std::wstring>{Path(L"a.bmp"), Path(L"b.BMP")}));
    }
    EXPECT_FALSE(AddFolderImages(list_, Path(L"nobmp"), pump_));
}

}  // namespace
}  // namespace tessera::win
