#pragma once
// A tool bar whose buttons point at actions: plain, check and drop-down buttons and
// separators. Button state follows the actions; tooltips show the hints and can be
// switched off.
#include <windows.h>

#include <functional>
#include <span>
#include <string>

#include "ui/action.h"
#include "ui/component.h"

namespace tessera::ui {

enum class ToolButtonStyle { Button, Check, DropDown, Separator };

struct ToolButtonSpec {
    const wchar_t* action;  // nullptr for a separator
    ToolButtonStyle style = ToolButtonStyle::Button;
};

class ToolBar : public Component {
public:
    ToolBar(std::wstring name, Component* owner, HWND parent, UINT controlId, ActionList& actions,
            std::span<const ToolButtonSpec> buttons);
    ~ToolBar() override;

    HWND Handle() const { return bar_; }
    void Refresh();
    bool PopupHints() const { return popupHints_; }
    void SetPopupHints(bool on);
    // The menu a drop-down button shows under itself.
    std::function<HMENU(UINT actionId)> dropDownMenu;
    // The hint of the button under the mouse ("" when it leaves the buttons).
    std::function<void(const std::wstring&)> onHint;

    // Tool bar and tooltip notifications sent to the parent; true when handled.
    bool HandleNotify(const NMHDR& header, LRESULT& result);

private:
    ActionList& actions_;
    int observer_ = 0;
    HWND bar_ = nullptr;
    bool popupHints_ = true;
};

}  // namespace tessera::ui
