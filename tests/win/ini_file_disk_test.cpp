#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/ini_file.h"
#include "win/text_file.h"
#include "support/scratch_folder.h"

namespace tessera::win {
namespace {

class IniFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallTextServices();
        path_ = testing::UniqueTempFolder(L"tessera_設定") + L".ini";
        DeleteFileW(path_.c_str());
    }
    void TearDown() override { DeleteFileW(path_.c_str()); }
    std::string Content() const {
        std::ifstream in(path_.c_str(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Put(const std::string& bytes) const {
        std::ofstream out(path_.c_str(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    FILETIME LastWrite() const {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &data);
        return data.ftLastWriteTime;
    }
    std::wstring path_;
};

// "[S]\r\nA=12\r\nName=壁紙\r\n" in UTF-16 LE with signature.
std::string Utf16Settings() {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : std::wstring(L"[S]\r\nA=12\r\nName=\u58c1\u7d19\r\n")) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

TEST_F(IniFileOnDiskTest, ReadingOnlyLeavesBytesAndTimeStampAlone) {
    Put(Utf16Settings());
    // An old time stamp, so that any rewrite would show.
    FILETIME old{};
    SYSTEMTIME y2001{2001, 1, 1, 1, 0, 0, 0, 0};
    SystemTimeToFileTime(&y2001, &old);
    HANDLE file = CreateFileW(path_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
    {
        TMyIniFile ini(path_, teAuto);
        EXPECT_EQ(ini.ReadInteger(L"S", L"A", 0), 12);
        EXPECT_EQ(ini.ReadString(L"s", L"name", L""), L"壁紙");
        EXPECT_EQ(ini.ReadEncoding(), teUtf16LEBom);
    }
    EXPECT_EQ(Content(), Utf16Settings());
    const FILETIME now = LastWrite();
    EXPECT_EQ(CompareFileTime(&old, &now), 0);
}

TEST_F(IniFileOnDiskTest, ASavedFileBecomesCodePageTextOrUtf8) {
    Put(Utf16Settings());
    {
        TMyIniFile ini(path_, teAuto);
        ini.WriteInteger(L"S", L"A", 13);
    }
    EXPECT_EQ(Content(), "[S]\r\nA=13\r\nName=\x95\xC7\x8E\x86\r\n\r\n");
    {
        TMyIniFile ini(path_, teAuto);
        ini.WriteString(L"S", L"Korean", L"\ud55c");
    }
    EXPECT_EQ(Content(), "\xEF\xBB\xBF[S]\r\nA=13\r\nName=\xE5\xA3\x81\xE7\xB4\x99\r\nKorean=\xED\x95\x9C\r\n\r\n");
    TMyIniFile ini(path_, teAuto);
    EXPECT_EQ(ini.ReadString(L"S", L"Korean", L""), L"\ud55c");
}

TEST_F(IniFileOnDiskTest, ANewFileIsCreatedOnlyWhenWritten) {
    { TMyIniFile ini(path_, teAuto); }
    EXPECT_EQ(GetFileAttributesW(path_.c_str()), INVALID_FILE_ATTRIBUTES);
    {
        TMyIniFile ini(path_, teAuto);
        ini.WriteBool(L"WALLPAPERSET_Option", L"Flag", true);
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_FALSE(ini.UpdateFile());  // nothing written since
    }
    EXPECT_EQ(Content(), "[WALLPAPERSET_Option]\r\nFlag=1\r\n\r\n");
}

}  // namespace
}  // namespace tessera::win
