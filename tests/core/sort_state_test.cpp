#include "core/sort_state.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/natural_order.h"
#include "core/text_compare.h"
#include "support/list_lines.h"

namespace tessera {
namespace {

using testing::Lines;
using testing::Fill;

TEST(SortStateTest, SameKeyFlipsDirectionOtherKeySortsAscending) {
    const struct {
        int state, tag, next;
    } cases[] = {
        {0, 1, 1},  {1, 1, -1}, {-1, 1, 1}, {1, 2, 2},
        {-3, 2, 2}, {-2, 2, 2}, {2, 2, -2}, {3, 3, -3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextSortState(c.state, c.tag), c.next) << c.state << " " << c.tag;
}

TEST(SortStateTest, CaptionCarriesTheMarkerOfTheState) {
    const std::wstring caption = L"ファイル名でソート(&F)";
    EXPECT_EQ(SortCaption(caption, 1, 0), caption);
    EXPECT_EQ(SortCaption(caption, 1, 1), caption + L" ▲");
    EXPECT_EQ(SortCaption(caption + L" ▲", 1, -1), caption + L" ▼");
    EXPECT_EQ(SortCaption(caption + L" ▼", 1, 2), caption);
    EXPECT_EQ(SortCaption(L"名前でソート(&N) ▲", 3, -3), L"名前でソート(&N) ▼");
}

TEST(SortStateTest, KeysAreThePathItsFolderOrItsName) {
    EXPECT_EQ(SortKeyOf(kSortByFileName, L"C:\\Pics\\a.bmp"), L"C:\\Pics\\a.bmp");
    EXPECT_EQ(SortKeyOf(kSortByPath, L"C:\\Pics\\a.bmp"), L"C:\\Pics\\");
    EXPECT_EQ(SortKeyOf(kSortByPath, L"D:/x/y.bmp"), L"D:/x/");
    EXPECT_EQ(SortKeyOf(kSortByPath, L"C:a.bmp"), L"C:\\");
    EXPECT_EQ(SortKeyOf(kSortByPath, L"a.bmp"), L"");
    EXPECT_EQ(SortKeyOf(kSortByName, L"C:\\Pics\\a.bmp"), L"a.bmp");
    EXPECT_EQ(SortKeyOf(kSortByName, L"C:a.bmp"), L"a.bmp");
    EXPECT_EQ(SortKeyOf(kSortByName, L"a.bmp"), L"a.bmp");
}

TEST(SortStateTest, SortsAscendingThenDescendingByTheSameCommand) {
    TMyWStrings list;
    Fill(list, {L"C:\\p\\img2.bmp", L"C:\\p\\img10.bmp", L"C:\\p\\img1.bmp"});
    int state = SortFileNames(list, 0, kSortByFileName);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"C:\\p\\img1.bmp", L"C:\\p\\img2.bmp",
                                                      L"C:\\p\\img10.bmp"}));
    state = SortFileNames(list, state, kSortByFileName);
    EXPECT_EQ(state, -1);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"C:\\p\\img10.bmp", L"C:\\p\\img2.bmp",
                                                      L"C:\\p\\img1.bmp"}));
}

TEST(SortStateTest, EqualKeysKeepTheirOrderInBothDirections) {
    TMyWStrings list;
    Fill(list, {L"b\\file01.bmp", L"a\\A.BMP", L"b\\file1.bmp", L"a\\a.bmp", L""});
    int state = SortFileNames(list, 0, kSortByFileName);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"", L"a\\A.BMP", L"a\\a.bmp",
                                                      L"b\\file01.bmp", L"b\\file1.bmp"}));
    state = SortFileNames(list, state, kSortByFileName);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"b\\file01.bmp", L"b\\file1.bmp",
                                                      L"a\\A.BMP", L"a\\a.bmp", L""}));
}

TEST(SortStateTest, FolderSortKeepsTheOrderInsideEachFolder) {
    TMyWStrings list;
    Fill(list, {L"C:\\dir10\\b.bmp", L"C:\\dir2\\z.bmp", L"C:\\dir10\\a.bmp", L"C:\\dir2\\c.bmp",
                L"x.bmp"});
    const int state = SortFileNames(list, 1, kSortByPath);
    EXPECT_EQ(state, 2);
    EXPECT_EQ(Lines(list),
              (std::vector<std::wstring>{L"x.bmp", L"C:\\dir2\\z.bmp", L"C:\\dir2\\c.bmp",
                                         L"C:\\dir10\\b.bmp", L"C:\\dir10\\a.bmp"}));
}

