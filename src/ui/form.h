#pragma once
// A form: a window that docks its controls, runs its actions from menus, tool bar and
// shortcuts, shows the hint of the control or menu item under the mouse in its status bar
// and as a pop-up, and keeps its font at the DPI of its monitor.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/action.h"
#include "ui/dock.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/window.h"
#include "win/handles.h"

namespace tessera::ui {

struct FontSpec {
    const wchar_t* face = L"ＭＳ Ｐゴシック";
    int designPixels = 12;
    BYTE charset = SHIFTJIS_CHARSET;
};

class Form : public Window {
public:
    Form(std::wstring name, Component* owner) : Window(std::move(name), owner) {}
    ~Form() override;

    ActionList* Actions() const { return actions_.get(); }
    StatusBar* Status() const { return statusBar_.get(); }
    ToolBar* Tools() const { return toolBar_.get(); }
    DockLayout& Dock() { return dock_; }
    void Arrange();

    // The hint shown in the status bar and as a pop-up while the mouse is over the control.
    void SetHint(HWND control, const std::wstring& hint);
    void ShowHint(const std::wstring& hint);
    bool PopupHints() const { return popupHints_; }
    void SetPopupHints(bool on);

    HFONT Font() const { return font_.get(); }
    // Handles the form's keyboard shortcuts; true when the message was one.
    bool TranslateShortcut(MSG& message);

    // Runs the action of a command id; true when one ran.
    bool RunCommand(UINT id);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The form whose menus are shown (a frame shows its active page's).
    virtual Form* MenuTarget() { return this; }
    virtual void OnResize() {}
    virtual bool OnControlCommand(HWND control, UINT code);  // controls other than the tool bar
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnDpiChanged(UINT dpi, const RECT* suggested);

    void SetActions(std::unique_ptr<ActionList> actions) { actions_ = std::move(actions); }
    void SetStatusBar(std::unique_ptr<StatusBar> bar);
    void SetToolBar(std::unique_ptr<ToolBar> bar);
    void SetFontSpec(const FontSpec& spec);
    void ApplyFont();

private:
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotifyMessage(const NMHDR& header);
    void OnSetCursor(HWND under);
    void OnMenuSelect(HMENU menu, UINT item, UINT flags);
    void OnDrawItem(const DRAWITEMSTRUCT& draw);
    void OnMeasureItem(MEASUREITEMSTRUCT& measure);
    const MenuItem* MenuItemUnder(HMENU menu, UINT item, UINT flags) const;

    std::unique_ptr<ActionList> actions_;
    std::unique_ptr<StatusBar> statusBar_;
    std::unique_ptr<ToolBar> toolBar_;
    DockLayout dock_;
    std::map<HWND, std::wstring> hints_;
    HWND tooltip_ = nullptr;
    bool popupHints_ = true;
    FontSpec fontSpec_;
    win::UniqueFont font_;
};

}  // namespace tessera::ui
