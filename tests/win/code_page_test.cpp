#include "win/code_page.h"

#include <gtest/gtest.h>
#include "support/byte_strings.h"

namespace tessera::win {
namespace {

using testing::B;

// EUC-JP keeps what code page 932 maps in the 94 JIS rows, the NEC row 13 included.
TEST(CodePageTest, EucJpKeepsTheCharactersOfCodePage932) {
    struct Case {
        std::wstring text;
        Bytes euc;
    };
    const Case cases[] = {
        {L"a\u58c1", B({'a', 0xCA, 0xC9})},
        {L"\u2460", B({0xAD, 0xA1})},             // ①
        {L"\uff5e", B({0xA1, 0xC1})},             // ～
        {L"\uff71", B({0x8E, 0xB1})},             // half-width ｱ
        {L"\u30fc\u2161", B({0xA1, 0xBC, 0xAD, 0xB6})},  // ー Ⅱ
    };
    for (unsigned codePage : {20932u, 51932u}) {
        for (const auto& c : cases) {
            const auto narrow = WideToCodePage(c.text, codePage);
            ASSERT_TRUE(narrow);
            EXPECT_EQ(narrow->bytes, c.euc) << ::testing::PrintToString(c.text);
            EXPECT_EQ(CodePageToWide(c.euc, codePage), c.text);
        }
    }
    EXPECT_EQ(CodePageToWide(B({0xFC, 0xFE}), 20932), L"\xff02");  // the last cell of row 92
    EXPECT_EQ(CodePageToWide(B({'x', 0xA1}), 20932), L"x\xfffd");  // a lone first byte
    EXPECT_EQ(CodePageToWide(B({0x8E, 0x41}), 20932), L"\xfffd" L"A");
    EXPECT_EQ(WideToCodePage(L"\xd55c", 20932)->bytes, B({'?'}));  // Hangul has no JIS row
}

TEST(CodePageTest, Iso2022JpGoesThroughTheMultiLanguageService) {
    const std::wstring text = L"\u58c1\u7d19 \u2460\uff5e";
    const auto narrow = WideToCodePage(text, 50220);
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->bytes.substr(0, 3), B({0x1B, 0x24, 0x42}));
    EXPECT_EQ(CodePageToWide(narrow->bytes, 50220), text);
}

}  // namespace
}  // namespace tessera::win
