#include "core/geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace tessera {
namespace {

TEST(Rect, ContainsTreatsRightAndBottomAsExclusive) {
    const Rect left{-1280, 0, 0, 1024};
    EXPECT_FALSE(left.Contains({0, 0}));
    EXPECT_TRUE(left.Contains({-1, 0}));
    EXPECT_TRUE(left.Contains({-1280, 1023}));
    EXPECT_FALSE(left.Contains({-1280, 1024}));
}

TEST(Rect, SizesAndOffsetsRefuseToWrapAround) {
    EXPECT_THROW((Rect{INT_MIN, 0, INT_MAX, 1}.Width()), std::overflow_error);
    EXPECT_THROW((Rect{0, 0, 10, 10}.Offset(INT_MAX, 0)), std::overflow_error);
    EXPECT_EQ((Rect{-1280, 0, 0, 1024}.Offset(1280, 0)), (Rect{0, 0, 1280, 1024}));
}

}  // namespace
}  // namespace tessera
