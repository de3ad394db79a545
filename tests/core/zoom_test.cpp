#include "core/zoom.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>

namespace tessera {
namespace {

constexpr Point kOutside{-1, -1};

// The fit-mode image fills the area; the picture sits centred inside it.
ImageBounds Fitted(Size area) {
    return {0, 0, area.width, area.height};
}

TEST(ZoomLadder, NextScaleFollowsTheDecadesAndStopsAtTheEnds) {
    struct Case {
        long double scale;
        int step;
        long double expected;
    };
    const Case cases[] = {
        {1.0L, -1, 0.9L}, {0.1L, -1, 0.09L}, {0.96L, +1, 1.1L},  {0.09L, +1, 0.1L},
        {1.0L, +1, 1.1L}, {2.0L, +1, 3.0L},  {10.0L, +1, 10.0L}, {0.9L, +1, 1.0L},
        {0.0L, +1, 0.0L}, {12.0L, -1, 9.0L}, {0.05L, -1, 0.04L}, {3.0L, -1, 2.0L},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(NextZoomScale(c.scale, c.step)),
                    static_cast<double>(c.expected), 1e-12)
            << static_cast<double>(c.scale) << " step " << c.step;
    }
}

TEST(ZoomStep, LargeBitmapClimbsTheLadderFromItsFittedSize) {
    const Size area{400, 300};
    const Size bitmap{4000, 2000};
    ImageBounds image = Fitted(area);
    EXPECT_EQ(FitSizeOf(bitmap, area), (Size{400, 200}));
    EXPECT_EQ(ZoomText(bitmap, image), L"10%");

    // The fitted width is the minimum: zooming down keeps the picture where it was.
    EXPECT_EQ(*ZoomStepBounds(area, bitmap, image, -1, kOutside, false),
              (ImageBounds{0, 50, 400, 200}));

    const wchar_t* expected[] = {L"20%", L"30%", L"40%", L"50%",  L"60%",
                                 L"70%", L"80%", L"90%", L"100%", L"110%"};
    for (const wchar_t* text : expected) {
        image = *ZoomStepBounds(area, bitmap, image, +1, kOutside, false);
        EXPECT_EQ(ZoomText(bitmap, image), text);
    }
    EXPECT_EQ(image, (ImageBounds{0, 0, 4400, 2200}));
}

TEST(ZoomStep, UpperLadderAndTheTenfoldLimit) {
    const Size area{400, 300};
    const Size bitmap{1000, 500};
    const ImageBounds at200{0, 0, 2000, 1000};
    EXPECT_EQ(ZoomText(bitmap, *ZoomStepBounds(area, bitmap, at200, +1, kOutside, false)), L"300%");
    const ImageBounds at1000{0, 0, 10000, 5000};
    EXPECT_EQ(*ZoomStepBounds(area, bitmap, at1000, +1, kOutside, false),
              (ImageBounds{0, 0, 10000, 5000}));
}

TEST(ZoomStep, ShiftChangesTheWidthByOnePixel) {
    const Size area{400, 300};
    const Size bitmap{4000, 2000};
    const ImageBounds image{0, 0, 800, 400};
    const ImageBounds up = *ZoomStepBounds(area, bitmap, image, +1, kOutside, true);
    EXPECT_EQ(up.width, 801);
    EXPECT_EQ(up.height, 401);  // rha(0.5 * 801) = rha(400.5)
    const ImageBounds down = *ZoomStepBounds(area, bitmap, up, -1, kOutside, true);
    EXPECT_EQ(down.width, 800);
    EXPECT_EQ(down.height, 400);
}

TEST(ZoomStep, CursorOverTheAreaKeepsThePointUnderIt) {
    const Size area{400, 300};
    const Size bitmap{4000, 2000};
    const ImageBounds image{0, 50, 400, 200};
    // (100, 100) is a quarter into the picture both ways, before and after.
    EXPECT_EQ(*ZoomStepBounds(area, bitmap, image, +1, {100, 100}, false),
              (ImageBounds{-100, 0, 800, 400}));
    // With the cursor off the area the new size is centred (or put at 0 when larger).
    EXPECT_EQ(*ZoomStepBounds(area, bitmap, image, +1, {401, 100}, false),
              (ImageBounds{0, 0, 800, 400}));
}

TEST(ZoomStep, EmptyBitmapsAndImagesAreSafe) {
    EXPECT_FALSE(ZoomStepBounds({400, 300}, {0, 10}, {0, 0, 400, 300}, 1, {5, 5}, false));
    // An image without extent cannot keep a point under the cursor: it is centred.
    EXPECT_EQ(*ZoomStepBounds({400, 300}, {100, 50}, {0, 0, 0, 0}, 1, {5, 5}, false),
              (ImageBounds{0, 50, 400, 200}));
}

TEST(ActualSize, SmallBitmapIsCentredAndLargeOneKeepsTheCursorPoint) {
    EXPECT_EQ(*ActualSizeBounds({400, 300}, {100, 50}, Fitted({400, 300}), {10, 10}),
              (ImageBounds{150, 125, 100, 50}));
    // From fit mode: the picture point under the cursor stays in place.
    const ImageBounds actual =
        *ActualSizeBounds({400, 300}, {4000, 2000}, Fitted({400, 300}), {200, 150});
    EXPECT_EQ(actual, (ImageBounds{-1800, -850, 4000, 2000}));
    EXPECT_FALSE(ActualSizeBounds({400, 300}, {100, 50}, {0, 0, 0, 50}, {0, 0}));
    EXPECT_FALSE(ActualSizeBounds({400, 300}, {0, 0}, Fitted({400, 300}), {0, 0}));
}

TEST(Settling, PullsBackGapsAndCentresNarrowImages) {
    const Size area{400, 300};
    EXPECT_EQ(SettledBounds(area, {30, -10, 800, 400}), (ImageBounds{0, -10, 800, 400}));
    EXPECT_EQ(SettledBounds(area, {-500, -150, 800, 400}), (ImageBounds{-400, -100, 800, 400}));
    EXPECT_EQ(SettledBounds(area, {5, 7, 100, 50}), (ImageBounds{150, 125, 100, 50}));
}

TEST(Dragging, MovesOnlyWhileAnAnchorIsSet) {
    DragAnchor drag;
    EXPECT_FALSE(drag.Move({0, 0, 100, 50}, {5, 5}));
    drag.Start({10, 10});
    EXPECT_EQ(*drag.Move({3, 4, 100, 50}, {15, 20}), (ImageBounds{8, 14, 100, 50}));
    drag.Start({-1, 5});  // one coordinate in range still counts as a drag
    EXPECT_TRUE(drag.Move({0, 0, 100, 50}, {0, 0}));
    drag.Clear();
    EXPECT_FALSE(drag.Active());
    drag.Start({0, 0});
    const int big = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(drag.Move({big, 0, 1, 1}, {5, 0}), std::overflow_error);
}

TEST(MonitorAtPoint, MarginsGapsAndMonitors) {
    // The "left" layout: the primary at (0,0) and a 1280x1024 monitor to its left.
    const std::vector<Rect> monitors = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const Size desktop{3200, 1080};
    const ImageBounds image{0, 0, 320, 200};  // picture 320x108 at (0, 46), scale 0.1
    EXPECT_EQ(MonitorAtPoint(desktop, image, {10, 10}, monitors, {-1280, 0}), -1);
    EXPECT_EQ(MonitorAtPoint(desktop, image, {10, 50}, monitors, {-1280, 0}), 1);
    EXPECT_EQ(MonitorAtPoint(desktop, image, {200, 100}, monitors, {-1280, 0}), 0);
    EXPECT_EQ(MonitorAtPoint(desktop, image, {10, 150}, monitors, {-1280, 0}), -1);  // gap
    EXPECT_EQ(MonitorAtPoint(desktop, image, {320, 100}, monitors, {-1280, 0}), -1);
    EXPECT_EQ(MonitorAtPoint({0, 0}, image, {10, 50}, monitors, {-1280, 0}), -1);
}

TEST(ZoomTextAndFit, FormatsAndEmptyInputs) {
    EXPECT_EQ(ZoomText({200, 100}, {0, 0, 100, 50}), L"50%");
    EXPECT_EQ(ZoomText({0, 100}, {0, 0, 100, 50}), L"-");
    EXPECT_EQ(FitSizeOf({0, 5}, {100, 100}), (Size{0, 0}));
    EXPECT_EQ(FitSizeOf({400, 100}, {200, 200}), (Size{200, 50}));
    EXPECT_EQ(FitSizeOf({100, 400}, {200, 200}), (Size{50, 200}));
}

}  // namespace
}  // namespace tessera
