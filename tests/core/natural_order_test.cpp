#include "core/natural_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessera {
namespace {

struct ReadCase {
    const wchar_t* text;
    const wchar_t* prefix;
    std::int64_t value;
    const wchar_t* rest;
};

TEST(ReadNumeralTest, ReadsRunsByTheirValue) {
    const ReadCase cases[] = {
        {L"二十三", L"", 23, L""},
        {L"十二", L"", 12, L""},
        {L"百十", L"", 110, L""},
        {L"二百十", L"", 210, L""},
        {L"千百", L"", 1100, L""},
        {L"三千二百", L"", 3200, L""},
        {L"一万二千", L"", 12000, L""},
        {L"二十三万", L"", 230000, L""},
        {L"十二万三千四百五十六", L"", 123456, L""},
        {L"１２三", L"", 123, L""},
        {L"⑩⑪", L"", 1011, L""},
        {L"img007", L"img", 7, L""},
        {L"二十十", L"", 20, L"十"},
        {L"百千", L"", 100, L"千"},
        {L"一万万", L"", 10000, L"万"},
        {L"Ⅻ", L"Ⅻ", 0, L""},
        {L"第十章.bmp", L"第", 10, L"章.bmp"},
        {L"写真2と3", L"写真", 2, L"と3"},
        {L"弐拾参", L"", 23, L""},
        {L"壱萬", L"", 10000, L""},
        {L"陸佰", L"", 600, L""},
        {L"〇〇七", L"", 7, L""},
        {L"Ⅱ.bmp", L"", 2, L".bmp"},
        {L"Ⅹ", L"", 10, L""},
        {L"万", L"", 10000, L""},
        {L"十", L"", 10, L""},
        {L"a千", L"a", 1000, L""},
        // The positional reading: the pending digits are the coefficient as written, and
        // a value without pending digits is the coefficient of 万.
        {L"10万", L"", 100000, L""},
        {L"①十", L"", 10, L""},
        {L"十万", L"", 100000, L""},
        {L"百万", L"", 1000000, L""},
        {L"三千二百万", L"", 32000000, L""},
        // A text without numeral: all prefix, value 0, empty rest.
        {L"pics", L"pics", 0, L""},
        {L"", L"", 0, L""},
        // A digit text beyond 64 bits counts as 0.
        {L"x99999999999999999999y", L"x", 0, L"y"},
        {L"0000000000000000000000042", L"", 42, L""},
    };
    for (const ReadCase& c : cases) {
        const NumeralRun run = ReadNumeral(c.text);
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(run.prefix, c.prefix);
        EXPECT_EQ(run.value, c.value);
        EXPECT_EQ(run.rest, c.rest);
        EXPECT_FALSE(run.overflow);
    }
}

TEST(ReadNumeralTest, FlagsValuesBeyondSixtyFourBits) {
    EXPECT_TRUE(ReadNumeral(L"9223372036854775807十").overflow);
    EXPECT_TRUE(ReadNumeral(L"922337203685477580万").overflow);
    EXPECT_FALSE(ReadNumeral(L"9223372036854775807").overflow);
    EXPECT_EQ(ReadNumeral(L"9223372036854775807").value, INT64_MAX);
}

struct OrderCase {
    const wchar_t* a;
    const wchar_t* b;
    int expected;
};

TEST(CompareNumeralTextTest, OrdersNumbersByValue) {
    const OrderCase cases[] = {
        {L"img1.bmp", L"img2.bmp", -1},
        {L"img2.bmp", L"img10.bmp", -1},
        {L"img10.bmp", L"img2.bmp", 1},
        {L"第二章.bmp", L"第三章.bmp", -1},
        {L"第三章.bmp", L"第十章.bmp", -1},
        {L"第十章.bmp", L"第二章.bmp", 1},
        {L"①.bmp", L"⑩.bmp", -1},
        {L"Ⅱ.bmp", L"2.bmp", 0},
        {L"2.bmp", L"Ⅲ.bmp", -1},
        {L"Ⅱ.bmp", L"Ⅲ.bmp", -1},
        {L"file01.bmp", L"file1.bmp", 0},
        {L"写真2", L"写真１０", -1},
        {L"a2b", L"a2c", -1},
        {L"a2b3", L"a2b10", -1},
        // One prefix empty: the plain comparison decides ("1" < "a").
        {L"10.bmp", L"a.bmp", -1},
        {L"a.bmp", L"10.bmp", 1},
        {L"", L"", 0},
        {L"", L"a", -1},
        {L"a", L"", 1},
        {L"pics", L"pics0", 0},
        // Equal ignoring case: 0 for the same upper-cased text, else the longer first.
        {L"abc", L"ABC", 0},
        // A value beyond 64 bits falls back to the plain comparison.
        {L"x9223372036854775807十", L"x5", 1},
        {L"x5", L"x9223372036854775807十", -1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CompareNumeralText(c.a, c.b), c.expected);
        EXPECT_EQ(CompareNumeralText(c.b, c.a), -c.expected);
    }
}

TEST(CompareNumeralPathsTest, ComparesFoldersFirstThenNames) {
    const OrderCase cases[] = {
        {L"a.bmp", L"A.BMP", 0},
        {L"C:\\Pics\\IMG.bmp", L"c:\\pics\\img.BMP", 0},
        {L"C:\\x\\b1.bmp", L"C:\\y\\a1.bmp", -1},
        {L"C:\\dir2\\z.bmp", L"C:\\dir10\\a.bmp", -1},
        {L"C:\\写真\\第二章.bmp", L"C:\\写真\\第十章.bmp", -1},
        {L"C:a.bmp", L"C:\\a.bmp", 0},
        {L"D:/pics/img2.bmp", L"D:/pics/img10.bmp", -1},
        {L"", L"C:\\a.bmp", -1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CompareNumeralPaths(c.a, c.b), c.expected);
        EXPECT_EQ(CompareNumeralPaths(c.b, c.a), -c.expected);
    }
}

}  // namespace
}  // namespace tessera
