#include "core/param.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

using Tokens = std::vector<std::wstring>;

TEST(TMyParam, JoinsAnOptionEndingInAColonWithTheNextToken) {
    const TMyParam param(Tokens{L"C:\\app.exe", L"/x", L"D:\\a b.bmp", L"/y:", L"z"});
    EXPECT_EQ(param.ArgumentCount(), 3);
    EXPECT_EQ(param.Tokens(), (Tokens{L"C:\\app.exe", L"/x", L"D:\\a b.bmp", L"/y:z"}));
    EXPECT_EQ(param.NonOptions(), (Tokens{L"C:\\app.exe", L"D:\\a b.bmp"}));
    ASSERT_EQ(param.Options().size(), 4u);
    EXPECT_TRUE(param.Options()[1].isOption);
    EXPECT_EQ(param.Options()[1].name, L"x");
    EXPECT_EQ(param.Options()[1].value, L"");
    EXPECT_EQ(param.Options()[3].index, 3);
    EXPECT_EQ(param.Options()[3].name, L"y");
    EXPECT_EQ(param.Options()[3].value, L"z");
    EXPECT_FALSE(param.Options()[2].isOption);
}

TEST(TMyParam, EdgeTokens) {
    // A lone "/" is a file-like token; "/opt:" as the last token stays alone.
    const TMyParam param(Tokens{L"app", L"/", L"/a:b:c", L"/last:"});
    EXPECT_EQ(param.NonOptions(), (Tokens{L"app", L"/"}));
    EXPECT_EQ(param.Options()[2].name, L"a");
    EXPECT_EQ(param.Options()[2].value, L"b:c");
    EXPECT_EQ(param.Options()[3].name, L"last");
    EXPECT_EQ(param.ArgumentCount(), 3);
    EXPECT_EQ(TMyParam().ArgumentCount(), -1);
}

}  // namespace
}  // namespace tessera
