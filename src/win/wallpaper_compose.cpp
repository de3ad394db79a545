#include "win/wallpaper_compose.h"

#include <windows.h>

#include <optional>

#include "core/codecs/image_format.h"
#include "core/compose.h"
#include "win/image_files.h"
#include "win/system_wallpaper.h"

namespace tessera::win {
namespace {

// Pixels of any bitmap as 24-bit rows; a 32-bit one is converted into `holder`.
Bgr24View Pixels24(const Bitmap& bitmap, std::optional<Bitmap>& holder) {
    if (bitmap.Empty()) return {};
    if (bitmap.Format() == PixelFormat::Bgr24) return bitmap.Pixels();
    holder = bitmap.Clone();
    holder->ConvertTo24();
    return holder->Pixels();
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The source for ComposeWallpaperFromFile: only JPEG and BMP files are read. Anything
// else stands for a blank picture of the virtual screen's size in the background colour;
// drawn in any style it leaves every monitor in the background colour, exactly as no
// source does, so no source is used instead of drawing a desktop-sized blank.
Bitmap LoadWallpaperSource(const std::wstring& path) {
    if (!FileExists(path)) return {};
    Bitmap source;
    switch (codecs::FormatOfPath(path)) {
        case codecs::ImageFormat::Jpeg:
            if (!LoadJpegToBitmap(source, path)) return {};
            return source;
        case codecs::ImageFormat::Bmp:
            if (!LoadBmpToBitmap(source, path)) return {};
            return source;
        default: return {};
    }
}

}  // namespace

// All drawing goes into a new bitmap that replaces `dest` at the end: the destination is
// written whole, and a failure on the way leaves it as it was.
void ComposeWallpaper(Bitmap& dest, const Bitmap& source, const WallpaperParams& params,
                      const TMyScreen& screen) {
    GdiFlush();
    Bitmap working(screen.DesktopWidth(), screen.DesktopHeight());
    const Bgr24View pixels = working.Pixels();
    FillOutsideMonitors(pixels, screen, ResolveColor(params.OutsideColor));
    WallpaperParams resolved = params;
    resolved.BackgroundColor = ResolveColor(params.BackgroundColor);
    resolved.OutsideColor = ResolveColor(params.OutsideColor);
    std::optional<Bitmap> converted;
    DrawMonitors(pixels, Pixels24(source, converted), resolved, screen);
    working.SetBrushColor(params.BackgroundColor);
    working.SetTransparent(dest.Transparent(), dest.TransparentColor());
    dest = std::move(working);
}

void ComposeWallpaperFromFile(Bitmap& dest, const std::wstring& fileName,
                              const WallpaperParams& params, const TMyScreen& screen) {
    const std::wstring path = fileName.empty() ? GetWallpaperFileName() : fileName;
    const Bitmap source = LoadWallpaperSource(path);
    ComposeWallpaper(dest, source, params, screen);
}

void MakeWallpaperFileImage(Bitmap& dest, const Bitmap& composed, Color fillColor,
                            const TMyScreen& screen, TileAnchor anchor) {
    GdiFlush();
    std::optional<Bitmap> converted;
    const Bgr24View from = Pixels24(composed, converted);
    Bitmap file(screen.DesktopWidth(), screen.DesktopHeight());
    // FillBitmap without restore, on the pixels: the brush keeps the fill colour.
    FillPixels(file.Pixels(), {0, 0, file.Width(), file.Height()}, ResolveColor(fillColor));
    file.SetBrushColor(fillColor);
    ArrangeWallpaperFile(file.Pixels(), from, TileAnchorPoint(anchor, screen), screen);
    file.SetTransparent(dest.Transparent(), dest.TransparentColor());
    dest = std::move(file);
}

void TileBitmap(Bitmap& dest, const Bitmap& tile, std::int32_t offsetX, std::int32_t offsetY) {
    if (dest.Empty() || tile.Empty()) return;
    GdiFlush();
    std::optional<Bitmap> converted;
    const Bgr24View pattern = Pixels24(tile, converted);
    if (dest.Format() != PixelFormat::Bgr24) dest.ConvertTo24();
    TilePixels(dest.Pixels(), pattern, offsetX, offsetY);
}

}  // namespace tessera::win
