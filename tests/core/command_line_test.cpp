#include "core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera {
namespace {

using Tokens = std::vector<std::wstring>;

struct SplitCase {
    std::wstring text;
    Tokens tokens;
};

const SplitCase kSplitCases[] = {
    {L"a \"b c\" \"\" d\"e\"f", {L"a", L"b c", L"", L"d", L"e", L"f"}},
    {L"", {}},
    {L" \t\r\n ", {}},
    {L"one\ttwo\r\nthree", {L"one", L"two", L"three"}},
    {L"\"say \"\"hi\"\"\"", {L"say \"hi\""}},
    {L"\"\"\"\"", {L"\""}},                           // a doubled quote alone
    {L"\"a\tb\nc\"", {L"a\tb\nc"}},                   // separators join inside quotes
    {L"\"unterminated  x", {L"unterminated  x"}},     // emitted at the end
    {L"\"\"", {L""}},
    {L"\"", {}},                                      // an empty pending token at the end
    {L"x\"\"y", {L"x", L"", L"y"}},
    {L"C:\\Program Files\\a.exe", {L"C:\\Program", L"Files\\a.exe"}},
    {L"\"C:\\Program Files\\a.exe\" /s file.jpg",
     {L"C:\\Program Files\\a.exe", L"/s", L"file.jpg"}},
    {L"画像 \"壁紙 1.bmp\"", {L"画像", L"壁紙 1.bmp"}},
};

TEST(SplitCommandLine, Tokens) {
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(SplitCommandLine(c.text), c.tokens);
        EXPECT_EQ(FirstCommandLineToken(c.text), c.tokens.empty() ? L"" : c.tokens.front());
    }
}

TEST(SplitCommandLine, FirstTokenStopsAtTheFirstEmittedToken) {
    EXPECT_EQ(FirstCommandLineToken(L"\"\" b"), L"");
    EXPECT_EQ(FirstCommandLineToken(L"  \"C:\\a b\\t.exe\"x y"), L"C:\\a b\\t.exe");
}

}  // namespace
}  // namespace tessera
