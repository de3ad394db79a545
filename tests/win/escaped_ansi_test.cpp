#include "win/escaped_ansi.h"

#include <gtest/gtest.h>

namespace tessera::win {
namespace {

TEST(EscapedAnsiTest, EscapesWhatTheCodePageLacksAndTheDollarSign) {
    struct Case {
        std::wstring text;
        std::string narrow;
        unsigned codePage;
    };
    const Case cases[] = {
        {L"", "", 0},
        {L"plain", "plain", 0},
        {L"a$b", "a$0024b", 0},
        {L"\u58c1\u7d19", "\x95\xC7\x8E\x86", 0},               // 壁紙 in code page 932
        {L"\u58c1$", "\x95\xC7$0024", 0},                        // a two-byte character stays whole
        {L"\u4e00\ud55c", "\x88\xEA$D55C", 0},                   // 一 fits, Hangul does not
        {L"\U0001F600", "$D83D$DE00", 0},                        // a pair outside the BMP
        {L"\u58c1 caf\u00e9", "$58C1 caf\xE9", 1252},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WideToEscapedAnsi(c.text, c.codePage), c.narrow);
        EXPECT_EQ(EscapedAnsiToWide(c.narrow, c.codePage), c.text) << c.narrow;
    }
}

TEST(EscapedAnsiTest, IncompleteEscapesStayPlainDollarSigns) {
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"$12", L"$12"},     {"$", L"$"},         {"$12G4", L"$12G4"},
        {"$004a", L"J"},     {"$$0041", L"$A"},   {"x$0041y$", L"xAy$"},
    };
    for (const auto& [narrow, text] : cases) EXPECT_EQ(EscapedAnsiToWide(narrow), text) << narrow;
}

}  // namespace
}  // namespace tessera::win
