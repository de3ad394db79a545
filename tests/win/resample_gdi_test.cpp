// The smooth stretch must write exactly the pixels StretchBlt writes for the same target
// and clipping region: GDI is the reference for the geometry (not for the colours).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "core/resample.h"
#include "win/bitmap.h"
#include "win/handles.h"

namespace tessera::win {
namespace {

constexpr std::uint8_t kMarker = 7;
constexpr std::uint8_t kInk = 200;

void FillBytes(const Bitmap& bitmap, std::uint8_t value) {
    GdiFlush();
    std::memset(bitmap.Bits(), value, static_cast<std::size_t>(bitmap.Stride() * bitmap.Height()));
}

struct Case {
    Size source;
    Rect target;
    Rect clip;
};

TEST(StretchSmoothGeometry, WritesThePixelsStretchBltWrites) {
    const Case cases[] = {
        {{13, 7}, {-5, -4, 20, 12}, {0, 0, 40, 30}},    // starts above and left of the image
        {{13, 7}, {30, 20, 55, 41}, {0, 0, 40, 30}},    // runs past the right and bottom
        {{50, 40}, {-20, 3, 17, 25}, {2, 5, 31, 18}},   // reduced and clipped
        {{3, 2}, {-1, -1, 41, 31}, {10, 0, 20, 30}},    // enlarged over everything, clipped
        {{13, 7}, {5, 5, 18, 12}, {8, 8, 40, 30}},      // unscaled
        {{13, 7}, {-30, -30, -1, -1}, {0, 0, 40, 30}},  // wholly outside
    };
    for (const Case& c : cases) {
        Bitmap source(c.source.width, c.source.height);
        FillBytes(source, kInk);

        Bitmap gdi(40, 30);
        FillBytes(gdi, kMarker);
        UniqueRegion region(CreateRectRgn(c.clip.left, c.clip.top, c.clip.right, c.clip.bottom));
        SelectClipRgn(gdi.Dc(), region.get());
        SetStretchBltMode(gdi.Dc(), COLORONCOLOR);
        ASSERT_TRUE(StretchBlt(gdi.Dc(), c.target.left, c.target.top, c.target.Width(),
                               c.target.Height(), source.Dc(), 0, 0, c.source.width,
                               c.source.height, SRCCOPY));
        SelectClipRgn(gdi.Dc(), nullptr);
        GdiFlush();

        Bitmap ours(40, 30);
        FillBytes(ours, kMarker);
        StretchSmooth(ours.Pixels(), c.target, source.Pixels(), c.clip);

        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                ASSERT_EQ(ours.Pixels().At(x, y)[1], gdi.Pixels().At(x, y)[1])
                    << "target (" << c.target.left << "," << c.target.top << ")-(" << c.target.right
                    << "," << c.target.bottom << ") at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace tessera::win
