#pragma once
// Rectangles and points in pixels, signed 32-bit, right and bottom exclusive.
#include <cstdint>

namespace tessera {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const;   // checked: a difference outside int32 throws
    std::int32_t Height() const;
    Point TopLeft() const { return {left, top}; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect Offset(std::int32_t dx, std::int32_t dy) const;  // checked
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tessera
