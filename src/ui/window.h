#pragma once
// Base of every window of the program: registers its class once, keeps `this` in the
// window from WM_NCCREATE on and hands each message to the virtual HandleMessage. The
// window procedure is the one place where exceptions of the UI are caught and shown.
#include <windows.h>

#include <exception>
#include <string>

#include "core/geometry.h"
#include "ui/component.h"

namespace tessera::ui {

class Window : public Component {
public:
    explicit Window(std::wstring name = {}, Component* owner = nullptr)
        : Component(std::move(name), owner) {}
    ~Window() override;

    HWND Handle() const { return hwnd_; }
    // Top-level windows in screen coordinates, children in their parent's client area.
    Rect Bounds() const;
    void SetBounds(const Rect& bounds);
    Size ClientSize() const;
    UINT Dpi() const;
    int Scale(int designPixels) const;  // a 96-DPI length at this window's DPI

protected:
    bool CreateWindowOfClass(const wchar_t* className, const std::wstring& caption, DWORD style,
                             DWORD exStyle, RECT bounds, HWND parent, HMENU menu = nullptr,
                             UINT classStyle = CS_DBLCLKS);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Shows an error that ended a command in a message box (through the prompt seam).
void ReportException(const std::exception* error);

}  // namespace tessera::ui
