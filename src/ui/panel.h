#pragma once
// A panel: a child window with a background colour that docks its own children and paints
// double-buffered; onPaint draws over the background into the off-screen image.
#include <windows.h>

#include <functional>

#include "core/color.h"
#include "ui/dock.h"
#include "ui/window.h"

namespace tessera::ui {

class Panel : public Window {
public:
    Panel(std::wstring name, Component* owner) : Window(std::move(name), owner) {}
    bool Create(HWND parent, RECT bounds, DWORD extraStyle = 0);

    DockLayout& Dock() { return dock_; }
    void Arrange();
    Color BackgroundColor() const { return color_; }
    void SetBackgroundColor(Color color);
    std::function<void(HDC, RECT)> onPaint;
    std::function<void()> onResize;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();

    DockLayout dock_;
    Color color_ = 0x80000000 | COLOR_BTNFACE;
};

// Paints through an off-screen image of the window's client area.
void PaintBuffered(HWND window, const std::function<void(HDC, RECT)>& paint);

}  // namespace tessera::ui
