#pragma once
// Colour values: an RGB value (red in the lowest byte, top byte 0) or, with the top bit
// set, a reference to a system colour whose index is the lowest byte.
#include <cstdint>

namespace tessera {

using Color = std::uint32_t;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kSystemColorFlag = 0x80000000;
constexpr Color kDesktopBackgroundRef = 0x80000001;  // the desktop background system colour

constexpr Color MakeRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}
constexpr std::uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColorRef(Color c) { return (c & kSystemColorFlag) != 0; }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFF); }

}  // namespace tessera
