#include "win/dpi.h"

namespace tessera::win {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time: older systems lack it, and then the system DPI applies.
GetDpiForWindowFunction DpiForWindowFunction() {
    static const auto function = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

}  // namespace

UINT DpiOfWindow(HWND window) {
    if (window) {
        if (GetDpiForWindowFunction function = DpiForWindowFunction()) {
            const UINT dpi = function(window);
            if (dpi > 0) return dpi;
        }
    }
    return SystemDpi();
}

int ScaleToDpi(int designPixels, UINT dpi) {
    return MulDiv(designPixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

HFONT CreateDesignFont(const wchar_t* face, int designPixels, UINT dpi, BYTE charset, int weight,
                       bool underline) {
    LOGFONTW font{};
    font.lfHeight = -ScaleToDpi(designPixels, dpi);
    font.lfWeight = weight;
    font.lfUnderline = underline;
    font.lfCharSet = charset;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

}  // namespace tessera::win
