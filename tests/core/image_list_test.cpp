#include "core/image_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "support/list_lines.h"

namespace tessera {
namespace {

using testing::Lines;
using testing::Fill;

class ImageListTest : public ::testing::Test {
  protected:
    ImageListTest() {
        list_.SetOnOpen([this] { opened_.push_back(list_.FocusRow()); });
        entries_.SetOnChange(
            [this](TMyWStrings& l) { changesOutsideUpdate_ += l.UpdateCount() == 0; });
    }

    bool Merge(const std::vector<std::wstring>& files) {
        TMyWStrings gathered;
        Fill(gathered, files);
        return list_.Merge(gathered);
    }

    TMyWStrings entries_;
    ImageList list_{entries_};
    std::vector<int> opened_;
    int changesOutsideUpdate_ = 0;
};

TEST_F(ImageListTest, AppendsNewFilesAndOpensTheFirst) {
    Fill(entries_, {L"C:\\old\\x.bmp"});
    changesOutsideUpdate_ = 0;
    EXPECT_TRUE(Merge({L"C:\\p\\a.bmp", L"C:\\p\\b.BMP"}));
    EXPECT_EQ(Lines(entries_),
              (std::vector<std::wstring>{L"C:\\old\\x.bmp", L"C:\\p\\a.bmp", L"C:\\p\\b.BMP"}));
    EXPECT_EQ(list_.CurrentImage(), L"C:\\p\\a.bmp");
    EXPECT_EQ(list_.FocusRow(), 1);
    EXPECT_EQ(opened_, std::vector<int>{1});
    EXPECT_EQ(changesOutsideUpdate_, 0);
    EXPECT_TRUE(list_.CanRemove());
}

TEST_F(ImageListTest, KnownFileIgnoringCaseIsNotAddedButBecomesCurrent) {
    Fill(entries_, {L"c:\\other.bmp", L"c:\\pics\\img.BMP"});
    EXPECT_TRUE(Merge({L"C:\\Pics\\IMG.bmp"}));
    EXPECT_EQ(Lines(entries_), (std::vector<std::wstring>{L"c:\\other.bmp", L"c:\\pics\\img.BMP"}));
    EXPECT_EQ(list_.CurrentImage(), L"C:\\Pics\\IMG.bmp");
    EXPECT_EQ(list_.FocusRow(), 1);
    EXPECT_EQ(opened_, std::vector<int>{1});
}

TEST_F(ImageListTest, NothingGatheredChangesNothing) {
    Fill(entries_, {L"C:\\a.bmp"});
    list_.SetCurrentImage(L"C:\\a.bmp");
    list_.SetFocusRow(0);
    EXPECT_FALSE(Merge({}));
    EXPECT_EQ(Lines(entries_), std::vector<std::wstring>{L"C:\\a.bmp"});
    EXPECT_EQ(list_.CurrentImage(), L"C:\\a.bmp");
    EXPECT_EQ(list_.FocusRow(), 0);
    EXPECT_TRUE(opened_.empty());
    EXPECT_FALSE(list_.CanRemove());
}

TEST_F(ImageListTest, DuplicatesAmongTheGatheredFilesAreAddedOnce) {
    EXPECT_TRUE(Merge({L"C:\\p\\a.bmp", L"C:\\P\\A.BMP", L"C:\\p\\b.bmp", L"c:\\p\\a.bmp"}));
    EXPECT_EQ(Lines(entries_), (std::vector<std::wstring>{L"C:\\p\\a.bmp", L"C:\\p\\b.bmp"}));
    EXPECT_EQ(list_.FocusRow(), 0);
}

// The list file may bring in repeated entries: the focus goes to the first one.
TEST_F(ImageListTest, FocusGoesToTheFirstEqualEntry) {
    Fill(entries_, {L"", L"C:\\a.bmp", L"c:\\A.bmp"});
    EXPECT_TRUE(Merge({L"C:\\A.BMP", L""}));
    EXPECT_EQ(entries_.Count(), 3);
    EXPECT_EQ(list_.FocusRow(), 1);
}

}  // namespace
}  // namespace tessera
