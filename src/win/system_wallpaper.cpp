#include "win/system_wallpaper.h"

#include <windows.h>

#include <cwctype>
#include <limits>
#include <optional>

#include "win/bitmap.h"
#include "win/registry.h"

namespace tessera::win {
namespace {

constexpr wchar_t kTileWallpaper[] = L"TileWallpaper";
constexpr wchar_t kWallpaperStyle[] = L"WallpaperStyle";
constexpr wchar_t kOriginX[] = L"WallpaperOriginX";
constexpr wchar_t kOriginY[] = L"WallpaperOriginY";
constexpr wchar_t kBackground[] = L"Background";
constexpr UINT kWallpaperPathLength = 260;

struct StyleValues {
    const wchar_t* tile;
    const wchar_t* style;
};

// The two registry texts that make the system show a wallpaper in a style; the styles it
// cannot show itself (contain, cover, span) are composed into a tiled image.
StyleValues StyleValuesFor(DisplayStyle style) {
    switch (style) {
        case DisplayStyle::Center: return {L"0", L"0"};
        case DisplayStyle::Tile: return {L"1", L"1"};
        case DisplayStyle::Stretch: return {L"0", L"2"};
        case DisplayStyle::Contain:
        case DisplayStyle::Cover:
        case DisplayStyle::Span: return {L"1", L"1"};
    }
    return {L"0", L"0"};
}

// A decimal integer with optional sign and surrounding blanks; nothing for other text or
// a number outside int32.
std::optional<std::int32_t> ParseDecimal(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, ++digits) {
        value = value * 10 + (text[i] - L'0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    while (i < text.size() && std::iswspace(text[i])) ++i;
    if (digits == 0 || i != text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// An origin value as an integer, or failing that as decimal text (0 when it is no number).
std::int32_t ReadOriginValue(const wchar_t* name) {
    if (RegValueType(HKEY_CURRENT_USER, kDesktopKey, name) == REG_DWORD) {
        return ReadRegInteger(HKEY_CURRENT_USER, kDesktopKey, name).value_or(0);
    }
    const auto text = ReadRegString(HKEY_CURRENT_USER, kDesktopKey, name);
    return ParseDecimal(text.value_or(L"")).value_or(0);
}

// A zero origin is written only over a non-zero one, so a missing value stays missing.
void WriteOriginValue(const wchar_t* name, std::int32_t value) {
    if (ReadOriginValue(name) == 0 && value == 0) return;
    WriteRegInteger(HKEY_CURRENT_USER, kDesktopKey, name, value);
}

}  // namespace

Color GetBackgroundColor() {
    return GetSysColor(COLOR_BACKGROUND) & 0xFFFFFF;
}

void SetBackgroundColor(Color color, bool persist) {
    if (persist && RegKeyOpens(HKEY_CURRENT_USER, kColorsKey)) {
        const std::wstring text = std::to_wstring(RedOf(color)) + L" " +
                                  std::to_wstring(GreenOf(color)) + L" " +
                                  std::to_wstring(BlueOf(color));
        WriteRegString(HKEY_CURRENT_USER, kColorsKey, kBackground, text);
    }
    const INT element = COLOR_BACKGROUND;
    const COLORREF value = color & 0xFFFFFF;
    SetSysColors(1, &element, &value);
}

std::wstring GetWallpaperFileName() {
    wchar_t buffer[kWallpaperPathLength + 1] = {};
    SystemParametersInfoW(SPI_GETDESKWALLPAPER, kWallpaperPathLength, buffer, 0);
    buffer[kWallpaperPathLength] = L'\0';
    return buffer;
}

DisplayStyle GetWallpaperStyle() {
    if (!RegKeyOpens(HKEY_CURRENT_USER, kDesktopKey)) return DisplayStyle::Center;
    if (ReadRegString(HKEY_CURRENT_USER, kDesktopKey, kTileWallpaper).value_or(L"") != L"0") {
        return DisplayStyle::Tile;
    }
    const auto style = ReadRegString(HKEY_CURRENT_USER, kDesktopKey, kWallpaperStyle);
    if (style == L"1") return DisplayStyle::Tile;
    if (style == L"2") return DisplayStyle::Stretch;
    return DisplayStyle::Center;
}

Point GetWallpaperOrigin() {
    if (!RegKeyOpens(HKEY_CURRENT_USER, kDesktopKey)) return {};
    const std::int32_t x = ReadOriginValue(kOriginX);
    return {x, ReadOriginValue(kOriginY)};
}

bool ApplyWallpaper(const std::wstring& fileName, DisplayStyle style, Color color,
                    std::int32_t originX, std::int32_t originY) {
    if (RegKeyOpens(HKEY_CURRENT_USER, kDesktopKey)) {
        WriteOriginValue(kOriginX, originX);
        WriteOriginValue(kOriginY, originY);
        const StyleValues values = StyleValuesFor(style);
        WriteRegString(HKEY_CURRENT_USER, kDesktopKey, kTileWallpaper, values.tile);
        WriteRegString(HKEY_CURRENT_USER, kDesktopKey, kWallpaperStyle, values.style);
    }
    const Color rgb = ResolveColor(color);
    if (rgb != GetBackgroundColor()) SetBackgroundColor(rgb, true);
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(fileName.c_str()),
                                 SPIF_UPDATEINIFILE) != FALSE;
}

}  // namespace tessera::win
