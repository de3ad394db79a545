#include "app/main_window.h"

#include <commctrl.h>

namespace tessera::app {
namespace {

constexpr wchar_t kClassName[] = L"TApp_TOOLWallpaper";
constexpr wchar_t kCaption[] = L"壁紙設定";
constexpr const wchar_t* kTabCaptions[] = {L"壁紙作成", L"壁紙選択"};

}  // namespace

bool TApp_TOOLWallpaper::Create() {
    return CreateWindowOfClass(kClassName, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                               RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 800, CW_USEDEFAULT + 600},
                               nullptr);
}

LRESULT TApp_TOOLWallpaper::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: OnCreate(); return 0;
        case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void TApp_TOOLWallpaper::OnCreate() {
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                            0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    int index = 0;
    for (const wchar_t* caption : kTabCaptions) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(tabs_, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
}

void TApp_TOOLWallpaper::OnSize(int width, int height) {
    MoveWindow(tabs_, 0, 0, width, height, TRUE);
}

void TApp_TOOLWallpaper::OnDestroy() { PostQuitMessage(0); }

}  // namespace tessera::app
