#pragma once
// The image preview: an area panel with a 3-pixel frame around a draw grid that clips and
// takes the focus, and inside it the image: the bitmap either fitted to the grid (fit
// mode) or at bounds set by zooming and dragging (free mode). Zooming only changes the
// bounds; the bitmap is stretched when it is painted.
#include <windows.h>

#include <functional>
#include <string>

#include "core/zoom.h"
#include "ui/action.h"
#include "ui/panel.h"
#include "ui/window.h"
#include "win/bitmap.h"

namespace tessera::ui {

// The one drag anchor of the program, shared by every preview.
DragAnchor& ProgramDragAnchor();

class PreviewGrid : public Window {
public:
    PreviewGrid(std::wstring name, Component* owner) : Window(std::move(name), owner) {}
    bool Create(HWND parent);

    // The bitmap shown (not owned); call Refresh after changing its pixels.
    void SetBitmap(const win::Bitmap* bitmap);
    const win::Bitmap* Bitmap() const { return bitmap_; }
    Size BitmapSize() const;
    void Refresh();

    bool FitMode() const { return fit_; }
    void SetFitMode(bool fit);
    ImageBounds Image() const { return image_; }
    void SetImageBounds(const ImageBounds& bounds);
    Size Area() const { return ClientSize(); }
    // The mouse cursor in the area's coordinates.
    Point CursorInArea() const;

    void ZoomStep(int step);
    void ActualSize();
    void SettlePosition();
    void StartDrag(Point imagePoint) { ProgramDragAnchor().Start(imagePoint); }
    bool DragMove(Point imagePoint);
    int MonitorAtPoint(Point imagePoint) const;
    std::wstring ZoomText() const { return tessera::ZoomText(BitmapSize(), image_); }
    bool Contains(Point areaPoint) const;

    // Hooks of the page; without onWheel the wheel zooms directly.
    std::function<void(bool focused)> onFocusChanged;
    std::function<void(int step)> onWheel;
    std::function<void(Point imagePoint)> onDoubleClick;
    std::function<void(Point screenPoint)> onContextMenu;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnSize();
    void OnButtonDown(UINT message, Point at);
    void OnMouseMove(Point at);
    void OnButtonUp();
    void OnWheel(int delta);
    void OnFocus(bool focused);
    Point ToImage(Point areaPoint) const {
        return {areaPoint.x - image_.left, areaPoint.y - image_.top};
    }

    const win::Bitmap* bitmap_ = nullptr;
    bool fit_ = true;
    ImageBounds image_;
    Color color_ = 0x80000000 | COLOR_WINDOW;
};

// The area panel with its frame: button shadow while the grid has the focus.
class PreviewHost : public Panel {
public:
    PreviewHost(std::wstring name, Component* owner, std::wstring gridName);
    bool Create(HWND parent);
    PreviewGrid& Grid() { return grid_; }

private:
    PreviewGrid grid_;
};

// Enables the zoom actions (Action_Zoom100 decides, the others follow) and checks
// Action_ZoomAlwaysFit when the target shows its image fitted.
void SetZoomActionsEnabled(ActionList& actions, bool on, const PreviewGrid* target);

}  // namespace tessera::ui
