#include "ui/form.h"

#include <commctrl.h>

#include "win/dpi.h"

namespace tessera::ui {

Form::~Form() {
    if (IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void Form::Arrange() {
    RECT client{};
    GetClientRect(Handle(), &client);
    dock_.Arrange(client);
}

void Form::SetStatusBar(std::unique_ptr<StatusBar> bar) {
    statusBar_ = std::move(bar);
    if (statusBar_) dock_.Add(statusBar_->Handle(), Align::Bottom);
}

void Form::SetToolBar(std::unique_ptr<ToolBar> bar) {
    toolBar_ = std::move(bar);
    if (!toolBar_) return;
    dock_.Add(toolBar_->Handle(), Align::Top);
    toolBar_->onHint = [this](const std::wstring& hint) { ShowHint(hint); };
}

void Form::SetHint(HWND control, const std::wstring& hint) {
    hints_[control] = hint;
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
        SendMessageW(tooltip_, TTM_ACTIVATE, popupHints_, 0);
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::ShowHint(const std::wstring& hint) {
    if (statusBar_) statusBar_->SetHint(hint);
}

void Form::SetPopupHints(bool on) {
    popupHints_ = on;
    if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, on, 0);
    if (toolBar_) toolBar_->SetPopupHints(on);
}

void Form::SetFontSpec(const FontSpec& spec) {
    fontSpec_ = spec;
    ApplyFont();
}

// Re-creates the font at the window's current DPI and hands it to every child.
void Form::ApplyFont() {
    font_.reset(
        win::CreateDesignFont(fontSpec_.face, fontSpec_.designPixels, Dpi(), fontSpec_.charset));
    EnumChildWindows(
        Handle(),
        [](HWND child, LPARAM font) -> BOOL {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font_.get()));
}

bool Form::TranslateShortcut(MSG& message) {
    Form* target = MenuTarget();
    if (!target || !target->actions_) return false;
    HACCEL table = target->actions_->Accelerators();
    return table && TranslateAcceleratorW(Handle(), table, &message);
}

bool Form::RunCommand(UINT id) {
    return actions_ && actions_->ExecuteId(id);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Arrange();
            OnResize();
            return 0;
        case WM_COMMAND: OnCommand(wParam, lParam); return 0;
        case WM_NOTIFY: return OnNotifyMessage(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_SETCURSOR: OnSetCursor(reinterpret_cast<HWND>(wParam)); break;
        case WM_MENUSELECT:
            OnMenuSelect(reinterpret_cast<HMENU>(lParam), LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            if (Form* t = MenuTarget(); t && t->actions_) t->actions_->Update();
            return 0;
        case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_MEASUREITEM:
            OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DPICHANGED_AFTERPARENT: OnDpiChanged(Dpi(), nullptr); return 0;
        default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    const UINT id = LOWORD(wParam);
    // Menus and shortcuts (no control) and the tool bar run actions of the menu's form.
    if (!control || (toolBar_ && control == toolBar_->Handle())) {
        Form* target = control ? this : MenuTarget();
        if (target) target->RunCommand(id);
        return;
    }
    OnControlCommand(control, HIWORD(wParam));
}

bool Form::OnControlCommand(HWND, UINT) {
    return false;
}

bool Form::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}

LRESULT Form::OnNotifyMessage(const NMHDR& header) {
    LRESULT result = 0;
    if (toolBar_ && toolBar_->HandleNotify(header, result)) return result;
    if (header.code == TTN_GETDISPINFOW && header.hwndFrom == tooltip_) {
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        const auto found = hints_.find(reinterpret_cast<HWND>(header.idFrom));
        info.lpszText = found != hints_.end() ? const_cast<wchar_t*>(found->second.c_str())
                                              : const_cast<wchar_t*>(L"");
        return 0;
    }
    OnNotify(header, result);
    return result;
}

// Automatic hints: the hint of the control under the mouse, or of its nearest parent
// that has one. The tool bar reports its buttons itself.
void Form::OnSetCursor(HWND under) {
    if (toolBar_ && under == toolBar_->Handle()) return;
    for (HWND window = under; window && window != Handle(); window = GetParent(window)) {
        const auto found = hints_.find(window);
        if (found != hints_.end()) return ShowHint(found->second);
    }
    ShowHint(L"");
}

const MenuItem* Form::MenuItemUnder(HMENU menu, UINT item, UINT flags) const {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoW(menu, item, (flags & MF_POPUP) != 0, &info)) return nullptr;
    return reinterpret_cast<const MenuItem*>(info.dwItemData);
}

void Form::OnMenuSelect(HMENU menu, UINT item, UINT flags) {
    Form* target = MenuTarget();
    if (!target) return;
    const MenuItem* selected =
        (flags == 0xFFFF && !menu) ? nullptr : MenuItemUnder(menu, item, flags);
    const bool ours = selected && selected->menu;
    target->ShowHint(ours && selected->action ? selected->action->Hint() : std::wstring());
}

void Form::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType == ODT_MENU) {
        const auto* item = reinterpret_cast<const MenuItem*>(draw.itemData);
        if (item && item->menu) item->menu->Draw(draw);
        return;
    }
    if (statusBar_ && draw.hwndItem == statusBar_->Handle()) statusBar_->Draw(draw);
}

void Form::OnMeasureItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return;
    const auto* item = reinterpret_cast<const MenuItem*>(measure.itemData);
    if (item && item->menu) item->menu->Measure(measure, Handle());
}

// Follows the monitor's DPI: the system's suggested bounds, then fonts and layout.
void Form::OnDpiChanged(UINT, const RECT* suggested) {
    if (suggested && !(GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD)) {
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ApplyFont();
    Arrange();
}

}  // namespace tessera::ui
