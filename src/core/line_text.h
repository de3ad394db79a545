#pragma once
// Splitting text into lines and joining lines into text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_encoding.h"

namespace tessera {

// Calls addLine for each line of text up to its end or first U+0000. CR, LF and the pair
// CR LF end a line; a break at the very end adds no empty line. Returns the style found:
// lbCr or lbLf when only that break was seen, lbCrLf otherwise (both or none).
LineBreakStyle SplitLines(std::wstring_view text,
                          const std::function<void(std::wstring_view line)>& addLine);

// Every line followed by the break, the last one too.
std::wstring JoinLines(const std::vector<std::wstring_view>& lines, LineBreakStyle lineBreak);

std::wstring_view LineBreakText(LineBreakStyle lineBreak);

}  // namespace tessera
