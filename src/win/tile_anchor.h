#pragma once
// Which corner the running system tiles the wallpaper from, unless a setting says.
#include <string_view>

#include "core/tile_anchor.h"

namespace tessera::win {

// `setting` is the TileAnchor setting ("primary", "desktop"; anything else: automatic,
// from the Windows version).
TileAnchor ChooseTileAnchor(std::wstring_view setting);

}  // namespace tessera::win
