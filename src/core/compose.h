#pragma once
// Desktop-wide wallpaper images on pixels: composing one source onto every monitor,
// tiling, and rearranging a composed image into the layout the system tiles from.
// Colours here are RGB values; system-colour references are resolved by the caller.
#include <cstdint>

#include "core/color.h"
#include "core/geometry.h"
#include "core/pixels.h"
#include "core/placement.h"
#include "core/screen.h"
#include "core/tile_anchor.h"

namespace tessera {

// Fills the part of `rect` inside the view.
void FillPixels(const Bgr24View& view, const Rect& rect, Color rgb);

// The part of `view` inside `rect` (clipped to the view) as a view of its own.
Bgr24View SubView(const Bgr24View& view, const Rect& rect);

// Copies the part `from` of `src` to `at` in `dest`; what lies outside either is skipped.
void CopyPixels(const Bgr24View& dest, Point at, const Bgr24View& src, const Rect& from);

// Covers `dest` with copies of `tile` on a grid through (offsetX, offsetY): pixel (x, y)
// becomes tile pixel ((x - offsetX) mod width, (y - offsetY) mod height). Nothing
// happens when either is empty.
void TilePixels(const Bgr24View& dest, const Bgr24View& tile, std::int32_t offsetX,
                std::int32_t offsetY);

// Fills the pixels of `dest` (wallpaper-image coordinates) that lie in no monitor.
void FillOutsideMonitors(const Bgr24View& dest, const TMyScreen& screen, Color rgb);

// Draws `source` onto every monitor of `screen` in `dest` (DesktopWidth x DesktopHeight,
// wallpaper-image coordinates): each monitor is filled with the background colour and
// shows the source as the style says, clipped to that monitor; the rest of `dest` is left
// alone. `params` carries RGB colours. An empty source leaves the background only.
void DrawMonitors(const Bgr24View& dest, const Bgr24View& source, const WallpaperParams& params,
                  const TMyScreen& screen);

// Copies every monitor's part of `composed` (wallpaper-image coordinates) to where a
// system tiling `dest` (desktop-sized) from `anchor` shows it, wrapping at the edges.
// The rest of `dest` is left alone.
void ArrangeWallpaperFile(const Bgr24View& dest, const Bgr24View& composed, Point anchor,
                          const TMyScreen& screen);

}  // namespace tessera
