#include "ui/dock.h"

#include <algorithm>

namespace tessera::ui {
namespace {

Align kOrder[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};

SIZE CurrentSize(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// Cuts the child's strip off the area and returns the child's rectangle.
RECT TakeStrip(RECT& area, Align align, SIZE size) {
    RECT r = area;
    switch (align) {
        case Align::Top:
            r.bottom = std::min(area.bottom, area.top + size.cy);
            area.top = r.bottom;
            break;
        case Align::Bottom:
            r.top = std::max(area.top, area.bottom - size.cy);
            area.bottom = r.top;
            break;
        case Align::Left:
            r.right = std::min(area.right, area.left + size.cx);
            area.left = r.right;
            break;
        case Align::Right:
            r.left = std::max(area.left, area.right - size.cx);
            area.right = r.left;
            break;
        default: break;
    }
    return r;
}

}  // namespace

void DockLayout::Add(HWND child, Align align) {
    const SIZE size = CurrentSize(child);
    entries_.push_back({child, align, size, {-1, -1}});
}

void DockLayout::SetAlign(HWND child, Align align) {
    for (Entry& entry : entries_) {
        if (entry.child == child) entry.align = align;
    }
}

void DockLayout::Remove(HWND child) {
    std::erase_if(entries_, [child](const Entry& entry) { return entry.child == child; });
}

void DockLayout::Arrange(RECT area) const {
    // Edges first in the usual order (top, bottom, left, right), then the client child.
    for (Align align : kOrder) {
        for (Entry& entry : entries_) {
            if (entry.align != align || !IsWindow(entry.child)) continue;
            if (!(GetWindowLongW(entry.child, GWL_STYLE) & WS_VISIBLE)) continue;
            const SIZE current = CurrentSize(entry.child);
            if (current.cx != entry.assigned.cx || current.cy != entry.assigned.cy)
                entry.wanted = current;
            const RECT r = align == Align::Client ? area : TakeStrip(area, align, entry.wanted);
            entry.assigned = {std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top)};
            SetWindowPos(entry.child, nullptr, r.left, r.top, entry.assigned.cx, entry.assigned.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

}  // namespace tessera::ui
