#include "ui/tool_bar.h"

#include <commctrl.h>

#include <vector>

namespace tessera::ui {

ToolBar::ToolBar(std::wstring name, Component* owner, HWND parent, UINT controlId,
                 ActionList& actions, std::span<const ToolButtonSpec> buttons)
    : Component(std::move(name), owner), actions_(actions) {
    bar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                           WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                               CCS_NOPARENTALIGN | CCS_NORESIZE,
                           0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // The system's small tool bar images until the program brings its own artwork.
    SendMessageW(bar_, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    std::vector<TBBUTTON> table;
    for (const ToolButtonSpec& spec : buttons) {
        TBBUTTON button{};
        if (spec.style == ToolButtonStyle::Separator || !spec.action) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            const Action& action = actions_[spec.action];
            button.idCommand = static_cast<int>(action.Id());
            button.iBitmap = action.Spec().imageIndex >= 0 ? action.Spec().imageIndex : I_IMAGENONE;
            button.fsStyle = BTNS_BUTTON | (spec.style == ToolButtonStyle::Check ? BTNS_CHECK : 0) |
                             (spec.style == ToolButtonStyle::DropDown ? BTNS_DROPDOWN : 0);
            button.fsState = TBSTATE_ENABLED;
        }
        table.push_back(button);
    }
    SendMessageW(bar_, TB_ADDBUTTONSW, table.size(), reinterpret_cast<LPARAM>(table.data()));
    const DWORD buttonSize = static_cast<DWORD>(SendMessageW(bar_, TB_GETBUTTONSIZE, 0, 0));
    SetWindowPos(bar_, nullptr, 0, 0, 0, HIWORD(buttonSize) + 4,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    observer_ = actions_.AddObserver([this] { Refresh(); });
    Refresh();
}

ToolBar::~ToolBar() {
    actions_.RemoveObserver(observer_);
    if (IsWindow(bar_)) DestroyWindow(bar_);
}

void ToolBar::Refresh() {
    const int count = static_cast<int>(SendMessageW(bar_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(bar_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        const Action* action = actions_.FromId(static_cast<UINT>(button.idCommand));
        if (!action || (button.fsStyle & BTNS_SEP)) continue;
        SendMessageW(bar_, TB_ENABLEBUTTON, button.idCommand, MAKELPARAM(action->Enabled(), 0));
        SendMessageW(bar_, TB_CHECKBUTTON, button.idCommand, MAKELPARAM(action->Checked(), 0));
    }
}

void ToolBar::SetPopupHints(bool on) {
    popupHints_ = on;
    if (HWND tips = reinterpret_cast<HWND>(SendMessageW(bar_, TB_GETTOOLTIPS, 0, 0))) {
        SendMessageW(tips, TTM_ACTIVATE, on, 0);
    }
}

bool ToolBar::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        const Action* action = actions_.FromId(static_cast<UINT>(header.idFrom));
        if (!action ||
            header.hwndFrom != reinterpret_cast<HWND>(SendMessageW(bar_, TB_GETTOOLTIPS, 0, 0)))
            return false;
        info.lpszText =
            popupHints_ ? const_cast<wchar_t*>(action->Hint().c_str()) : const_cast<wchar_t*>(L"");
        result = 0;
        return true;
    }
    if (header.hwndFrom != bar_) return false;
    if (header.code == TBN_HOTITEMCHANGE) {
        const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
        const Action* action =
            (hot.dwFlags & HICF_LEAVING) ? nullptr : actions_.FromId(static_cast<UINT>(hot.idNew));
        if (onHint) onHint(action ? action->Hint() : std::wstring());
        result = 0;
        return true;
    }
    if (header.code == TBN_DROPDOWN) {
        const auto& drop = reinterpret_cast<const NMTOOLBARW&>(header);
        HMENU menu = dropDownMenu ? dropDownMenu(static_cast<UINT>(drop.iItem)) : nullptr;
        result = TBDDRET_DEFAULT;
        if (!menu) return true;
        RECT r{};
        SendMessageW(bar_, TB_GETRECT, drop.iItem, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(bar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        actions_.Update();
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0, GetParent(bar_),
                       nullptr);
        return true;
    }
    return false;
}

}  // namespace tessera::ui
