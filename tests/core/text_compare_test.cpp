#include "core/text_compare.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(TextCompareTest, NaturalTextComparesNumbersByValue) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        int sign;
    };
    const Case cases[] = {
        {L"img9", L"img10", -1},
        {L"img10", L"img9", 1},
        {L"a2b", L"a2c", -1},          // equal numbers: the rests decide
        {L"a2c", L"a2b", 1},
        {L"", L"", 0},
        {L"", L"a", -1},
        {L"a", L"", 1},
        {L"abc", L"ABC", 0},           // equal ignoring case, same upper-case form
        {L"10", L"9", 1},              // no prefixes
        {L"1a", L"b", -1},             // one prefix empty: the plain comparison
        {L"x", L"x1", -1},             // only b has a number
        {L"x1", L"x", 1},
        {L"v1.10", L"v1.9", 1},
        {L"p99999999999999999999", L"p2", 1},  // too long for 64 bits: plain comparison
    };
    for (const auto& c : cases) EXPECT_EQ(Sign(CompareNaturalText(c.a, c.b)), c.sign) << c.a << " / " << c.b;
}

TEST(TextCompareTest, FilePathsCompareFoldersFirst) {
    EXPECT_LT(CompareFilePaths(L"C:\\x\\b1", L"C:\\y\\a1"), 0);
    EXPECT_LT(CompareFilePaths(L"C:\\x\\img9.bmp", L"C:\\x\\img10.bmp"), 0);
    EXPECT_EQ(CompareFilePaths(L"C:/x/a", L"C:/x/a"), 0);
    EXPECT_GT(CompareFilePaths(L"D:b", L"C:\\a\\b"), 0);  // "D:" against "C:\a"
    EXPECT_LT(CompareFilePaths(L"name", L"C:\\a"), 0);    // no folder sorts first
}

TEST(TextCompareTest, InstalledCollationIsUsedAndRestored) {
    struct Reversed final : TextCollation {
        int Compare(std::wstring_view a, std::wstring_view b, unsigned) const override {
            return b.compare(a);
        }
        std::wstring UpperCase(std::wstring_view text) const override { return std::wstring(text); }
    } reversed;
    const TextCollation* previous = SetTextCollation(&reversed);
    EXPECT_GT(LocaleCompare(L"a", L"b", kCompareDefault), 0);
    SetTextCollation(previous);
    EXPECT_LT(LocaleCompare(L"a", L"b", kCompareDefault), 0);
    EXPECT_EQ(LocaleCompare(L"\x00e9t\x00e9", L"\x00c9T\x00c9", kCompareIgnoreCase), 0);
    EXPECT_NE(LocaleCompare(L"\x00e9", L"\x00c9", kCompareDefault), 0);
}

}  // namespace
}  // namespace tessera
