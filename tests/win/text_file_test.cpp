#include "win/text_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/my_wstrings.h"
#include "core/text_detect.h"
#include "win/code_page.h"
#include "win/multi_language.h"
#include "support/scratch_folder.h"
#include "support/byte_strings.h"

namespace tessera::win {
namespace {

using testing::B;

Bytes Narrow(const std::string& text) { return Bytes(text.begin(), text.end()); }

class FixedDetector final : public CodePageDetector {
public:
    explicit FixedDetector(std::optional<int> answer) : answer_(answer) {}
    std::optional<int> Detect(ByteView) override { return answer_; }

private:
    std::optional<int> answer_;
};

// A scratch folder per test, removed with whatever the test left in it.
class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallTextServices();
        folder_ = testing::UniqueTempFolder(L"tessera_text_file_test");
        CreateDirectoryW(folder_.c_str(), nullptr);
        path_ = folder_ + L"\\テキスト.txt";
    }
    void TearDown() override {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path_.c_str());
        EXPECT_TRUE(RemoveDirectoryW(folder_.c_str())) << "a temporary file was left behind";
    }
    Bytes Content() const {
        std::ifstream in(path_.c_str(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        return Narrow(bytes);
    }
    void Put(const Bytes& bytes) const {
        std::ofstream out(path_.c_str(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::wstring folder_;
    std::wstring path_;
};

const std::wstring kJapanese = L"壁紙 wallpaper \u2460\uff5e テスト\r\n二行目\r\n";

TEST_F(TextFileTest, TwelveEncodingsRoundTripUnderTheSystemCodePage) {
    ASSERT_EQ(SystemCodePage(), 932u);
    struct Case {
        TextEncoding encoding;
        Bytes start;  // the first bytes written
    };
    const Case cases[] = {
        {teAuto, B({0x95, 0xC7})},          {teAnsi, B({0x95, 0xC7})},
        {teUtf16LEBom, B({0xFF, 0xFE})},    {teUtf16LE, B({0xC1, 0x58})},
        {teUtf16BEBom, B({0xFE, 0xFF})},    {teUtf16BE, B({0x58, 0xC1})},
        {teUtf8Bom, B({0xEF, 0xBB, 0xBF})}, {teUtf8, B({0xE5, 0xA3, 0x81})},
        {teUtf7, Narrow("+")},              {teJis, B({0x1B, 0x24, 0x42})},
        {teEuc, B({0xCA, 0xC9})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.encoding));
        // The Unicode codes drop a leading U+FEFF and write their own signature, if any.
        const bool unicode = c.encoding >= teUtf16LEBom && c.encoding <= teUtf8;
        ASSERT_TRUE(WriteTextFile(path_, (unicode ? L"\xfeff" : L"") + kJapanese, c.encoding));
        EXPECT_EQ(Content().substr(0, c.start.size()), c.start);
        // An explicit code skips no signature: it reads as U+FEFF.
        const bool signature = !SignatureBytes(c.encoding).empty();
        TextEncoding encoding = c.encoding;
        const std::wstring expected = (signature ? L"\xfeff" : L"") + kJapanese;
        const std::wstring text = ReadTextFile(path_, encoding);
        EXPECT_EQ(text, c.encoding == teAuto ? kJapanese : expected);
        EXPECT_EQ(encoding, c.encoding == teAuto ? teAnsi : c.encoding);
    }
    // teBinary writes code-page text and reads any file as a dump.
    ASSERT_TRUE(WriteTextFile(path_, kJapanese, teBinary));
    EXPECT_EQ(Content().substr(0, 2), B({0x95, 0xC7}));
    TextEncoding encoding = teBinary;
    EXPECT_EQ(ReadTextFile(path_, encoding).substr(0, 8), L"95 C7 8E");
}

TEST_F(TextFileTest, WritesTheExactBytesOfSmallTexts) {
    ASSERT_TRUE(WriteTextFile(path_, L"abc", teUtf16BEBom));
    EXPECT_EQ(Content(), B({0xFE, 0xFF, 0, 'a', 0, 'b', 0, 'c'}));
    ASSERT_TRUE(WriteTextFile(path_, L"abc", teAuto));
    EXPECT_EQ(Content(), Narrow("abc"));
    ASSERT_TRUE(WriteTextFile(path_, L"\xd55c" L"a", teAuto));  // Hangul: not in code page 932
    EXPECT_EQ(Content(), B({0xEF, 0xBB, 0xBF, 0xED, 0x95, 0x9C, 'a'}));
    ASSERT_TRUE(WriteTextFile(path_, L"\xd55c", teAnsi));  // the code page's substitute
    EXPECT_EQ(Content(), Narrow("?"));
    ASSERT_TRUE(WriteTextFile(path_, L"", teUtf8Bom));
    EXPECT_EQ(Content(), B({0xEF, 0xBB, 0xBF}));
}

// Code page 1252 given explicitly: the test process itself runs under 932.
TEST_F(TextFileTest, WesternCodePageKeepsItsCharactersAndFallsBackToUtf8) {
    EXPECT_EQ(EncodeText(L"caf\u00e9", teAuto, 1252), B({'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(EncodeText(L"caf\u00e9", teAnsi, 1252), B({'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(EncodeText(L"\u58c1", teAuto, 1252), B({0xEF, 0xBB, 0xBF, 0xE5, 0xA3, 0x81}));
    EXPECT_EQ(EncodeText(L"\u2460", teAnsi, 1252), Narrow("?"));
    const std::wstring latin = L"na\u00efve \u00fcber \u20ac5\r\n";
    for (TextEncoding code : {teAnsi, teUtf8Bom, teUtf16LEBom, teUtf16BE, teUtf7}) {
        const auto bytes = EncodeText(latin, code, 1252);
        ASSERT_TRUE(bytes);
        TextEncoding encoding = code;
        const bool signature = !SignatureBytes(code).empty();
        EXPECT_EQ(DecodeText(*bytes, encoding, 1252), (signature ? L"\xfeff" : L"") + latin) << int(code);
    }
    FixedDetector unavailable(std::nullopt);
    ScopedCodePageDetector scripted(unavailable);
    TextEncoding encoding = teAuto;
    EXPECT_EQ(DecodeText(B({'c', 'a', 'f', 0xE9}), encoding, 1252), L"caf\u00e9");
    EXPECT_EQ(encoding, teAnsi);
}

TEST_F(TextFileTest, SignaturesDecideUnderAutoAndAreKeptUnderExplicitCodes) {
    Put(B({0xEF, 0xBB, 0xBF, 'a', '\r', '\n', 'b'}));
    TMyWStrings list;
    list.LoadFromFile(path_);
    EXPECT_EQ(list.Encoding(), teUtf8Bom);
    EXPECT_EQ(list.Get(0), L"a");
    TextEncoding explicitCode = teUtf8;
    list.LoadFromFile(path_, explicitCode);
    EXPECT_EQ(list.Get(0), L"\xfeff" L"a");
    Put(B({0xFF, 0xFE}));
    TextEncoding encoding = teAuto;
    EXPECT_EQ(ReadTextFile(path_, encoding), L"");
    EXPECT_EQ(encoding, teUtf16LEBom);
}

TEST_F(TextFileTest, MissingAndEmptyFilesLeaveTheEncodingAlone) {
    TMyWStrings list;
    list.Add(L"old");
    list.SetEncoding(teEuc);
    list.LoadFromFile(folder_ + L"\\missing.txt");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Encoding(), teEuc);
    Put(Bytes());
    list.LoadFromFile(path_);
    EXPECT_EQ(list.Encoding(), teEuc);
    TextEncoding encoding = teJis;
    EXPECT_EQ(ReadTextFile(folder_, encoding), L"");  // a folder is no file
}

TEST_F(TextFileTest, ListsSaveBackInTheEncodingAndBreaksTheyWereReadWith) {
    const Bytes original = B({0xFE, 0xFF, 0x58, 0xC1, 0, '\n', 0, 'x', 0, '\n'});
    Put(original);
    TMyWStrings list;
    list.LoadFromFile(path_);
    EXPECT_EQ(list.Encoding(), teUtf16BEBom);
    EXPECT_EQ(list.LineBreak(), lbLf);
    EXPECT_EQ(list.GetObject(0), nullptr);  // reached through <windows.h>'s GetObject macro
    ASSERT_TRUE(list.SaveToFile(path_));
    EXPECT_EQ(Content(), original);
    ASSERT_TRUE(list.SaveToFile(path_, teAnsi, lbCr));
    EXPECT_EQ(Content(), B({0x95, 0xC7, '\r', 'x', '\r'}));
}

TEST_F(TextFileTest, AFailedWriteKeepsThePreviousFile) {
    Put(Narrow("previous"));
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteTextFile(path_, L"new", teAuto));
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Content(), Narrow("previous"));
    EXPECT_FALSE(WriteTextFile(folder_ + L"\\no such folder\\x.txt", L"new", teAuto));
    EXPECT_FALSE(WriteTextFile(folder_, L"new", teAuto));  // a folder is not replaced
    ASSERT_TRUE(WriteTextFile(path_, L"new", teAuto));
    EXPECT_EQ(Content(), Narrow("new"));
}

TEST_F(TextFileTest, ALockedFileIsTriedFourTimesThenReadsEmpty) {
    Put(Narrow("locked"));
    HANDLE lock = CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    int pumps = 0;
    const auto previous = SetTextFilePump([&] { ++pumps; });
    TextEncoding encoding = teUtf8;
    const std::wstring text = ReadTextFile(path_, encoding);
    SetTextFilePump(previous);
    CloseHandle(lock);
    EXPECT_EQ(text, L"");
    EXPECT_EQ(pumps, 3);  // before each further attempt
    encoding = teAuto;
    EXPECT_EQ(ReadTextFile(path_, encoding), L"locked");
}

TEST_F(TextFileTest, BinaryFilesDumpSixteenBytesToARow) {
    FixedDetector unavailable(std::nullopt);
    ScopedCodePageDetector scripted(unavailable);
    for (int size : {32, 20}) {
        Bytes bytes;
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(i < 16 ? i : 0x41 + i));
        Put(bytes);
        TMyWStrings list;
        list.LoadFromFile(path_);
        EXPECT_EQ(list.Encoding(), teBinary);
        EXPECT_EQ(list.LineBreak(), lbCr);
        ASSERT_EQ(list.Count(), 2) << size;
        EXPECT_EQ(list.Get(0), L"00 01 02 03 04 05 06 07 - 08 09 0A 0B 0C 0D 0E 0F \t................");
        if (size == 32) {
            EXPECT_EQ(list.Get(1), L"51 52 53 54 55 56 57 58 - 59 5A 5B 5C 5D 5E 5F 60 \tQRSTUVWXYZ[\\]^_`");
        } else {
            EXPECT_EQ(list.Get(1), L"51 52 53 54" + std::wstring(39, L' ') + L"\tQRST" + std::wstring(12, L' '));
        }
    }
}

TEST_F(TextFileTest, ScriptedServiceAnswersMapToCodes) {
    const std::pair<int, TextEncoding> cases[] = {
        {65001, teUtf8}, {20932, teEuc}, {51932, teEuc}, {50222, teJis}, {1200, teUtf16LE},
        {1201, teUtf16BE}, {65000, teUtf7}, {932, teAnsi}, {949, teAnsi},
    };
    for (const auto& [codePage, code] : cases) {
        FixedDetector detector(codePage);
        ScopedCodePageDetector scripted(detector);
        EXPECT_EQ(DetectEncoding(Narrow("any text")), code) << codePage;
    }
    FixedDetector western(1252);  // hands over to the system's own test
    ScopedCodePageDetector scripted(western);
    EXPECT_EQ(DetectEncoding(B({'a', 0, 'b', 0})), teUtf16LE);
    EXPECT_EQ(DetectEncoding(B({0xEF, 0xBB, 0xBF})), teUtf8Bom);
}

// The real service where it answers (Windows); Wine does not implement its detection, so
// there the system's own test decides, as it does when the service is missing.
TEST_F(TextFileTest, DetectsSamplesWithoutSignature) {
    struct Case {
        const char* name;
        Bytes sample;
        TextEncoding serviceCode;
    };
    const Case cases[] = {
        {"Shift_JIS", *EncodeText(kJapanese, teAnsi), teAnsi},
        {"UTF-8", *EncodeText(kJapanese, teUtf8), teUtf8},
        {"EUC-JP", *EncodeText(kJapanese, teEuc), teEuc},
        {"ISO-2022-JP", *EncodeText(kJapanese, teJis), teJis},
        {"UTF-16LE", *EncodeText(L"plain ascii text", teUtf16LE), teUtf16LE},
        {"UTF-16BE", *EncodeText(L"plain ascii text", teUtf16BE), teUtf16BE},
    };
    for (const auto& c : cases) {
        const std::optional<int> service = DetectWithMultiLanguage(c.sample);
        const TextEncoding detected = DetectEncoding(c.sample);
        if (service && *service != 1252) {
            EXPECT_EQ(detected, c.serviceCode) << c.name;
        } else {
            EXPECT_EQ(detected, EncodingFromDetection(c.sample, std::nullopt)) << c.name;
        }
    }
    // What the system's own test decides alone.
    FixedDetector unavailable(std::nullopt);
    ScopedCodePageDetector scripted(unavailable);
    EXPECT_EQ(DetectEncoding(*EncodeText(kJapanese, teAnsi)), teAnsi);
    EXPECT_EQ(DetectEncoding(*EncodeText(kJapanese, teUtf8)), teUtf8);
    EXPECT_EQ(DetectEncoding(*EncodeText(L"plain ascii text", teUtf16LE)), teUtf16LE);
    EXPECT_EQ(DetectEncoding(*EncodeText(L"\u3042\u3044\u3046\u3048\u304a", teUtf16BE) + B({0, 0})), teUtf16BE);
    EXPECT_EQ(DetectEncoding(B({'a', 0x7F, 'b'})), teBinary);
}

}  // namespace
}  // namespace tessera::win
