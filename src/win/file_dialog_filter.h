#pragma once
// Operations on dialog filters: "description|patterns|description|patterns...", patterns
// separated by ";".
#include <string>

namespace tessera::win {

// The filter extended by a combined entry of every pattern it lists and "すべて(*.*)".
std::wstring AppendAllImagesFilter(const std::wstring& filter, const std::wstring& title);

// The first pair (from 1) with a pattern of that extension ("." included), compared
// without regard to case; the number of pairs when none has it.
int FilterIndexOfExtension(const std::wstring& filter, const std::wstring& extension);

}  // namespace tessera::win
