#include "ui/preview.h"

#include <windowsx.h>

#include "core/screen.h"
#include "win/keys.h"
#include "win/monitors.h"

namespace tessera::ui {
namespace {

constexpr int kFrame = 3;

}  // namespace

DragAnchor& ProgramDragAnchor() {
    static DragAnchor anchor;
    return anchor;
}

bool PreviewGrid::Create(HWND parent) {
    return CreateWindowOfClass(L"TMyDrawGrid", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
                               RECT{0, 0, 0, 0}, parent);
}

void PreviewGrid::SetBitmap(const win::Bitmap* bitmap) {
    bitmap_ = bitmap;
    Refresh();
}

Size PreviewGrid::BitmapSize() const {
    return bitmap_ ? Size{bitmap_->Width(), bitmap_->Height()} : Size{};
}

void PreviewGrid::Refresh() {
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PreviewGrid::SetFitMode(bool fit) {
    fit_ = fit;
    if (fit_) SetImageBounds(image_);
}

// In fit mode the image is aligned to the whole area, whatever bounds were asked for.
void PreviewGrid::SetImageBounds(const ImageBounds& bounds) {
    const Size area = Area();
    image_ = fit_ ? ImageBounds{0, 0, area.width, area.height} : bounds;
    Refresh();
}

Point PreviewGrid::CursorInArea() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Handle(), &p);
    return {p.x, p.y};
}

void PreviewGrid::ZoomStep(int step) {
    ProgramDragAnchor().Clear();
    const auto bounds = ZoomStepBounds(Area(), BitmapSize(), image_, step, CursorInArea(),
                                       win::KeysDown({VK_SHIFT}));
    if (bounds) SetImageBounds(*bounds);
}

void PreviewGrid::ActualSize() {
    ProgramDragAnchor().Clear();
    const auto bounds = ActualSizeBounds(Area(), BitmapSize(), image_, CursorInArea());
    if (!bounds) return;
    fit_ = false;
    SetImageBounds(*bounds);
}

void PreviewGrid::SettlePosition() {
    ProgramDragAnchor().Clear();
    SetImageBounds(SettledBounds(Area(), image_));
}

bool PreviewGrid::DragMove(Point imagePoint) {
    const auto bounds = ProgramDragAnchor().Move(image_, imagePoint);
    if (!bounds) return false;
    SetImageBounds(*bounds);
    return true;
}

int PreviewGrid::MonitorAtPoint(Point imagePoint) const {
    const TMyScreen& screen = win::MyScreen();
    std::vector<Rect> monitors;
    for (const TMyMonitor& monitor : screen.MonitorList()) monitors.push_back(monitor.BoundsRect());
    if (monitors.empty()) return -1;
    return tessera::MonitorAtPoint(BitmapSize(), image_, imagePoint, monitors,
                                   {screen.DesktopLeft(), screen.DesktopTop()});
}

bool PreviewGrid::Contains(Point areaPoint) const {
    return Rect{image_.left, image_.top, image_.left + image_.width, image_.top + image_.height}
        .Contains(areaPoint);
}

LRESULT PreviewGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE: OnSize(); return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: OnButtonDown(message, at); return 0;
        case WM_MOUSEMOVE: OnMouseMove(at); return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP: OnButtonUp(); break;
        case WM_LBUTTONDBLCLK:
            if (onDoubleClick) onDoubleClick(ToImage(at));
            return 0;
        case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
        case WM_SETFOCUS: OnFocus(true); return 0;
        case WM_KILLFOCUS: OnFocus(false); return 0;
        case WM_CONTEXTMENU:
            if (onContextMenu) onContextMenu(at);
            return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void PreviewGrid::OnPaint() {
    PaintBuffered(Handle(), [this](HDC dc, RECT client) {
        FillRect(dc, &client, GetSysColorBrush(SystemColorIndex(color_)));
        if (!bitmap_ || bitmap_->Empty() || !bitmap_->Dc()) return;
        const Size shown = FitSizeOf(BitmapSize(), {image_.width, image_.height});
        const int left = image_.left + (image_.width - shown.width) / 2;
        const int top = image_.top + (image_.height - shown.height) / 2;
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, left, top, shown.width, shown.height, bitmap_->Dc(), 0, 0, bitmap_->Width(),
                   bitmap_->Height(), SRCCOPY);
    });
}

// Resizing keeps the mode: a fitted image follows the area, a free one keeps its bounds.
void PreviewGrid::OnSize() {
    if (fit_) SetImageBounds(image_);
}

void PreviewGrid::OnButtonDown(UINT message, Point at) {
    if (!Contains(at)) return;
    if (GetFocus() != Handle()) SetFocus(Handle());
    if (message == WM_LBUTTONDOWN) {
        StartDrag(ToImage(at));
        SetCapture(Handle());
    }
}

void PreviewGrid::OnMouseMove(Point at) {
    if (GetCapture() == Handle()) DragMove(ToImage(at));
}

void PreviewGrid::OnButtonUp() {
    if (GetCapture() == Handle()) ReleaseCapture();
    SettlePosition();
}

void PreviewGrid::OnWheel(int delta) {
    const int step = delta > 0 ? +1 : -1;
    if (onWheel) return onWheel(step);
    SetFitMode(false);
    ZoomStep(step);
}

void PreviewGrid::OnFocus(bool focused) {
    InvalidateRect(GetParent(Handle()), nullptr, FALSE);
    if (onFocusChanged) onFocusChanged(focused);
}

PreviewHost::PreviewHost(std::wstring name, Component* owner, std::wstring gridName)
    : Panel(std::move(name), owner), grid_(std::move(gridName), this) {}

bool PreviewHost::Create(HWND parent) {
    if (!Panel::Create(parent, RECT{0, 0, 0, 0})) return false;
    onPaint = [this](HDC dc, RECT client) {
        const bool focused = GetFocus() == grid_.Handle();
        HBRUSH frame = GetSysColorBrush(focused ? COLOR_BTNSHADOW : COLOR_BTNFACE);
        for (int i = 0; i < kFrame; ++i) {
            RECT r{client.left + i, client.top + i, client.right - i, client.bottom - i};
            FrameRect(dc, &r, frame);
        }
    };
    onResize = [this] {
        const Size size = ClientSize();
        MoveWindow(grid_.Handle(), kFrame, kFrame, std::max(0, size.width - 2 * kFrame),
                   std::max(0, size.height - 2 * kFrame), TRUE);
    };
    return grid_.Create(Handle());
}

void SetZoomActionsEnabled(ActionList& actions, bool on, const PreviewGrid* target) {
    actions[L"Action_Zoom100"].SetEnabled(on);
    const bool enabled = actions[L"Action_Zoom100"].Enabled();
    actions[L"Action_ZoomUp"].SetEnabled(enabled);
    actions[L"Action_ZoomDown"].SetEnabled(enabled);
    actions[L"Action_ZoomAlwaysFit"].SetEnabled(enabled);
    if (target) actions[L"Action_ZoomAlwaysFit"].SetChecked(target->FitMode());
}

}  // namespace tessera::ui
