#include "win/program_identity.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "win/prompts.h"

namespace tessera::win {
namespace {

namespace fs = std::filesystem;

fs::path TestExecutable() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    return fs::path(std::wstring(path, length));
}

// tests/ and src/app/ are siblings in the build tree.
fs::path BuiltProgram() {
    return TestExecutable().parent_path().parent_path() / L"src" / L"app" / L"tessera.exe";
}

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() / (L"tessera-identity-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

TEST(ProgramIdentity, TitleAndVersionInfoComeFromTheVersionResource) {
    const fs::path program = BuiltProgram();
    ASSERT_TRUE(fs::exists(program)) << program.string();
    const TMyFileVersionInfo info = ReadVersionInfo(program.wstring());
    EXPECT_EQ(info.ProductName, L"Tessera");
    EXPECT_EQ(info.OriginalFilename, L"tessera.exe");
    EXPECT_FALSE(info.FileVersion.empty());
    EXPECT_NE(info.Comments.find(L"壁紙"), std::wstring::npos);  // Japanese text intact
    EXPECT_TRUE(info.LegalTrademarks.empty());
    EXPECT_TRUE(info.SpecialBuild.empty());
    EXPECT_EQ(ProgramTitle(program.wstring()), L"Tessera");
}

TEST(ProgramIdentity, TitleFallsBackToTheFileNameWithoutItsLastExtension) {
    TempFolder folder;
    const fs::path copy = folder.path() / L"app.beta.exe";
    fs::copy_file(TestExecutable(), copy);  // an executable without version information
    EXPECT_EQ(ReadVersionInfo(copy.wstring()), TMyFileVersionInfo{});
    EXPECT_EQ(ProgramTitle(copy.wstring()), L"app.beta");
    EXPECT_EQ(ReadVersionInfo((folder.path() / L"missing.exe").wstring()), TMyFileVersionInfo{});
}

TEST(ProgramIdentity, ProgramPathIsThisProcesssExecutable) {
    const std::wstring expected = TestExecutable().wstring();
    EXPECT_TRUE(SamePath(ProgramPath(), expected)) << fs::path(ProgramPath()).string();
    EXPECT_EQ(ProgramTitle(), TestExecutable().stem().wstring());  // no version resource

    // With an application window, the path is that of the window's process: ours.
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetApplicationWindow(window);
    EXPECT_TRUE(SamePath(ProgramPath(), expected));
    SetApplicationWindow(nullptr);
    DestroyWindow(window);
}

}  // namespace
}  // namespace tessera::win
