#pragma once
// Where and how large a source image is drawn on each monitor: display styles, image
// positions, the tile origin and the size rules, in overflow-checked integer arithmetic.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/color.h"
#include "core/geometry.h"
#include "core/screen.h"

namespace tessera {

// Stored and exchanged as numbers; a value above Span behaves as Center.
enum class DisplayStyle : std::uint8_t {
    Center = 0,   // the source's own size, in the monitor
    Tile = 1,     // the source's own size, repeated from the origin monitor
    Stretch = 2,  // exactly the monitor's size
    Contain = 3,  // ContainSize in the monitor
    Cover = 4,    // CoverSize over the monitor
    Span = 5,     // CoverSize over the whole desktop rectangle
};

enum class ImagePosition : std::uint8_t {
    Default = 0,  // TopLeft for Tile, Center for every other style
    Center = 1,
    Left = 2,
    Right = 3,
    Top = 4,
    Bottom = 5,
    TopLeft = 6,
    BottomLeft = 7,
    TopRight = 8,
    BottomRight = 9,
    Offset = 10,  // OffsetX, OffsetY from the area's corner (no list entry)
};

// The monitor the tiles of DisplayStyle::Tile start from: an index of the monitor list,
// kTileOriginEachMonitor, or any other value for the first monitor.
using TileOrigin = std::int32_t;
constexpr TileOrigin kTileOriginEachMonitor = -1;
constexpr TileOrigin kTileOriginDefault = -2;

// The parameters of one composition.
struct WallpaperParams {
    DisplayStyle Style = DisplayStyle::Center;
    Color BackgroundColor = 0;
    ImagePosition Position = ImagePosition::Default;
    TileOrigin Origin = kTileOriginDefault;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    Color OutsideColor = 0;
    friend bool operator==(const WallpaperParams&, const WallpaperParams&) = default;
};

// List entries: the creation page shows all styles, the selection page the first three;
// the position list's index is the ImagePosition value (Offset has no entry).
inline constexpr std::array<std::wstring_view, 6> kDisplayStyleLabels = {
    L"中央に表示",         L"並べて表示",           L"拡大して表示",
    L"フルスクリーン表示", L"隙間なく拡大して表示", L"デスクトップ全体に拡大",
};
inline constexpr std::size_t kSelectionPageStyleCount = 3;
inline constexpr std::array<std::wstring_view, 10> kImagePositionLabels = {
    L"デフォルト",   L"中央に置く",   L"左に寄せる",   L"右に寄せる",   L"上に寄せる",
    L"下に寄せる",   L"左上に寄せる", L"左下に寄せる", L"右上に寄せる", L"右下に寄せる",
};
// The fixed entries of the tile-origin list, before one entry per monitor.
inline constexpr std::wstring_view kTileOriginDefaultLabel = L"デフォルト";
inline constexpr std::wstring_view kTileOriginEachMonitorLabel = L"各モニター";

// Styles above Span become Center; Default positions become TopLeft/Center.
DisplayStyle NormalizeStyle(DisplayStyle style);
ImagePosition ResolvePosition(DisplayStyle style, ImagePosition position);

// Aspect-keeping sizes; a result outside int32 throws std::range_error. An empty source
// (width or height below 1) gives (0, 0).
Size ContainSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
                 std::int32_t areaHeight);
Size CoverSize(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t areaWidth,
               std::int32_t areaHeight);

// The drawn size of a source on one monitor.
Size TargetSize(DisplayStyle style, std::int32_t sourceWidth, std::int32_t sourceHeight,
                const TMyMonitor& monitor, const TMyScreen& screen);

// The rectangle (screen coordinates) the position is resolved against.
Rect PlacementArea(DisplayStyle style, TileOrigin origin, const TMyMonitor& monitor,
                   const TMyScreen& screen);

// The offset of a drawn image from its area's corner for a resolved position.
Point PositionOffset(ImagePosition position, Size area, Size drawn, std::int32_t offsetX,
                     std::int32_t offsetY);

// Screen coordinates of the drawn image's top-left corner on one monitor (for Stretch,
// the monitor's corner). For Tile this is one tile; the others follow at multiples of
// the drawn size.
Point PlaceImage(const TMyMonitor& monitor, std::int32_t drawnWidth, std::int32_t drawnHeight,
                 const WallpaperParams& params, const TMyScreen& screen);

}  // namespace tessera
