#include "ui/splitter.h"

#include <windowsx.h>

#include <algorithm>

namespace tessera::ui {

bool Splitter::Create(HWND parent, HWND target, int height) {
    target_ = target;
    return CreateWindowOfClass(L"TMySplitter", L"", WS_CHILD | WS_VISIBLE, 0, RECT{0, 0, 0, height},
                               parent);
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR: SetCursor(LoadCursorW(nullptr, IDC_SIZENS)); return TRUE;
        case WM_LBUTTONDOWN: OnButtonDown(GET_Y_LPARAM(lParam)); return 0;
        case WM_MOUSEMOVE: OnMouseMove(GET_Y_LPARAM(lParam)); return 0;
        case WM_LBUTTONUP: ReleaseCapture(); return 0;
        case WM_CAPTURECHANGED: dragging_ = false; return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void Splitter::OnButtonDown(int y) {
    RECT r{};
    GetWindowRect(target_, &r);
    startHeight_ = r.bottom - r.top;
    POINT p{0, y};
    ClientToScreen(Handle(), &p);
    startY_ = p.y;
    dragging_ = true;
    SetCapture(Handle());
}

void Splitter::OnMouseMove(int y) {
    if (!dragging_) return;
    POINT p{0, y};
    ClientToScreen(Handle(), &p);
    RECT parent{};
    GetClientRect(GetParent(Handle()), &parent);
    const int most = std::max(minimumSize, static_cast<int>(parent.bottom) - minimumSize);
    const int height =
        std::clamp(startHeight_ + static_cast<int>(p.y - startY_), minimumSize, most);
    RECT r{};
    GetWindowRect(target_, &r);
    SetWindowPos(target_, nullptr, 0, 0, r.right - r.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (onMoved) onMoved();
}

}  // namespace tessera::ui
