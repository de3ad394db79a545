#include "ui/status_bar.h"

#include <commctrl.h>

namespace tessera::ui {

StatusBar::StatusBar(std::wstring name, Component* owner, HWND parent, UINT controlId)
    : Component(std::move(name), owner) {
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                           WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY,
                           0, 0, 0, GetSystemMetrics(SM_CYMENU) + 4, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), nullptr);
    int right = -1;
    SendMessageW(bar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    SendMessageW(bar_, SB_SETTEXTW, SBT_OWNERDRAW, 0);
}

StatusBar::~StatusBar() {
    if (IsWindow(bar_)) DestroyWindow(bar_);
}

void StatusBar::SetHint(const std::wstring& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    InvalidateRect(bar_, nullptr, TRUE);
}

void StatusBar::Draw(const DRAWITEMSTRUCT& draw) const {
    RECT rect = draw.rcItem;
    rect.left += 2;
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(bar_, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(draw.hDC, font) : nullptr;
    DrawTextW(draw.hDC, hint_.c_str(), static_cast<int>(hint_.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (previous) SelectObject(draw.hDC, previous);
}

}  // namespace tessera::ui
