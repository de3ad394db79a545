#pragma once
// Numbers in settings files: lenient integer reading and locale-format floats.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

// Full-width ASCII forms (U+FF01..U+FF5E) and the ideographic space to their half-width
// forms; everything else unchanged.
std::wstring ToHalfWidth(std::wstring_view text);

// Optional sign, then decimal digits or hexadecimal digits after "$" or "0X" (upper-case
// text). Hexadecimal values up to FFFFFFFF wrap to the signed range, as stored colours do.
std::optional<std::int32_t> ParseStandardInteger(std::wstring_view text);

// An integer as the settings file reads one: "１２３" 123, "1,000" 1000, "12px" 12,
// "0x1F" and "$1F" 31, "abc" 2748; text that holds no integer gives 0. A number outside
// the 32-bit range gives fallback.
std::int32_t ReadIniIntegerText(std::wstring_view text, std::int32_t fallback);

// A float in the user's format (decimal separator of the current collation); nullopt
// when the text is not a plain decimal or exponent number.
std::optional<double> ParseLocaleFloat(std::wstring_view text);
std::wstring FormatLocaleFloat(double value);

}  // namespace tessera
