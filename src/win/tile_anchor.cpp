#include "win/tile_anchor.h"

#include "win/windows_version.h"

namespace tessera::win {

TileAnchor ChooseTileAnchor(std::wstring_view setting) {
    if (const auto chosen = ParseTileAnchor(setting)) return *chosen;
    const WindowsVersion version = GetWindowsVersion();
    return TileAnchorForVersion(version.major, version.minor);
}

}  // namespace tessera::win
