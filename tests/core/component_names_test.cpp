#include "core/component_names.h"

#include <gtest/gtest.h>

#include <set>

namespace tessera {
namespace {

TEST(ComponentNames, SmallestFreeNumberIgnoringCase) {
    const std::set<std::wstring> names = {L"TABSHEET_0", L"TabSheet_2"};
    auto taken = [&](const std::wstring& name) {
        for (const auto& n : names) {
            if (SameComponentName(n, name)) return true;
        }
        return false;
    };
    EXPECT_EQ(UniqueComponentName(L"TabSheet", taken), L"TabSheet_1");
    EXPECT_EQ(UniqueComponentName(L"Other", taken), L"Other_0");
    EXPECT_TRUE(SameComponentName(L"ａbc", L"ＡBC"));
    EXPECT_FALSE(SameComponentName(L"abc", L"abd"));
}

TEST(ComponentNames, TrailingNumber) {
    EXPECT_EQ(TrailingNumber(L"TabSheet_12"), 12);
    EXPECT_EQ(TrailingNumber(L"TabSheet_"), std::nullopt);
    EXPECT_EQ(TrailingNumber(L"99999999999999999999999"), std::nullopt);
}

}  // namespace
}  // namespace tessera