TEST(SortStateTest, NameSortIgnoresTheFolders) {
    TMyWStrings list;
    Fill(list, {L"C:\\a\\第十章.bmp", L"D:\\第二章.bmp", L"C:\\z\\第三章.bmp"});
    SortFileNames(list, 0, kSortByName);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"D:\\第二章.bmp", L"C:\\z\\第三章.bmp",
                                                      L"C:\\a\\第十章.bmp"}));
}

// The sort upper-cases each key once; it must give the order of the six compare functions.
TEST(SortStateTest, CachedSortMatchesTheCompareFunctions) {
    const std::vector<std::wstring> lines = {
        L"C:\\写真\\img10.bmp",
        L"c:\\写真\\IMG2.bmp",
        L"C:\\写真2\\a.bmp",
        L"C:\\写真10\\a.bmp",
        L"",
        L"D:第三章.bmp",
        L"D:\\第二章.bmp",
        L"①.bmp",
        L"⑩.bmp",
        L"Ⅱ.bmp",
        L"2.bmp",
        L"a.bmp",
        L"A.BMP",
        L"C:\\x\\file01.bmp",
        L"C:\\x\\file1.bmp",
    };
    for (int state : {1, -1, 2, -2, 3, -3}) {
        TMyWStrings cached, plain;
        Fill(cached, lines);
        Fill(plain, lines);
        const int tag = state < 0 ? -state : state;
        EXPECT_EQ(SortFileNames(cached, state < 0 ? tag : 0, tag), state);
        plain.CustomSort(SortCompareOf(state));
        EXPECT_EQ(Lines(cached), Lines(plain)) << "state " << state;
    }
}

// Keys for the portable collation: its order is that of the (upper-cased) code units,
// which big-endian bytes keep.
class PortableKeys final : public CollationKeys {
  public:
    const TextCollation& Collation() const override { return collation_; }
    std::string Key(std::wstring_view text, unsigned flags) const override {
        const std::wstring units =
            (flags & kCompareIgnoreCase) ? SimpleUpperCase(text) : std::wstring(text);
        std::string key;
        for (wchar_t c : units) {
            key.push_back(static_cast<char>((c >> 8) & 0xFF));
            key.push_back(static_cast<char>(c & 0xFF));
        }
        return key;
    }

  private:
    const TextCollation& collation_ = CurrentCollation();
};

std::wstring RandomPath(std::mt19937& random) {
    static const std::wstring kAlphabet = L"aAbZ1２0十百万①Ⅱ二〇 _.\\:/写";
    std::wstring text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
    return text;
}

TEST(SortStateTest, SortWithCollationKeysMatchesTheCompareFunctions) {
    const PortableKeys keys;
    const CollationKeys* previous = SetCollationKeys(&keys);
    ASSERT_EQ(CurrentCollationKeys(), &keys);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::wstring> lines(200);
        for (auto& line : lines) line = RandomPath(random);
        for (int state : {1, -1, 2, -2, 3, -3}) {
            TMyWStrings cached, plain;
            Fill(cached, lines);
            Fill(plain, lines);
            const int tag = state < 0 ? -state : state;
            SortFileNames(cached, state < 0 ? tag : 0, tag);
            plain.CustomSort(SortCompareOf(state));
            ASSERT_EQ(Lines(cached), Lines(plain)) << "round " << round << " state " << state;
        }
    }
    SetCollationKeys(previous);
}

TEST(SortStateTest, KeysOfAnotherCollationAreNotUsed) {
    class OtherCollation final : public TextCollation {
        int Compare(std::wstring_view, std::wstring_view, unsigned) const override { return 0; }
        std::wstring UpperCase(std::wstring_view text) const override { return std::wstring(text); }
        wchar_t DecimalSeparator() const override { return L'.'; }
    } other;
    const PortableKeys keys;  // agrees with the portable collation only
    const CollationKeys* previousKeys = SetCollationKeys(&keys);
    const TextCollation* previous = SetTextCollation(&other);
    EXPECT_EQ(CurrentCollationKeys(), nullptr);
    SetTextCollation(previous);
    SetCollationKeys(previousKeys);
}

}  // namespace
}  // namespace tessera
