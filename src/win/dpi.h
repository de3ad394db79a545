#pragma once
// Per-monitor DPI: sizes designed at 96 DPI scale with the DPI of the window's monitor.
#include <windows.h>

namespace tessera::win {

constexpr UINT kDesignDpi = 96;

// The DPI of the monitor the window is on (the system DPI when the platform cannot say).
UINT DpiOfWindow(HWND window);
// A length designed at 96 DPI, at the given DPI (rounded).
int ScaleToDpi(int designPixels, UINT dpi);
// A font of the face and pixel height designed at 96 DPI, at the given DPI.
HFONT CreateDesignFont(const wchar_t* face, int designPixels, UINT dpi, BYTE charset,
                       int weight = FW_NORMAL, bool underline = false);

}  // namespace tessera::win
