#pragma once
// The user's desktop settings: wallpaper file, style, origin and background colour, read
// from and written to HKEY_CURRENT_USER and applied through the system's parameters.
// Registry values of an unexpected type and refused writes throw RegistryError.
#include <cstdint>
#include <string>

#include "core/color.h"
#include "core/geometry.h"
#include "core/placement.h"

namespace tessera::win {

inline constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
inline constexpr wchar_t kColorsKey[] = L"Control Panel\\Colors";

// GetSysColor(COLOR_BACKGROUND) as an RGB value.
Color GetBackgroundColor();
// Sets the desktop background colour (RGB); with `persist` also stores it in the registry.
void SetBackgroundColor(Color color, bool persist);
// The current wallpaper's file name; empty when there is none.
std::wstring GetWallpaperFileName();
// Center, Tile or Stretch, as the system will show the wallpaper.
DisplayStyle GetWallpaperStyle();
Point GetWallpaperOrigin();
// Writes origin and style, changes the background colour (RGB or a system-colour
// reference) when it differs, and registers the existing file as wallpaper; true when the
// system accepted the file.
bool ApplyWallpaper(const std::wstring& fileName, DisplayStyle style, Color color,
                    std::int32_t originX, std::int32_t originY);

}  // namespace tessera::win
