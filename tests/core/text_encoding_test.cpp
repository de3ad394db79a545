#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text_decode.h"
#include "core/text_detect.h"
#include "core/text_hex_dump.h"
#include "support/byte_strings.h"

namespace tessera {
namespace {

using testing::B;

Bytes Ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(TextEncodingTest, SignaturesAreRecognisedOnlyWhole) {
    struct Case {
        Bytes bytes;
        std::optional<TextEncoding> encoding;
    };
    const Case cases[] = {
        {B({0xEF, 0xBB, 0xBF, 'a'}), teUtf8Bom}, {B({0xEF, 0xBB, 0xBF}), teUtf8Bom},
        {B({0xEF, 0xBB}), std::nullopt},        {B({0xFF, 0xFE}), teUtf16LEBom},
        {B({0xFE, 0xFF, 0, 'a'}), teUtf16BEBom}, {B({0xFF}), std::nullopt},
        {Bytes(), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto signature = DetectSignature(c.bytes);
        EXPECT_EQ(signature ? std::optional(signature->encoding) : std::nullopt, c.encoding);
    }
    EXPECT_EQ(SignatureBytes(teUtf16BEBom), B({0xFE, 0xFF}));
    EXPECT_EQ(SignatureBytes(teUtf8), Bytes());
}

TEST(TextEncodingTest, Utf8RoundTripsAndRepairsMalformedInput) {
    const std::wstring text = L"a\u00e9\u58c1\u7d19 \xd83d\xde00";  // é 壁紙 and a surrogate pair
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(L"\x58c1"), B({0xE5, 0xA3, 0x81}));
    EXPECT_EQ(EncodeUtf8(L"\xd800x"), B({0xEF, 0xBF, 0xBD, 'x'}));  // a lone surrogate
    struct Case {
        Bytes bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {B({'a', 0x80, 'b'}), L"a\xfffd" L"b"},
        {B({0xE6, 0xA3}), L"\xfffd"},                 // truncated at the end
        {B({0xE6, 0xA3, 'x'}), L"\xfffd" L"x"},       // truncated before an ASCII byte
        {B({0xC0, 0xAF}), L"\xfffd\xfffd"},           // overlong
        {B({0xED, 0xA0, 0x80}), L"\xfffd\xfffd\xfffd"},  // an encoded surrogate
        {B({0xF4, 0x90, 0x80, 0x80}), L"\xfffd\xfffd\xfffd\xfffd"},  // above U+10FFFF
        {B({'a', 0, 'b'}), L"a"},                     // ends at the first zero byte
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << ::testing::PrintToString(c.bytes);
}

TEST(TextEncodingTest, Utf16InBothByteOrders) {
    EXPECT_EQ(EncodeUtf16(L"ab", true), B({0, 'a', 0, 'b'}));
    EXPECT_EQ(EncodeUtf16(L"\x58c1", false), B({0xC1, 0x58}));
    EXPECT_EQ(DecodeUtf16(B({'a', 0, 'b', 0, 'c'}), false), L"ab");  // an odd last byte is dropped
    EXPECT_EQ(DecodeUtf16(B({0, 'a', 0, 0, 0, 'b'}), true), L"a");  // ends at a zero unit
    const std::wstring lone = L"\xdc00x";
    EXPECT_EQ(DecodeUtf16(EncodeUtf16(lone, true), true), lone);
}

TEST(TextEncodingTest, CodePagesMapToCodes) {
    const std::pair<int, TextEncoding> cases[] = {
        {65001, teUtf8}, {65000, teUtf7}, {1200, teUtf16LE}, {1201, teUtf16BE}, {20932, teEuc},
        {51932, teEuc},  {51936, teEuc},  {51949, teEuc},    {50220, teJis},    {50221, teJis},
        {50222, teJis},  {50225, teJis},  {50227, teJis},    {-1, teBinary},    {932, teAnsi},
        {1252, teAnsi},  {437, teAnsi},
    };
    for (const auto& [codePage, encoding] : cases) EXPECT_EQ(EncodingOfCodePage(codePage), encoding) << codePage;
}

TEST(TextDetectTest, SystemTestRecognisesShiftJisUtf16AndBinary) {
    struct Case {
        Bytes sample;
        int codePage;
    };
    const Case cases[] = {
        {Ascii("plain text\r\n"), 932},
        {B({0x95, 0xC7, 0x8E, 0x86, 0x0D, 0x0A}), 932},      // 壁紙 in Shift_JIS
        {B({0xB1, 0xB2, 0xB3}), 932},                        // half-width katakana
        {B({0x95, 0x20}), -1},                               // trail byte below 0x40
        {B({'a', 0x7F}), -1},
        {B({'a', 0xFD}), -1},
        {B({'a', 0xA0}), -1},
        {B({0x81, 0xA0}), 932},                              // 0xA0 after a lead byte
        {B({'a', 0, 'b', 0, 'c', 0}), 1200},
        {B({0, 'a', 0, 'b', 0, 'c'}), 1201},
        {B({0x42, 0x30, 0x44, 0x30}), 932},                  // no zero byte: Shift_JIS decides
        {B({0x30, 0x42, 0x30, 0x44, 0x00, 0x00}), 1201},     // "あい" BE with a zero unit
        {B({0x01, 0, 0x02, 0, 0x03, 0x04}), -1},
        {B({0}), 1200},                                      // an empty text passes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemCodePageTest(c.sample), c.codePage) << ::testing::PrintToString(c.sample);
    }
}

TEST(TextDetectTest, ServiceAnswersAreMappedAnd1252FallsBackToTheSystemTest) {
    const Bytes utf16 = B({'a', 0, 'b', 0});
    EXPECT_EQ(EncodingFromDetection(utf16, std::nullopt), teUtf16LE);
    EXPECT_EQ(EncodingFromDetection(utf16, 1252), teUtf16LE);
    EXPECT_EQ(EncodingFromDetection(utf16, 65001), teUtf8);
    EXPECT_EQ(EncodingFromDetection(utf16, 51932), teEuc);
    EXPECT_EQ(EncodingFromDetection(Ascii("\xEF\xBB\xBFx"), 932), teUtf8Bom);
    EXPECT_EQ(EncodingFromDetection(B({'a', 0x7F}), std::nullopt), teBinary);
}

// Without the service, well-formed multi-byte UTF-8 is UTF-8 rather than a dump or
// Shift_JIS; Shift_JIS text and short runs that only happen to fit are not.
TEST(TextDetectTest, WellFormedUtf8IsRecognisedWithoutTheService) {
    const Bytes japanese = B({0xE5, 0xA3, 0x81, 0xE7, 0xB4, 0x99, '\r', '\n', 0xE3, 0x81, 0x82});
    EXPECT_EQ(EncodingFromDetection(japanese, std::nullopt), teUtf8);
    EXPECT_EQ(EncodingFromDetection(japanese, 1252), teUtf8);
    EXPECT_EQ(EncodingFromDetection(japanese, 932), teAnsi);  // the service's answer stands
    EXPECT_EQ(EncodingFromDetection(B({0x95, 0xC7, 0x8E, 0x86}), std::nullopt), teAnsi);
    EXPECT_EQ(EncodingFromDetection(B({0xC3, 0xBD, 0xC4}), std::nullopt), teAnsi);  // cut short
    EXPECT_EQ(EncodingFromDetection(Ascii("plain"), std::nullopt), teAnsi);
    Bytes cut(kDetectionSampleSize - 1, 'a');
    cut.push_back(0xE5);  // a full sample ending inside a character
    cut[0] = 0xC3;
    cut[1] = 0xA9;
    EXPECT_EQ(EncodingFromDetection(cut, std::nullopt), teUtf8);
}

TEST(TextHexDumpTest, RowsAreSixtyEightCharactersWithPaddedLastRow) {
    Bytes bytes;
    for (int i = 0; i < 20; ++i) bytes.push_back(static_cast<std::uint8_t>(0x41 + i));
    int rows = 0;
    const std::string dump =
        AsString(HexDumpBytes(bytes, [](std::uint8_t) { return false; }, [&] { ++rows; }));
    EXPECT_EQ(rows, 2);
    ASSERT_EQ(dump.size(), 2 * kHexDumpRowLength);
    EXPECT_EQ(dump.substr(0, 68),
              "41 42 43 44 45 46 47 48 - 49 4A 4B 4C 4D 4E 4F 50 \tABCDEFGHIJKLMNOP\r");
    EXPECT_EQ(dump.substr(68), "51 52 53 54" + std::string(39, ' ') + "\tQRST" + std::string(12, ' ') + "\r");
    Bytes full(32, 0x30);
    EXPECT_EQ(HexDumpBytes(full, [](std::uint8_t) { return false; }).size(), 2 * kHexDumpRowLength);
    EXPECT_TRUE(HexDumpBytes(Bytes(), [](std::uint8_t) { return false; }).empty());
}

TEST(TextHexDumpTest, TextColumnHidesBytesThatCannotShow) {
    const auto isLead = [](std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF); };
    // 0x00, 0x7F, 0xFD; 0x95 0xC7 a whole character; 0xA0 alone and after a lead byte;
    // a lead byte in the last column.
    const Bytes bytes = B({0xA0, 0x00, 0x7F, 0xFD, 0x95, 0xC7, 'a', 0xA0, 0x81, 0xA0, 'b', 'c', 'd', 'e', 'f', 0x95});
    const std::string dump = AsString(HexDumpBytes(bytes, isLead));
    const std::string text = dump.substr(51, 16);
    EXPECT_EQ(text, std::string("\xA0...\x95\xC7" "a.\x81\xA0" "bcdef."));
}

TEST(TextDecodeTest, AutoSkipsSignaturesAndExplicitCodesKeepThem) {
    const TextPlatform platform;  // no code pages: the portable parts only
    TextEncoding encoding = teAuto;
    EXPECT_EQ(DecodeTextBytes(B({0xEF, 0xBB, 0xBF, 'h', 'i'}), encoding, platform), L"hi");
    EXPECT_EQ(encoding, teUtf8Bom);
    encoding = teUtf8;
    EXPECT_EQ(DecodeTextBytes(B({0xEF, 0xBB, 0xBF, 'h', 'i'}), encoding, platform), L"\xfeffhi");
    encoding = teAuto;
    EXPECT_EQ(DecodeTextBytes(B({0xFF, 0xFE}), encoding, platform), L"");
    EXPECT_EQ(encoding, teUtf16LEBom);
    encoding = static_cast<TextEncoding>(200);  // above 11 counts as teAuto
    EXPECT_EQ(DecodeTextBytes(B({0xFE, 0xFF, 0, 'x'}), encoding, platform), L"x");
    EXPECT_EQ(encoding, teUtf16BEBom);
    encoding = teAuto;
    EXPECT_EQ(DecodeTextBytes(B({'a', 0, 'b', 0}), encoding, platform), L"ab");
    EXPECT_EQ(encoding, teUtf16LE);
}

TEST(TextDecodeTest, UnknownBytesBecomeADumpOfCrLines) {
    TextPlatform platform;
    platform.detectCodePage = [](ByteView) { return std::optional<int>(1252); };
    TextEncoding encoding = teAuto;
    const std::wstring text = DecodeTextBytes(B({'a', 0x7F, 'b'}), encoding, platform);
    EXPECT_EQ(encoding, teBinary);
    EXPECT_EQ(text, L"61 7F 62" + std::wstring(42, L' ') + L"\ta.b" + std::wstring(13, L' ') + L"\r");
}

}  // namespace
}  // namespace tessera
