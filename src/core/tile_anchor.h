#pragma once
// The screen point from which the system repeats a tiled wallpaper. Windows 7 and earlier
// tile from the primary monitor's corner; Windows 8 and later from the top-left corner of
// the whole virtual desktop. The wallpaper file is laid out for one of the two.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/geometry.h"
#include "core/screen.h"

namespace tessera {

enum class TileAnchor : std::uint8_t {
    Primary,  // (0, 0), the primary monitor's corner
    Desktop,  // the desktop rectangle's top-left corner
};

// "primary" or "desktop" in any case, blanks around ignored; anything else (including
// "auto" and an empty text) means: choose from the system's version.
std::optional<TileAnchor> ParseTileAnchor(std::wstring_view text);

// The anchor of the system with this version number.
TileAnchor TileAnchorForVersion(std::uint32_t major, std::uint32_t minor);

Point TileAnchorPoint(TileAnchor anchor, const TMyScreen& screen);

}  // namespace tessera
