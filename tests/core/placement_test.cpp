#include "core/placement.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessera {
namespace {

using Style = DisplayStyle;
using Pos = ImagePosition;

const std::vector<Rect> kOne = {{0, 0, 1920, 1080}};
const std::vector<Rect> kSideBySide = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
const std::vector<Rect> kRightOfPrimary = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
const std::vector<Rect> kLeftOfPrimary = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};

struct PlacementCase {
    const char* name;
    std::vector<Rect> monitors;
    int monitor;  // the monitor being drawn
    Size source;
    WallpaperParams params;
    Size drawn;
    Point at;
};

WallpaperParams Params(Style style, Pos position = Pos::Default, TileOrigin origin = -2,
                       std::int32_t offsetX = 0, std::int32_t offsetY = 0) {
    WallpaperParams params;
    params.Style = style;
    params.Position = position;
    params.Origin = origin;
    params.OffsetX = offsetX;
    params.OffsetY = offsetY;
    return params;
}

const PlacementCase kPlacementCases[] = {
    {"center on a monitor right of the primary", kRightOfPrimary, 1, {800, 600},
     Params(Style::Center), {800, 600}, {2160, 212}},
    {"contain limited by height", kOne, 0, {1600, 1200}, Params(Style::Contain), {1440, 1080},
     {240, 0}},
    {"contain limited by width", kOne, 0, {1000, 200}, Params(Style::Contain), {1920, 384},
     {0, 348}},
    {"cover", kOne, 0, {1000, 1000}, Params(Style::Cover), {1920, 1920}, {0, -420}},
    {"cover limited by height", kOne, 0, {100, 10}, Params(Style::Cover), {10800, 1080},
     {-4440, 0}},
    {"span across two monitors", kSideBySide, 1, {1920, 1080}, Params(Style::Span),
     {3840, 2160}, {0, -540}},
    {"span on the left monitor uses the desktop", kLeftOfPrimary, 1, {320, 100},
     Params(Style::Span), {3456, 1080}, {-1408, 0}},
    {"stretch ignores position, origin and offsets", kLeftOfPrimary, 1, {10, 10},
     Params(Style::Stretch, Pos::Offset, 0, 99, 99), {1280, 1024}, {-1280, 0}},
    {"odd overhang centres toward zero", kOne, 0, {1925, 1085}, Params(Style::Center),
     {1925, 1085}, {-2, -2}},
    {"offsets on a monitor at negative x", kLeftOfPrimary, 1, {100, 100},
     Params(Style::Center, Pos::Offset, -2, -30, 15), {100, 100}, {-1310, 15}},
    {"tile default position starts at the first monitor", kLeftOfPrimary, 1, {64, 64},
     Params(Style::Tile), {64, 64}, {0, 0}},
    {"tile from each monitor", kLeftOfPrimary, 1, {64, 64},
     Params(Style::Tile, Pos::Default, kTileOriginEachMonitor), {64, 64}, {-1280, 0}},
    {"tile from monitor 1", kLeftOfPrimary, 0, {64, 64}, Params(Style::Tile, Pos::Default, 1),
     {64, 64}, {-1280, 0}},
    {"tile origin beyond the list uses monitor 0", kLeftOfPrimary, 1, {64, 64},
     Params(Style::Tile, Pos::Default, 7), {64, 64}, {0, 0}},
    {"tile origin below -1 uses monitor 0", kLeftOfPrimary, 1, {64, 64},
     Params(Style::Tile, Pos::Default, -3), {64, 64}, {0, 0}},
    {"tile centred on the origin monitor", kLeftOfPrimary, 1, {100, 100},
     Params(Style::Tile, Pos::Center, 1), {100, 100}, {-690, 462}},
    {"origin only matters for tiles", kLeftOfPrimary, 1, {100, 100},
     Params(Style::Center, Pos::Default, 0), {100, 100}, {-690, 462}},
    {"a style above 5 behaves as centre", kOne, 0, {100, 100},
     Params(static_cast<Style>(9)), {100, 100}, {910, 490}},
    {"right", kOne, 0, {100, 101}, Params(Style::Center, Pos::Right), {100, 101}, {1820, 489}},
    {"left", kOne, 0, {100, 101}, Params(Style::Center, Pos::Left), {100, 101}, {0, 489}},
    {"top", kOne, 0, {101, 100}, Params(Style::Center, Pos::Top), {101, 100}, {909, 0}},
    {"bottom", kOne, 0, {101, 100}, Params(Style::Center, Pos::Bottom), {101, 100}, {909, 980}},
    {"top left", kOne, 0, {100, 100}, Params(Style::Center, Pos::TopLeft), {100, 100}, {0, 0}},
    {"bottom left", kOne, 0, {100, 100}, Params(Style::Center, Pos::BottomLeft), {100, 100},
     {0, 980}},
    {"top right", kOne, 0, {100, 100}, Params(Style::Center, Pos::TopRight), {100, 100},
     {1820, 0}},
    {"bottom right", kOne, 0, {100, 100}, Params(Style::Center, Pos::BottomRight), {100, 100},
     {1820, 980}},
    {"bottom right of a larger image", kOne, 0, {2000, 1100},
     Params(Style::Center, Pos::BottomRight), {2000, 1100}, {-80, -20}},
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, SizeAndCorner) {
    const PlacementCase& c = GetParam();
    const TMyScreen screen(c.monitors);
    const TMyMonitor& monitor = screen.Monitors(c.monitor);
    const Size drawn =
        TargetSize(c.params.Style, c.source.width, c.source.height, monitor, screen);
    EXPECT_EQ(drawn, c.drawn);
    EXPECT_EQ(PlaceImage(monitor, drawn.width, drawn.height, c.params, screen), c.at);
}

