#include "ui/panel.h"

#include "win/bitmap.h"
#include "win/handles.h"

namespace tessera::ui {

void PaintBuffered(HWND window, const std::function<void(HDC, RECT)>& paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client{};
    GetClientRect(window, &client);
    if (client.right > 0 && client.bottom > 0) {
        win::UniqueMemoryDc memory(CreateCompatibleDC(dc));
        win::UniqueBitmap image(CreateCompatibleBitmap(dc, client.right, client.bottom));
        if (memory && image) {
            win::ScopedSelect select(memory.get(), image.get());
            paint(memory.get(), client);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
        } else {
            paint(dc, client);  // out of memory for the buffer: paint directly
        }
    }
    EndPaint(window, &ps);
}

bool Panel::Create(HWND parent, RECT bounds, DWORD extraStyle) {
    return CreateWindowOfClass(
        L"TMyPanel", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | extraStyle, 0,
        bounds, parent, nullptr, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

void Panel::Arrange() {
    RECT client{};
    GetClientRect(Handle(), &client);
    dock_.Arrange(client);
}

void Panel::SetBackgroundColor(Color color) {
    color_ = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Arrange();
            if (onResize) onResize();
            return 0;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: OnPaint(); return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void Panel::OnPaint() {
    PaintBuffered(Handle(), [this](HDC dc, RECT client) {
        win::UniqueBrush brush(CreateSolidBrush(win::ResolveColor(color_)));
        FillRect(dc, &client, brush.get());
        if (onPaint) onPaint(dc, client);
    });
}

}  // namespace tessera::ui
