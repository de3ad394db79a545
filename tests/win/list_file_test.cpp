#include "win/list_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "win/keys.h"
#include "win/program_identity.h"
#include "win/text_file.h"

namespace tessera::win {
namespace {

class ListFileTest : public testing::Test {
  protected:
    ListFileTest() {
        InstallTextServices();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ =
            std::wstring(temp) + L"tessera_" + std::to_wstring(GetCurrentProcessId()) + L".list";
    }
    ~ListFileTest() override { DeleteFileW(path_.c_str()); }

    void WriteBytes(const std::string& bytes) const {
        std::ofstream(std::filesystem::path(path_), std::ios::binary) << bytes;
    }
    std::string ReadBytes() const {
        std::ifstream in(std::filesystem::path(path_), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::wstring path_;
};

TEST_F(ListFileTest, NameIsTheProgramPathWithListExtension) {
    const std::wstring program = ProgramPath();
    const std::wstring name = ListFileName();
    ASSERT_GT(name.size(), 5u);
    EXPECT_EQ(name.substr(name.size() - 5), L".list");
    EXPECT_EQ(name.substr(0, name.size() - 5), program.substr(0, program.find_last_of(L'.')));
}

TEST_F(ListFileTest, BlankLinesAndCrOnlyBreaksSurviveARoundTrip) {
    const std::string bytes = "C:\\a.bmp\r\rD:\\notes.txt\rC:\\a.bmp\r";
    WriteBytes(bytes);
    TMyWStrings list;
    list.Add(L"replaced");
    ASSERT_TRUE(RestoreListFile(list, path_));
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Get(0), L"C:\\a.bmp");
    EXPECT_EQ(list.Get(1), L"");
    EXPECT_EQ(list.Get(2), L"D:\\notes.txt");
    EXPECT_EQ(list.Get(3), L"C:\\a.bmp");
    EXPECT_EQ(list.LineBreak(), lbCr);
    ASSERT_TRUE(StoreListFile(list, path_));
    EXPECT_EQ(ReadBytes(), bytes);
}

TEST_F(ListFileTest, NeverReadListSavesInTheDefaultsAndEmptyListWritesNothing) {
    TMyWStrings list;
    list.Add(L"C:\\写真\\第二章.bmp");
    list.Add(L"C:\\b.bmp");
    ASSERT_TRUE(StoreListFile(list, path_));
    EXPECT_EQ(ReadBytes(),
              "C:\\\x8e\xca\x90\x5e\\\x91\xe6\x93\xf1\x8f\xcd.bmp\r\nC:\\b.bmp\r\n");  // Shift_JIS
    TMyWStrings empty;
    ASSERT_TRUE(StoreListFile(empty, path_));
    EXPECT_EQ(ReadBytes(), "");
}

TEST_F(ListFileTest, ShiftAndCtrlSkipReadingAndWriting) {
    WriteBytes("C:\\a.bmp\r\n");
    ScriptedKeyState keys({VK_SHIFT, VK_CONTROL});
    const ScopedKeyState scoped(keys);
    TMyWStrings list;
    EXPECT_FALSE(RestoreListFile(list, path_));
    EXPECT_EQ(list.Count(), 0);
    list.Add(L"C:\\other.bmp");
    EXPECT_FALSE(StoreListFile(list, path_));
    EXPECT_EQ(ReadBytes(), "C:\\a.bmp\r\n");
}

TEST_F(ListFileTest, MissingFileLeavesTheList) {
    TMyWStrings list;
    list.Add(L"C:\\a.bmp");
    EXPECT_FALSE(RestoreListFile(list, path_ + L".missing"));
    EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace tessera::win