std::string CaseName(const ::testing::TestParamInfo<PlacementCase>& param) {
    std::string name = param.param.name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement, ::testing::ValuesIn(kPlacementCases), CaseName);

struct SizeCase {
    Size source;
    Size area;
    Size contain;
    Size cover;
};

// The ratio is rounded before it is multiplied: 25 / 3 * 1920 lands just below 16000.
const SizeCase kSizeCases[] = {
    {{3, 25}, {1920, 20000}, {1920, 15999}, {2400, 20000}},
    {{21, 25}, {1920, 1200}, {1007, 1200}, {1920, 2285}},  // 21 / 25 * 1200 < 1008
    {{21, 25}, {1000, 1200}, {1000, 1190}, {1007, 1200}},
    {{1600, 1200}, {1920, 1080}, {1440, 1080}, {1920, 1440}},
    {{1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}},
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}},
    {{7, 3}, {100, 100}, {100, 42}, {233, 100}},
    {{0, 600}, {1920, 1080}, {0, 0}, {0, 0}},
    {{800, 0}, {1920, 1080}, {0, 0}, {0, 0}},
    {{-4, 3}, {1920, 1080}, {0, 0}, {0, 0}},
    {{800, 600}, {0, 0}, {0, 0}, {0, 0}},
};

TEST(AspectSizes, ContainAndCoverFollowTheExtendedPrecisionRule) {
    for (const SizeCase& c : kSizeCases) {
        SCOPED_TRACE(::testing::Message() << c.source.width << "x" << c.source.height << " in "
                                          << c.area.width << "x" << c.area.height);
        EXPECT_EQ(ContainSize(c.source.width, c.source.height, c.area.width, c.area.height),
                  c.contain);
        EXPECT_EQ(CoverSize(c.source.width, c.source.height, c.area.width, c.area.height),
                  c.cover);
    }
}

TEST(AspectSizes, ResultsOutsideInt32AreRangeErrors) {
    EXPECT_THROW(CoverSize(1, INT_MAX, 2, 1), std::range_error);
    EXPECT_THROW(CoverSize(1, 3000, 1000000, 1), std::range_error);
    EXPECT_THROW(ContainSize(1, 3, INT_MAX, INT_MAX), std::range_error);
    EXPECT_EQ(ContainSize(2, 1, INT_MAX, INT_MAX), (Size{INT_MAX, 1073741823}));
}

TEST(Placement, CornerArithmeticRefusesToWrapAround) {
    const TMyScreen screen({{INT_MAX - 10, 0, INT_MAX, 10}, {0, 0, 10, 10}});
    const WallpaperParams offset = Params(Style::Center, Pos::Offset, -2, 100, 0);
    EXPECT_THROW(PlaceImage(screen.Monitors(0), 1, 1, offset, screen), std::overflow_error);
    const WallpaperParams right = Params(Style::Center, Pos::Right);
    EXPECT_THROW(PlaceImage(screen.Monitors(1), INT_MIN + 5, 1, right, screen),
                 std::overflow_error);
}

TEST(Placement, PlacementAreaPerStyle) {
    const TMyScreen screen(kLeftOfPrimary);
    const TMyMonitor& left = screen.Monitors(1);
    EXPECT_EQ(PlacementArea(Style::Span, -1, left, screen), (Rect{-1280, 0, 1920, 1080}));
    EXPECT_EQ(PlacementArea(Style::Tile, -1, left, screen), left.BoundsRect());
    EXPECT_EQ(PlacementArea(Style::Tile, 0, left, screen), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(PlacementArea(Style::Tile, 2, left, screen), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(PlacementArea(Style::Cover, 0, left, screen), left.BoundsRect());
    EXPECT_EQ(PlacementArea(static_cast<Style>(200), 0, left, screen), left.BoundsRect());
}

TEST(Placement, DefaultPositionDependsOnTheStyle) {
    EXPECT_EQ(ResolvePosition(Style::Tile, Pos::Default), Pos::TopLeft);
    EXPECT_EQ(ResolvePosition(Style::Center, Pos::Default), Pos::Center);
    EXPECT_EQ(ResolvePosition(Style::Span, Pos::Default), Pos::Center);
    EXPECT_EQ(ResolvePosition(Style::Tile, Pos::BottomRight), Pos::BottomRight);
}

TEST(Placement, ListLabelsMatchTheValues) {
    EXPECT_EQ(kDisplayStyleLabels[static_cast<int>(Style::Tile)], L"並べて表示");
    EXPECT_EQ(kDisplayStyleLabels[static_cast<int>(Style::Span)], L"デスクトップ全体に拡大");
    EXPECT_EQ(kImagePositionLabels[static_cast<int>(Pos::Default)], L"デフォルト");
    EXPECT_EQ(kImagePositionLabels[static_cast<int>(Pos::BottomRight)], L"右下に寄せる");
}

}  // namespace
}  // namespace tessera
