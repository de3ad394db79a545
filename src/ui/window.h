#pragma once
// Base of every window of the program: registers its class once, keeps `this` in the
// window from WM_NCCREATE on and hands each message to the virtual HandleMessage.
#include <windows.h>

#include <string>

namespace tessera::ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Creates the window of a class registered under className on first use.
    bool CreateWindowOfClass(const wchar_t* className, const std::wstring& caption, DWORD style,
                             DWORD exStyle, RECT bounds, HWND parent, HMENU menu = nullptr);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace tessera::ui
