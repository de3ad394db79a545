// tessera-cli as a script would use it, on the two monitors of the `left` layout: two
// pictures composed onto the two monitors and set as the wallpaper must give the file, the
// registry values and the pixels the creation page's "壁紙に設定" gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/compose.h"
#include "support/layouts.h"
#include "win/bitmap.h"
#include "win/desktop_settings_guard.h"
#include "win/image_files.h"
#include "win/monitors.h"
#include "win/system_wallpaper.h"
#include "win/tile_anchor.h"
#include "win/wallpaper_compose.h"

namespace tessera {
namespace {

using win::Bitmap;

struct RunResult {
    DWORD exitCode = 0;
    std::wstring out;
    std::wstring error;
};

// For failure messages.
std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

// The program sits at src\cli in the build tree, beside the tests folder.
std::wstring CliPath() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return FolderOf(FolderOf(self)) + L"\\src\\cli\\tessera-cli.exe";
}

std::wstring ReadUtf8File(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return L"(missing)";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), text.data(),
                                           static_cast<int>(text.size()));
    if (!bytes.empty() && length == 0) return L"(not UTF-8)";
    text.resize(static_cast<std::size_t>(length));
    return text;
}

HANDLE InheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                       CREATE_ALWAYS, 0, nullptr);
}

// Runs tessera-cli with its output and errors redirected to files.
RunResult RunCli(const std::wstring& arguments) {
    static int runs = 0;
    const std::wstring run =
        std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++runs);
    const std::wstring outPath = TempFolder() + L"tessera_cli_out_" + run + L".txt";
    const std::wstring errorPath = TempFolder() + L"tessera_cli_err_" + run + L".txt";
    HANDLE out = InheritableFile(outPath);
    HANDLE error = InheritableFile(errorPath);
    STARTUPINFOW startup{sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out;
    startup.hStdError = error;
    std::wstring commandLine = L"\"" + CliPath() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    RunResult result{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(out);
    CloseHandle(error);
    if (!started) {
        result.exitCode = 0xDEAD;
        return result;
    }
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.out = ReadUtf8File(outPath);
    result.error = ReadUtf8File(errorPath);
    DeleteFileW(outPath.c_str());
    DeleteFileW(errorPath.c_str());
    return result;
}

constexpr Color kTopLeft = MakeRgb(200, 0, 0), kTopRight = MakeRgb(0, 200, 0);
constexpr Color kBottomLeft = MakeRgb(0, 0, 200), kBottomRight = MakeRgb(200, 200, 0);

Bitmap QuadrantPicture(int width, int height, Color shade) {
    Bitmap picture(width, height);
    const Bgr24View view = picture.Pixels();
    FillPixels(view, {0, 0, width / 2, height / 2}, kTopLeft | shade);
    FillPixels(view, {width / 2, 0, width, height / 2}, kTopRight | shade);
    FillPixels(view, {0, height / 2, width / 2, height}, kBottomLeft | shade);
    FillPixels(view, {width / 2, height / 2, width, height}, kBottomRight | shade);
    return picture;
}

Color ColorAt(const Bitmap& image, int x, int y) {
    const std::uint8_t* p = image.Pixels().At(x, y);
    return MakeRgb(p[2], p[1], p[0]);
}

class CliOnLeftLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        if (testing::CurrentLayout().name != "left") GTEST_SKIP() << "runs on the left layout";
        folder_ = TempFolder();
    }
    std::wstring folder_;
};

