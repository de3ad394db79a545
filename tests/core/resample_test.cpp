#include "core/resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tessera {
namespace {

struct Bgr {
    std::uint8_t b, g, r;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

Bgr PixelAt(const PixelImage& image, int x, int y) {
    const std::uint8_t* p = image.View().At(x, y);
    return {p[0], p[1], p[2]};
}

void Fill(PixelImage& image, Bgr colour) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            std::uint8_t* p = image.View().At(x, y);
            p[0] = colour.b, p[1] = colour.g, p[2] = colour.r;
        }
    }
}

// A row of grey levels, one pixel high.
PixelImage GreyRow(const std::vector<std::uint8_t>& levels) {
    PixelImage image(static_cast<std::int32_t>(levels.size()), 1);
    for (std::size_t x = 0; x < levels.size(); ++x) {
        std::uint8_t* p = image.View().At(static_cast<int>(x), 0);
        p[0] = p[1] = p[2] = levels[x];
    }
    return image;
}

std::vector<int> GreyLevels(const PixelImage& image) {
    std::vector<int> levels;
    for (int x = 0; x < image.Width(); ++x) levels.push_back(image.View().At(x, 0)[1]);
    return levels;
}

// A picture whose every pixel differs, so that misplaced rows or columns show.
PixelImage Pattern(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.View().At(x, y);
            p[0] = static_cast<std::uint8_t>(x * 7 + y * 3);
            p[1] = static_cast<std::uint8_t>(x * 13 ^ y * 5);
            p[2] = static_cast<std::uint8_t>((x + y) * 11);
        }
    }
    return image;
}

constexpr Bgr kMarker{1, 2, 3};
constexpr Bgr kColour{200, 100, 50};

struct UniformCase {
    int sourceW, sourceH;
    Rect target;
    Rect clip;
};

// Whatever the scale, a uniform picture stays exactly uniform, and exactly the pixels of
// target, clip and destination intersected change.
TEST(StretchSmooth, UniformSourceStaysUniformInsideTheCoverage) {
    const UniformCase cases[] = {
        {40, 30, {2, 3, 12, 9}, {-100, -100, 100, 100}},   // reduce
        {3, 2, {-5, -4, 17, 11}, {-100, -100, 100, 100}},  // enlarge, partly outside
        {50, 2, {-7, 1, 9, 19}, {0, 5, 6, 100}},           // reduce x, enlarge y, clipped
        {7, 7, {5, 5, 12, 12}, {-100, -100, 100, 100}},    // unscaled copy, partly outside
        {1000, 999, {-30, -30, 30, 30}, {1, 1, 3, 4}},     // heavy reduction, small clip
    };
    for (const auto& c : cases) {
        PixelImage source(c.sourceW, c.sourceH);
        Fill(source, kColour);
        PixelImage dest(16, 16);
        Fill(dest, kMarker);
        StretchSmooth(dest.View(), c.target, source.View(), c.clip);
        const Rect covered = StretchCoverage(dest.View(), c.target, c.clip);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool inside = covered.Contains({x, y});
                ASSERT_EQ(PixelAt(dest, x, y), inside ? kColour : kMarker)
                    << "source " << c.sourceW << "x" << c.sourceH << " at " << x << "," << y;
            }
        }
    }
}

TEST(StretchSmooth, AveragesWhenReducing) {
    PixelImage blackWhite = GreyRow({0, 255});
    PixelImage one(1, 1);
    StretchSmooth(one.View(), {0, 0, 1, 1}, blackWhite.View());
    EXPECT_NEAR(GreyLevels(one)[0], 128, 1);

    PixelImage pairs(2, 1);
    StretchSmooth(pairs.View(), {0, 0, 2, 1}, GreyRow({0, 100, 200, 50}).View());
    EXPECT_EQ(GreyLevels(pairs), (std::vector<int>{50, 125}));

    // 3 -> 2: the middle pixel is shared, a third to the left and two thirds to the right
    PixelImage thirds(2, 1);
    StretchSmooth(thirds.View(), {0, 0, 2, 1}, GreyRow({0, 90, 180}).View());
    EXPECT_EQ(GreyLevels(thirds), (std::vector<int>{30, 150}));
}

TEST(StretchSmooth, InterpolatesWhenEnlargingAndRepeatsTheEdges) {
    PixelImage wide(4, 1);
    StretchSmooth(wide.View(), {0, 0, 4, 1}, GreyRow({0, 200}).View());
    EXPECT_EQ(GreyLevels(wide), (std::vector<int>{0, 50, 150, 200}));
}

// Drawing through a clip, or onto a target that runs off the destination, gives exactly
// the pixels the unclipped drawing has there.
TEST(StretchSmooth, ClippedDrawingMatchesTheWholeDrawing) {
    const PixelImage source = Pattern(37, 23);
    const Rect targets[] = {{0, 0, 60, 40}, {0, 0, 20, 11}, {0, 0, 60, 11}, {0, 0, 37, 23}};
    for (const Rect& target : targets) {
        PixelImage whole(target.right, target.bottom);
        StretchSmooth(whole.View(), target, source.View());
        // the same drawing moved left and up, so that it starts outside, and clipped
        const int dx = -9, dy = -5;
        const Rect moved = target.Offset(dx, dy);
        const Rect clip{3, 2, 14, 9};
        PixelImage part(16, 10);
        Fill(part, kMarker);
        StretchSmooth(part.View(), moved, source.View(), clip);
        for (int y = 0; y < part.Height(); ++y) {
            for (int x = 0; x < part.Width(); ++x) {
                const bool inside = clip.Contains({x, y}) && moved.Contains({x, y});
                ASSERT_EQ(PixelAt(part, x, y), inside ? PixelAt(whole, x - dx, y - dy) : kMarker)
                    << "target " << target.right << "x" << target.bottom << " at " << x << "," << y;
            }
        }
    }
}

TEST(StretchSmooth, EmptyTargetOrSourceDrawsNothing) {
    PixelImage dest(4, 4);
    Fill(dest, kMarker);
    PixelImage source(3, 3);
    Fill(source, kColour);
    StretchSmooth(dest.View(), {2, 2, 2, 4}, source.View());
    StretchSmooth(dest.View(), {3, 3, 1, 1}, source.View());
    StretchSmooth(dest.View(), {0, 0, 4, 4}, PixelImage().View());
    StretchSmooth(dest.View(), {0, 0, 4, 4}, source.View(), {2, 2, 2, 2});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(dest, x, y), kMarker);
    }
}

}  // namespace
}  // namespace tessera
