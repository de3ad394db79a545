#include "core/tile_anchor.h"

#include <cwctype>
#include <string>

namespace tessera {

std::optional<TileAnchor> ParseTileAnchor(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    std::wstring word;
    for (wchar_t c : text)
        word.push_back(c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c);
    if (word == L"primary") return TileAnchor::Primary;
    if (word == L"desktop") return TileAnchor::Desktop;
    return std::nullopt;
}

// Windows 8 is version 6.2.
TileAnchor TileAnchorForVersion(std::uint32_t major, std::uint32_t minor) {
    const bool windows8OrLater = major > 6 || (major == 6 && minor >= 2);
    return windows8OrLater ? TileAnchor::Desktop : TileAnchor::Primary;
}

Point TileAnchorPoint(TileAnchor anchor, const TMyScreen& screen) {
    if (anchor == TileAnchor::Desktop) return {screen.DesktopLeft(), screen.DesktopTop()};
    return {0, 0};
}

}  // namespace tessera
