// The number-aware ordering with the system's collation and upper-casing.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/natural_order.h"
#include "core/sort_state.h"
#include "win/natural_compare.h"
#include "win/path_compare.h"

namespace tessera {
namespace {

class SystemOrderTest : public testing::Test {
  protected:
    SystemOrderTest() : previous_(SetTextCollation(nullptr)) { win::UseSystemCollation(); }
    ~SystemOrderTest() override { SetTextCollation(previous_); }

    const TextCollation* previous_;
};

TEST_F(SystemOrderTest, OrdersNamesAsTheUserExpects) {
    const struct {
        const wchar_t* a;
        const wchar_t* b;
        int expected;
    } cases[] = {
        {L"img1.bmp", L"img2.bmp", -1},
        {L"img2.bmp", L"img10.bmp", -1},
        {L"第二章.bmp", L"第三章.bmp", -1},
        {L"第三章.bmp", L"第十章.bmp", -1},
        {L"①.bmp", L"⑩.bmp", -1},
        {L"Ⅱ.bmp", L"2.bmp", 0},
        {L"2.bmp", L"Ⅲ.bmp", -1},
        {L"ⅱ.bmp", L"Ⅱ.bmp", 0},
        {L"a.bmp", L"A.BMP", 0},
        {L"file01.bmp", L"file1.bmp", 0},
        {L"", L"a.bmp", -1},
        {L"C:\\x\\b1", L"C:\\y\\a1", -1},
        {L"写真2.bmp", L"写真１０.bmp", -1},
        {L"C:\\写真\\二十三万.bmp", L"C:\\写真\\二十四.bmp", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CompareNumeralPaths(c.a, c.b), c.expected);
        EXPECT_EQ(CompareNumeralPaths(c.b, c.a), -c.expected);
    }
    // One prefix empty: the locale's plain case-insensitive order decides.
    const int plain =
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, L"10.bmp", -1, L"a.bmp", -1) -
        CSTR_EQUAL;
    EXPECT_EQ(CompareNumeralText(L"10.bmp", L"a.bmp"), plain);
}

std::vector<std::wstring> SampleLines() {
    std::vector<std::wstring> lines = {
        L"C:\\写真\\img10.bmp",
        L"c:\\写真\\IMG2.bmp",
        L"C:\\写真2\\a.bmp",
        L"C:\\写真10\\a.bmp",
        L"",
        L"D:第三章.bmp",
        L"D:\\第二章.bmp",
        L"①.bmp",
        L"⑩.bmp",
        L"ⅱ.bmp",
        L"2.bmp",
        L"a.bmp",
        L"A.BMP",
        L"C:\\x\\file01.bmp",
        L"C:\\x\\file1.bmp",
        L"C:\\Ä\\b.bmp",
        L"C:\\a\\b.bmp",
        L"C:\\ａ\\b.bmp",
        L"C:\\-a\\b.bmp",
        L"C:\\'a\\b.bmp",
    };
    static const std::wstring kAlphabet = L"aAäÄbZ1２0十百万①Ⅱⅱ二〇 -'_.\\:/写シしｼ";
    std::mt19937 random(11);
    for (int i = 0; i < 400; ++i) {
        std::wstring text;
        const int length = std::uniform_int_distribution<int>(0, 10)(random);
        for (int k = 0; k < length; ++k) text += kAlphabet[random() % kAlphabet.size()];
        lines.push_back(text);
    }
    return lines;
}

void ExpectSortMatchesCompareFunctions(const std::vector<std::wstring>& lines) {
    for (int state : {1, -1, 2, -2, 3, -3}) {
        TMyWStrings cached, plain;
        for (const auto& line : lines) {
            cached.Add(line);
            plain.Add(line);
        }
        const int tag = state < 0 ? -state : state;
        SortFileNames(cached, state < 0 ? tag : 0, tag);
        plain.CustomSort(SortCompareOf(state));
        for (int i = 0; i < plain.Count(); ++i)
            ASSERT_EQ(cached.Get(i), plain.Get(i)) << "state " << state << " row " << i;
    }
}

TEST_F(SystemOrderTest, SortMatchesTheCompareFunctions) {
    ASSERT_EQ(CurrentCollationKeys(), nullptr);
    ExpectSortMatchesCompareFunctions(SampleLines());
}

TEST_F(SystemOrderTest, SortWithSystemSortKeysMatchesTheCompareFunctions) {
    win::UseSystemSortKeys();
    ASSERT_NE(CurrentCollationKeys(), nullptr);
    ExpectSortMatchesCompareFunctions(SampleLines());
    SetCollationKeys(nullptr);
}

TEST_F(SystemOrderTest, SortKeysOrderAsTheLocaleCompares) {
    win::UseSystemSortKeys();
    const CollationKeys& keys = *CurrentCollationKeys();
    const std::vector<std::wstring> lines = SampleLines();
    for (unsigned flags : {unsigned{kCompareIgnoreCase},
                           kCompareIgnoreCase | kCompareIgnoreNonSpace | kCompareStringSort}) {
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const auto& a = lines[i - 1];
            const auto& b = lines[i];
            if (a.empty() || b.empty()) continue;
            const int expected = LocaleCompare(a, b, flags);
            const int byKeys = keys.Key(a, flags).compare(keys.Key(b, flags));
            EXPECT_EQ((expected > 0) - (expected < 0), (byKeys > 0) - (byKeys < 0)) << i;
        }
    }
    SetCollationKeys(nullptr);
}

}  // namespace
}  // namespace tessera
