#include "ui/window.h"

#include "win/dpi.h"
#include "win/prompts.h"

namespace tessera::ui {
namespace {

std::wstring WidenMessage(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

void ReportException(const std::exception* error) {
    std::wstring text = L"操作を完了できませんでした";
    if (error && error->what() && *error->what()) text += L"\r" + WidenMessage(error->what());
    try {
        win::ShowInfo(text);
    } catch (...) {
        MessageBeep(MB_ICONHAND);  // nothing else can be shown
    }
}

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::CreateWindowOfClass(const wchar_t* className, const std::wstring& caption, DWORD style,
                                 DWORD exStyle, RECT bounds, HWND parent, HMENU menu,
                                 UINT classStyle) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc.cbSize = sizeof wc;
        wc.style = classStyle;
        wc.lpfnWndProc = &Window::WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(instance, L"MAINICON");
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc)) return false;
    }
    // A left edge of CW_USEDEFAULT lets the system choose the position, not the size.
    return CreateWindowExW(exStyle, className, caption.c_str(), style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menu,
                           instance, this) != nullptr;
}

Rect Window::Bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    if (HWND parent = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd_) : nullptr) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right, r.bottom};
}

void Window::SetBounds(const Rect& bounds) {
    SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Window::ClientSize() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {r.right, r.bottom};
}

UINT Window::Dpi() const {
    return win::DpiOfWindow(hwnd_);
}

int Window::Scale(int designPixels) const {
    return win::ScaleToDpi(designPixels, Dpi());
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// No exception may cross into the system: a failed command or message is reported here
// and the program goes on.
LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            const LRESULT result = self->HandleMessage(message, wParam, lParam);
            self->hwnd_ = nullptr;
            return result;
        }
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportException(&error);
    } catch (...) {
        ReportException(nullptr);
    }
    if (message == WM_NCDESTROY) self->hwnd_ = nullptr;
    if (message == WM_NCCREATE) return FALSE;  // the window is not created
    return message == WM_CREATE ? -1 : 0;
}

}  // namespace tessera::ui
