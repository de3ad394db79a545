#include "win/handles.h"

#include <gtest/gtest.h>

namespace tessera::win {
namespace {

TEST(UniqueHandle, ReleasesExactlyOnceAcrossMoves) {
    UniqueBrush first(CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(first);
    const HBRUSH raw = first.get();
    UniqueBrush second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);
    EXPECT_NE(GetObjectType(raw), 0u);
    second.reset();
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted
}

}  // namespace
}  // namespace tessera::win
