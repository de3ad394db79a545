#include <windows.h>

#include <gtest/gtest.h>

// The harness runs every test as on a Japanese Windows.
TEST(TestEnvironment, SystemCodePageIsShiftJis) {
    EXPECT_EQ(GetACP(), 932u);
}
