#include "win/my_file_strings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "win/path_compare.h"
#include "support/list_lines.h"

namespace tessera::win {
namespace {

using testing::Lines;

// A pump that counts its calls and stops the scan once a number of calls is reached.
class ScriptedPump final : public MessagePump {
  public:
    explicit ScriptedPump(int stopAfter = -1) : stopAfter_(stopAfter) {}
    bool ProcessMessages() override { return ++calls_ != stopAfter_; }
    int Calls() const { return calls_; }

  private:
    int stopAfter_;
    int calls_ = 0;
};

// A folder tree in %TEMP%, removed at the end of the test.
class FolderTree {
  public:
    FolderTree() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"tessera_scan_" + std::to_wstring(GetCurrentProcessId()) +
                L"_" + std::to_wstring(GetTickCount64());
        std::filesystem::create_directories(root_);
    }
    ~FolderTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    const std::wstring& Root() const { return root_; }
    std::wstring Path(const std::wstring& relative) const { return root_ + L"\\" + relative; }
    void File(const std::wstring& relative) const {
        const std::filesystem::path path(Path(relative));
        std::filesystem::create_directories(path.parent_path());
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }
    void Folder(const std::wstring& relative) const {
        std::filesystem::create_directories(Path(relative));
    }

  private:
    std::wstring root_;
};

class MyFileStringsTest : public ::testing::Test {
  protected:
    MyFileStringsTest() : previous_(SetTextCollation(nullptr)) { UseSystemCollation(); }
    ~MyFileStringsTest() override { SetTextCollation(previous_); }

    // Every file written below and the bitmaps the scans of these tests should find.
    void BuildTree() {
        for (const wchar_t* name :
             {L"z.bmp", L"Thumbs.db", L"b.BMP", L"c.jpg", L"a.bmp", L"picture", L"picture.bmp.txt",
              L"img10.Bmp", L"img2.bmp", L"sub10\\e.bmp", L"sub2\\d.bmp", L"sub2\\deep\\f.bmp",
              L"x.bmp\\g.bmp", L"x.bmp\\h.txt"}) {
            tree_.File(name);
        }
        tree_.Folder(L"empty");
    }

    const TextCollation* previous_;
    FolderTree tree_;
    ScriptedPump pump_;
};

TEST_F(MyFileStringsTest, AcceptsListedExtensionsIgnoringCase) {
    TMyFileStrings list(pump_);
    EXPECT_TRUE(list.IsAccepted(L"picture"));
    list.AddExtension(L".bmp");
    list.AddExtension(L".BMP");
    EXPECT_EQ(list.Extensions().Count(), 1);
    const struct {
        const wchar_t* name;
        bool accepted;
    } cases[] = {
        {L"C:\\a.bmp", true}, {L"C:\\a.BMP", true},        {L"a.Bmp", true},
        {L"picture", false},  {L"picture.bmp.txt", false}, {L"C:\\dir.bmp\\file", false},
        {L"D:.bmp", true},    {L"x.bmpx", false},
    };
    for (const auto& c : cases) EXPECT_EQ(list.IsAccepted(c.name), c.accepted) << c.name;
}

TEST_F(MyFileStringsTest, FolderScanReadsSubfoldersInPathOrderAndSortsEachFolder) {
    BuildTree();
    TMyFileStrings list(pump_);
    list.AddExtension(L".bmp");
    EXPECT_TRUE(list.ScanPath(tree_.Root()));
    const std::wstring r = tree_.Root() + L"\\";
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{r + L"a.bmp", r + L"b.BMP", r + L"img2.bmp",
                                                      r + L"img10.Bmp", r + L"z.bmp",
                                                      r + L"sub2\\d.bmp", r + L"sub2\\deep\\f.bmp",
                                                      r + L"sub10\\e.bmp", r + L"x.bmp\\g.bmp"}));
    EXPECT_GT(pump_.Calls(), 16);  // after every entry and every folder
}

TEST_F(MyFileStringsTest, TrailingSeparatorAndPlainFolderPathFindTheSame) {
    BuildTree();
    TMyFileStrings withSeparator(pump_), plain(pump_);
    withSeparator.AddExtension(L".bmp");
    plain.AddExtension(L".bmp");
    withSeparator.ScanPath(tree_.Root() + L"\\");
    plain.ScanPath(tree_.Root());
    EXPECT_EQ(Lines(withSeparator), Lines(plain));
    EXPECT_EQ(withSeparator.Count(), 9);
}

