#pragma once
// The status bar: one owner-drawn panel showing the hint of whatever is under the mouse.
#include <windows.h>

#include <string>

#include "ui/component.h"

namespace tessera::ui {

class StatusBar : public Component {
public:
    StatusBar(std::wstring name, Component* owner, HWND parent, UINT controlId);
    ~StatusBar() override;

    HWND Handle() const { return bar_; }
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint);
    // The hint panel: one line, vertically centred, 2 pixels in, "&" shown as it is.
    void Draw(const DRAWITEMSTRUCT& draw) const;

private:
    HWND bar_ = nullptr;
    std::wstring hint_;
};

}  // namespace tessera::ui
