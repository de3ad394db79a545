#pragma once
// Desktop-wide wallpaper images on bitmaps: the composed image of one source in a style,
// the wallpaper file image the system tiles, and tiling a bitmap with a picture.
#include <cstdint>
#include <string>

#include "core/color.h"
#include "core/placement.h"
#include "core/screen.h"
#include "core/tile_anchor.h"
#include "win/bitmap.h"

namespace tessera::win {

// `dest` becomes a 24-bit DesktopWidth x DesktopHeight image: every monitor shows the
// background colour with the source drawn over it, the rest the outside colour. Its
// brush colour ends as the background colour. `dest` is replaced only once the image is
// complete, so it may also be the source.
void ComposeWallpaper(Bitmap& dest, const Bitmap& source, const WallpaperParams& params,
                      const TMyScreen& screen);

// ComposeWallpaper from a JPEG or BMP file (empty name: the current system wallpaper).
// A file that is missing, of another format or unreadable leaves every monitor in the
// background colour.
void ComposeWallpaperFromFile(Bitmap& dest, const std::wstring& fileName,
                              const WallpaperParams& params, const TMyScreen& screen);

// `dest` becomes a 24-bit desktop-sized image filled with `fillColor`, with every monitor's
// part of `composed` where a system that tiles from `anchor` shows it.
void MakeWallpaperFileImage(Bitmap& dest, const Bitmap& composed, Color fillColor,
                            const TMyScreen& screen, TileAnchor anchor);

// Covers `dest` with copies of `tile` on the grid through (offsetX, offsetY); nothing
// happens when either is empty. A 32-bit `dest` becomes 24-bit.
void TileBitmap(Bitmap& dest, const Bitmap& tile, std::int32_t offsetX, std::int32_t offsetY);

}  // namespace tessera::win