TEST_F(CliOnLeftLayout, ComposesTwoPicturesAndSetsThemAsTheCreationPageDoes) {
    testing::DesktopSettingsGuard guard;
    testing::WriteRaw(testing::kDesktopKeyPath, L"WallpaperOriginX", {});
    testing::WriteRaw(testing::kDesktopKeyPath, L"WallpaperOriginY", {});
    const std::wstring first = folder_ + L"tessera e2e first.bmp";
    const std::wstring second = folder_ + L"tessera e2e second.bmp";
    const std::wstring target = folder_ + L"tessera_e2e_wallpaper";  // the writer adds .bmp
    ASSERT_TRUE(win::SaveImageFile(QuadrantPicture(400, 300, 0), first));
    ASSERT_TRUE(win::SaveImageFile(QuadrantPicture(200, 150, MakeRgb(0, 0, 55)), second));

    const RunResult run = RunCli(L"compose --style fill --monitor 1 \"" + first +
                                 L"\" --style center --background 10,20,30 --monitor=2 \"" +
                                 second + L"\" --set \"" + target + L"\"");
    ASSERT_EQ(run.exitCode, 0u) << Utf8(run.error);
    const std::wstring written = target + L".bmp";
    EXPECT_EQ(run.out, L"壁紙に設定しました: " + written + L"\r\n");

    // Registered as a tiled wallpaper from (0, 0); the origin values stay missing. (The
    // registry, not SPI_GETDESKWALLPAPER: Wine keeps that per process.)
    EXPECT_EQ(testing::ReadRawText(testing::kDesktopKeyPath, L"Wallpaper"), written);
    EXPECT_EQ(testing::ReadRawText(testing::kDesktopKeyPath, L"TileWallpaper"), L"1");
    EXPECT_EQ(testing::ReadRawText(testing::kDesktopKeyPath, L"WallpaperStyle"), L"1");
    EXPECT_FALSE(testing::ReadRaw(testing::kDesktopKeyPath, L"WallpaperOriginX").type);

    Bitmap file;
    ASSERT_TRUE(win::LoadImageFile(file, written));
    ASSERT_EQ(file.Width(), 3200);
    ASSERT_EQ(file.Height(), 1080);

    // The creation page: each picture's monitor image applied to its monitor, rearranged
    // for the system's tiling with the desktop colour as fill.
    const TMyScreen& screen = win::MyScreen();
    Bitmap wallpaper(3200, 1080), composed;
    win::ComposeWallpaper(composed, QuadrantPicture(400, 300, 0),
                          {.Style = DisplayStyle::Cover,
                           .BackgroundColor = kDesktopBackgroundRef,
                           .OutsideColor = kWhite},
                          screen);
    CopyPixels(wallpaper.Pixels(), {1280, 0}, composed.Pixels(), {1280, 0, 3200, 1080});
    win::ComposeWallpaper(composed, QuadrantPicture(200, 150, MakeRgb(0, 0, 55)),
                          {.Style = DisplayStyle::Center,
                           .BackgroundColor = MakeRgb(10, 20, 30),
                           .OutsideColor = kWhite},
                          screen);
    CopyPixels(wallpaper.Pixels(), {0, 0}, composed.Pixels(), {0, 0, 1280, 1024});
    const TileAnchor anchor = win::ChooseTileAnchor(L"");
    Bitmap expected;
    win::MakeWallpaperFileImage(expected, wallpaper, kDesktopBackgroundRef, screen, anchor);
    for (int y = 0; y < 1080; ++y) {
        ASSERT_EQ(std::memcmp(file.Pixels().Row(y), expected.Pixels().Row(y), 3200 * 3), 0)
            << "row " << y;
    }

    // Where the parts are, read directly: primary part at its place for the anchor, the
    // centred second picture on the left monitor, the desktop colour in the gap.
    const Point primary = anchor == TileAnchor::Primary ? Point{0, 0} : Point{1280, 0};
    const Point left = anchor == TileAnchor::Primary ? Point{1920, 0} : Point{0, 0};
    const Color desktop = win::GetBackgroundColor();
    EXPECT_EQ(ColorAt(file, primary.x + 3, primary.y + 3), kTopLeft);
    EXPECT_EQ(ColorAt(file, primary.x + 1916, primary.y + 1076), kBottomRight);
    EXPECT_EQ(ColorAt(file, left.x + 540, left.y + 437), kTopLeft | MakeRgb(0, 0, 55));
    EXPECT_EQ(ColorAt(file, left.x + 539, left.y + 437), MakeRgb(10, 20, 30));
    EXPECT_EQ(ColorAt(file, left.x + 5, left.y + 1050), desktop);
    for (const std::wstring& path : {first, second, written}) DeleteFileW(path.c_str());
}

TEST_F(CliOnLeftLayout, ListsTheMonitorsInUtf8) {
    const RunResult run = RunCli(L"monitors");
    ASSERT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.out.find(L"モニター 1: (0, 0)-(1920, 1080)  1920 x 1080  プライマリ\r\n"),
              std::wstring::npos)
        << Utf8(run.out);
    EXPECT_NE(run.out.find(L"モニター 2: (-1280, 0)-(0, 1024)  1280 x 1024\r\n"),
              std::wstring::npos);
    EXPECT_NE(run.out.find(L"デスクトップ: (-1280, 0)-(1920, 1080)  3200 x 1080\r\n"),
              std::wstring::npos);
}

TEST_F(CliOnLeftLayout, BadInputGivesAMessageAndANonZeroExitCode) {
    const std::wstring text = folder_ + L"tessera_e2e_text.bmp";
    HANDLE file = CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "text", 4, &written, nullptr);
    CloseHandle(file);
    const std::wstring out = L" --output \"" + folder_ + L"tessera_e2e_out.bmp\"";
    struct Case {
        std::wstring arguments;
        DWORD exitCode;
        const wchar_t* message;
    } const cases[] = {
        {L"", 2, L"使い方"},
        {L"frobnicate", 2, L"不明なコマンドです: frobnicate"},
        {L"compose --bogus 1 a.bmp" + out, 2, L"不明なオプションです: --bogus"},
        {L"compose --background #12345 a.bmp" + out, 2, L"--background の値が正しくありません"},
        {L"compose --background 256,0,0 a.bmp" + out, 2, L"--background の値が正しくありません"},
        {L"compose --style 6 a.bmp" + out, 2, L"--style の値が正しくありません"},
        {L"compose --monitor 3 \"" + text + L"\"" + out, 2, L"モニター 3 はありません"},
        {L"compose a.bmp", 2, L"出力先"},
        {L"compose \"" + folder_ + L"no such picture.jpg\"" + out, 1, L"ファイルが見つかりません"},
        {L"compose \"" + text + L"\"" + out, 1, L"読み込めませんでした"},
        {L"set \"" + folder_ + L"no such picture.bmp\"", 1, L"ファイルが見つかりません"},
        {L"compose --offset", 2, L"値がありません"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << Utf8(c.arguments);
        EXPECT_NE(run.error.find(c.message), std::wstring::npos) << Utf8(c.arguments);
        EXPECT_EQ(run.out, L"");
    }
    EXPECT_EQ(GetFileAttributesW((folder_ + L"tessera_e2e_out.bmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
    DeleteFileW(text.c_str());
}

}  // namespace
}  // namespace tessera