TEST_F(MyFileStringsTest, WildcardReadsMatchingNamesAndEntersOnlyMatchingFolders) {
    BuildTree();
    TMyFileStrings list(pump_);
    EXPECT_TRUE(list.ScanPath(tree_.Path(L"*.bmp")));
    const std::wstring r = tree_.Root() + L"\\";
    // x.bmp is a folder whose name matches: it is entered and read whole.
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{r + L"a.bmp", r + L"b.BMP", r + L"img2.bmp",
                                                      r + L"img10.Bmp", r + L"z.bmp",
                                                      r + L"x.bmp\\g.bmp", r + L"x.bmp\\h.txt"}));
}

TEST_F(MyFileStringsTest, FilesAndMissingPathsAndDuplicateInputs) {
    BuildTree();
    TMyFileStrings list(pump_);
    list.AddExtension(L".bmp");
    TMyWStrings paths;
    for (const std::wstring& p :
         {tree_.Path(L"sub2\\d.bmp"), tree_.Path(L"SUB2\\D.BMP"), tree_.Path(L"picture.bmp.txt"),
          tree_.Path(L"missing.bmp"), tree_.Path(L"empty"), std::wstring()}) {
        paths.Add(p);
    }
    list.Add(L"kept");  // a scan adds to what is there
    EXPECT_TRUE(list.ScanList(paths));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), L"kept");
    EXPECT_EQ(
        CompareStringOrdinal(list.Get(1).c_str(), -1, tree_.Path(L"sub2\\d.bmp").c_str(), -1, TRUE),
        CSTR_EQUAL);
}

TEST_F(MyFileStringsTest, StoppedScanKeepsWhatItFoundAndReportsFalse) {
    BuildTree();
    ScriptedPump stopping(3);
    TMyFileStrings list(stopping);
    list.AddExtension(L".bmp");
    EXPECT_FALSE(list.ScanPath(tree_.Root()));
    EXPECT_EQ(stopping.Calls(), 3);
    EXPECT_LE(list.Count(), 3);
    const std::wstring r = tree_.Root() + L"\\";
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Get(i).rfind(r, 0), 0u) << list.Get(i).c_str();
}

TEST(SearchPatternTest, DrivesAndFoldersAreSearchedWhole) {
    const struct {
        const wchar_t* path;
        const wchar_t* pattern;
        const wchar_t* base;
    } cases[] = {
        {L"D:", L"D:\\*.*", L"D:\\"},
        {L"C:\\Pics\\", L"C:\\Pics\\*.*", L"C:\\Pics\\"},
        {L"C:\\Pics", L"C:\\Pics", L"C:\\"},
        {L"C:\\Pics\\*.bmp", L"C:\\Pics\\*.bmp", L"C:\\Pics\\"},
        {L"D:*.bmp", L"D:*.bmp", L"D:\\"},
        {L"//server/share/*.*", L"//server/share/*.*", L"//server/share/"},
        {L"a.bmp", L"a.bmp", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchPatternOf(c.path), c.pattern);
        EXPECT_EQ(BaseOfPattern(c.pattern), c.base);
    }
}

// Where a drive letter can be mapped to a folder (Windows; not Wine 8).
TEST_F(MyFileStringsTest, BareDriveReadsTheWholeDriveFromItsRoot) {
    BuildTree();
    wchar_t drive[] = L"A:";
    for (wchar_t letter = L'T'; letter <= L'Z'; ++letter) {
        drive[0] = letter;
        if (GetDriveTypeW((std::wstring(drive) + L"\\").c_str()) == DRIVE_NO_ROOT_DIR) break;
    }
    const std::wstring target = L"\\??\\" + tree_.Root();
    if (!DefineDosDeviceW(DDD_RAW_TARGET_PATH, drive, target.c_str()))
        GTEST_SKIP() << "no drive can be mapped here";
    if (GetFileAttributesW((std::wstring(drive) + L"\\a.bmp").c_str()) == INVALID_FILE_ATTRIBUTES) {
        DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION, drive, target.c_str());
        GTEST_SKIP() << "the mapped drive is not reachable here";
    }
    TMyFileStrings list(pump_);
    list.AddExtension(L".bmp");
    const bool complete = list.ScanPath(drive);
    DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION, drive, target.c_str());
    EXPECT_TRUE(complete);
    const std::wstring r = std::wstring(drive) + L"\\";
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{r + L"a.bmp", r + L"b.BMP", r + L"img2.bmp",
                                                      r + L"img10.Bmp", r + L"z.bmp",
                                                      r + L"sub2\\d.bmp", r + L"sub2\\deep\\f.bmp",
                                                      r + L"sub10\\e.bmp", r + L"x.bmp\\g.bmp"}));
}

TEST(SystemMessagePumpTest, QuitMarksTheApplicationAsShuttingDownAndIsPostedAgain) {
    PostQuitMessage(7);
    EXPECT_FALSE(SystemMessagePump().ProcessMessages());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace tessera::win
