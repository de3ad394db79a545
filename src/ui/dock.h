#pragma once
// Docking alignment: children aligned to an edge keep their height (top, bottom) or width
// (left, right) and take the full length of the remaining space; the client child takes
// what is left. Children are placed in the order they were added, hidden ones skipped.
#include <windows.h>

#include <vector>

namespace tessera::ui {

enum class Align { None, Top, Bottom, Left, Right, Client };

class DockLayout {
public:
    void Add(HWND child, Align align);
    void SetAlign(HWND child, Align align);
    void Remove(HWND child);
    // Places the children inside the rectangle (client coordinates of their parent).
    void Arrange(RECT area) const;

private:
    // wanted: the child's own size; assigned: what Arrange last gave it. A size that
    // differs from the assigned one was set by someone else and becomes the wanted size,
    // so that a squeezed parent does not shrink its children for good.
    struct Entry {
        HWND child;
        Align align;
        SIZE wanted;
        SIZE assigned;
    };
    mutable std::vector<Entry> entries_;
};

}  // namespace tessera::ui
