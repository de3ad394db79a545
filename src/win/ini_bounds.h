#pragma once
// Window bounds in the settings file: the keys NAME_Left, NAME_Top, NAME_Right and
// NAME_Bottom of a section, fitted back onto a work area when they are restored.
#include <windows.h>

#include <string_view>

#include "core/geometry.h"
#include "core/ini_file.h"

namespace tessera::win {

// The stored edges; each missing one is the current edge.
Rect ReadBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& current);
// ReadBounds moved into the work area of the monitor nearest to it, keeping its size.
Rect FitBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& current);
// Fits a rectangle into a work area; a rectangle wider or higher than the area is put at
// its left or top edge.
Rect FitIntoWorkArea(const Rect& bounds, const Rect& workArea);
void WriteBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& bounds);

// The same for a window: its bounds are screen coordinates for a top-level window and
// parent client coordinates for a child.
Rect WindowBounds(HWND window);
void RestoreBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, HWND window);
void WriteBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, HWND window);

}  // namespace tessera::win
