#pragma once
// A live splitter between a top-aligned control and the rest: dragging it changes the
// control's height at once.
#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace tessera::ui {

class Splitter : public Window {
public:
    Splitter(std::wstring name, Component* owner) : Window(std::move(name), owner) {}
    // target: the control above whose height the splitter changes.
    bool Create(HWND parent, HWND target, int height);
    int minimumSize = 30;
    std::function<void()> onMoved;  // the parent re-arranges its children here

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnButtonDown(int y);
    void OnMouseMove(int y);

    HWND target_ = nullptr;
    bool dragging_ = false;
    int startY_ = 0;
    int startHeight_ = 0;
};

}  // namespace tessera::ui
