#include "core/tile_anchor.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

TEST(TileAnchor, OverrideTextNamesAnAnchorOrMeansAutomatic) {
    EXPECT_EQ(ParseTileAnchor(L"primary"), TileAnchor::Primary);
    EXPECT_EQ(ParseTileAnchor(L" Desktop "), TileAnchor::Desktop);
    EXPECT_EQ(ParseTileAnchor(L"PRIMARY"), TileAnchor::Primary);
    for (const wchar_t* automatic : {L"", L"auto", L"primaryx", L"desk top", L"1"}) {
        EXPECT_EQ(ParseTileAnchor(automatic), std::nullopt) << automatic;
    }
}

TEST(TileAnchor, WindowsEightAndLaterTileFromTheDesktopCorner) {
    EXPECT_EQ(TileAnchorForVersion(5, 1), TileAnchor::Primary);  // XP
    EXPECT_EQ(TileAnchorForVersion(6, 1), TileAnchor::Primary);  // 7
    EXPECT_EQ(TileAnchorForVersion(6, 2), TileAnchor::Desktop);  // 8
    EXPECT_EQ(TileAnchorForVersion(6, 3), TileAnchor::Desktop);  // 8.1
    EXPECT_EQ(TileAnchorForVersion(10, 0), TileAnchor::Desktop);
}

}  // namespace
}  // namespace tessera
