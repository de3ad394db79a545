#include "cli/cli_commands.h"

#include <windows.h>

#include <string>

#include "cli/console_output.h"
#include "core/codecs/image_format.h"
#include "core/compose.h"
#include "win/bitmap.h"
#include "win/image_files.h"
#include "win/monitors.h"
#include "win/program_identity.h"
#include "win/system_wallpaper.h"
#include "win/tile_anchor.h"
#include "win/wallpaper_compose.h"
#include "win/windows_version.h"

namespace tessera::cli {
namespace {

std::wstring Describe(const Rect& r) {
    return L"(" + std::to_wstring(r.left) + L", " + std::to_wstring(r.top) + L")-(" +
           std::to_wstring(r.right) + L", " + std::to_wstring(r.bottom) + L")  " +
           std::to_wstring(r.Width()) + L" x " + std::to_wstring(r.Height());
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The wallpaper is registered by full path: the system does not know our working folder.
std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

win::Bitmap LoadPicture(const std::wstring& path) {
    if (!FileExists(path)) throw CliError(L"ファイルが見つかりません: " + path, kExitFailed);
    win::Bitmap picture;
    if (!win::LoadImageFile(picture, path)) {
        throw CliError(
            path + L"\n読み込めませんでした (読み込めるのは BMP、JPEG、GIF、ICO の画像です)",
            kExitFailed);
    }
    return picture;
}

void CheckMonitorIndex(int index, const TMyScreen& screen) {
    if (index >= 0 && index < screen.MonitorCount()) return;
    throw CliError(L"モニター " + std::to_wstring(index + 1) + L" はありません (モニターは " +
                       std::to_wstring(screen.MonitorCount()) + L" 台です)",
                   kExitUsage);
}

// As the creation page applies a monitor image: the chosen monitors' rectangles are copied
// from the picture's composed image into the wallpaper image.
void ApplyPicture(win::Bitmap& wallpaper, const Picture& picture, const TMyScreen& screen) {
    const win::Bitmap source = LoadPicture(picture.path);
    win::Bitmap composed;
    win::ComposeWallpaper(composed, source, picture.params, screen);
    std::vector<int> monitors = picture.monitors;
    if (monitors.empty()) {
        for (int i = 0; i < screen.MonitorCount(); ++i) monitors.push_back(i);
    }
    for (int index : monitors) {
        const Rect part = ScreenToWallpaperImage(screen.Monitors(index).BoundsRect(), screen);
        CopyPixels(wallpaper.Pixels(), part.TopLeft(), composed.Pixels(), part);
    }
}

// The name the writer gives the file (".jpg" becomes ".jpeg").
std::wstring SaveImage(const win::Bitmap& image, const std::wstring& path) {
    const std::wstring written =
        codecs::FormatOfPath(path) == codecs::ImageFormat::Jpeg ? codecs::JpegFileName(path) : path;
    if (!win::SaveImageFile(image, path))
        throw CliError(path + L"\n保存できませんでした", kExitFailed);
    return written;
}

// Saved and registered exactly as the creation page's "壁紙に設定" does.
std::wstring SetComposedWallpaper(const win::Bitmap& fileImage, const std::wstring& path) {
    const std::wstring full = FullPath(path);
    const std::wstring written = codecs::BmpFileName(full);
    if (!win::SaveBitmapAsBmp(fileImage, full))
        throw CliError(full + L"\n保存できませんでした", kExitFailed);
    if (!win::ApplyWallpaper(written, DisplayStyle::Tile, kDesktopBackgroundRef, 0, 0)) {
        throw CliError(written + L"\n壁紙に設定できませんでした", kExitFailed);
    }
    return written;
}

}  // namespace

int ListMonitors() {
    const TMyScreen& screen = win::MyScreen();
    const int primary = screen.PrimaryIndex();
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        WriteOut(L"モニター " + std::to_wstring(i + 1) + L": " +
                 Describe(screen.Monitors(i).BoundsRect()) +
                 (i == primary ? L"  プライマリ\n" : L"\n"));
    }
    WriteOut(L"デスクトップ: " + Describe(screen.DesktopRect()) + L"\n");
    const win::WindowsVersion version = win::GetWindowsVersion();
    const bool desktopAnchor = win::ChooseTileAnchor(L"") == TileAnchor::Desktop;
    WriteOut(L"並べて表示の基点: " +
             std::wstring(desktopAnchor ? L"desktop (デスクトップの左上)"
                                        : L"primary (プライマリモニターの左上)") +
             L"  Windows " + std::to_wstring(version.major) + L"." +
             std::to_wstring(version.minor) + L"." + std::to_wstring(version.build) + L"\n");
    return kExitOk;
}

int RunCompose(const ComposeRequest& request) {
    const TMyScreen& screen = win::MyScreen();
    for (const Picture& picture : request.pictures) {
        for (int index : picture.monitors) CheckMonitorIndex(index, screen);
        if (picture.params.Origin >= 0) CheckMonitorIndex(picture.params.Origin, screen);
    }
    // Monitors that no picture reaches show the desktop background colour.
    win::Bitmap wallpaper;
    win::ComposeWallpaper(wallpaper, win::Bitmap(),
                          {.BackgroundColor = kDesktopBackgroundRef, .OutsideColor = kWhite},
                          screen);
    for (const Picture& picture : request.pictures) ApplyPicture(wallpaper, picture, screen);

    if (!request.output.empty()) {
        WriteOut(L"壁紙画像を保存しました: " + SaveImage(wallpaper, request.output) + L"\n");
    }
    if (request.fileImage.empty() && request.setPath.empty()) return kExitOk;
    win::Bitmap fileImage;
    win::MakeWallpaperFileImage(fileImage, wallpaper, kDesktopBackgroundRef, screen,
                                win::ChooseTileAnchor(request.anchor));
    if (!request.fileImage.empty()) {
        WriteOut(L"壁紙ファイル画像を保存しました: " + SaveImage(fileImage, request.fileImage) +
                 L"\n");
    }
    if (!request.setPath.empty()) {
        WriteOut(L"壁紙に設定しました: " + SetComposedWallpaper(fileImage, request.setPath) +
                 L"\n");
    }
    return kExitOk;
}

int RunSet(const SetRequest& request) {
    if (!FileExists(request.path))
        throw CliError(L"ファイルが見つかりません: " + request.path, kExitFailed);
    const std::wstring full = FullPath(request.path);
    if (!win::ApplyWallpaper(full, request.style, request.color, request.origin.x,
                             request.origin.y)) {
        throw CliError(full + L"\n壁紙に設定できませんでした", kExitFailed);
    }
    WriteOut(L"壁紙に設定しました: " + full + L"\n");
    return kExitOk;
}

int ShowVersion() {
    const auto info = win::ReadVersionInfo(win::ProgramPath());
    WriteOut(L"tessera-cli " + info.FileVersion + L"\n");
    return kExitOk;
}

}  // namespace tessera::cli
