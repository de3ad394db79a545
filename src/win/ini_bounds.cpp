#include "win/ini_bounds.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "win/monitors.h"

namespace tessera::win {
namespace {

std::wstring Key(std::wstring_view name, const wchar_t* edge) { return std::wstring(name) + edge; }

bool FitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// A stored rectangle that is empty, inverted or too large for 32-bit sizes cannot be
// shown; the window then keeps its current bounds.
bool IsUsable(const Rect& r) {
    const std::int64_t w = std::int64_t{r.right} - r.left;
    const std::int64_t h = std::int64_t{r.bottom} - r.top;
    return w > 0 && h > 0 && FitsInt32(w) && FitsInt32(h);
}

std::int64_t FitEdge(std::int64_t edge, std::int64_t size, std::int64_t low, std::int64_t high) {
    if (size >= high - low) return low;
    return std::clamp(edge, low, high - size);
}

}  // namespace

Rect ReadBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& current) {
    return {ini.ReadInteger(section, Key(name, L"_Left"), current.left),
            ini.ReadInteger(section, Key(name, L"_Top"), current.top),
            ini.ReadInteger(section, Key(name, L"_Right"), current.right),
            ini.ReadInteger(section, Key(name, L"_Bottom"), current.bottom)};
}

Rect FitIntoWorkArea(const Rect& bounds, const Rect& workArea) {
    const std::int64_t w = std::int64_t{bounds.right} - bounds.left;
    const std::int64_t h = std::int64_t{bounds.bottom} - bounds.top;
    const std::int64_t left = FitEdge(bounds.left, w, workArea.left, workArea.right);
    const std::int64_t top = FitEdge(bounds.top, h, workArea.top, workArea.bottom);
    if (!FitsInt32(left + w) || !FitsInt32(top + h)) return bounds;
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(left + w),
            static_cast<std::int32_t>(top + h)};
}

Rect FitBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& current) {
    Rect r = ReadBounds(ini, section, name, current);
    if (!IsUsable(r)) r = current;
    return FitIntoWorkArea(r, WorkAreaFromRect(r));
}

void WriteBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, const Rect& bounds) {
    ini.WriteInteger(section, Key(name, L"_Left"), bounds.left);
    ini.WriteInteger(section, Key(name, L"_Top"), bounds.top);
    ini.WriteInteger(section, Key(name, L"_Right"), bounds.right);
    ini.WriteInteger(section, Key(name, L"_Bottom"), bounds.bottom);
}

Rect WindowBounds(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const HWND parent = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return FromWinRect(r);
}

void RestoreBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, HWND window) {
    const Rect r = FitBounds(ini, section, name, WindowBounds(window));
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WriteBounds(TMyIniFile& ini, std::wstring_view section, std::wstring_view name, HWND window) {
    WriteBounds(ini, section, name, WindowBounds(window));
}

}  // namespace tessera::win
