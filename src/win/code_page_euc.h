#pragma once
// EUC-JP through the Shift_JIS tables of code page 932: both encode the same 94×94 JIS
// rows, so the NEC and IBM additions that code page 932 maps (①, ～, Ⅱ) survive, on every
// system alike. Characters of JIS X 0212 go through the system's code page 20932.
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace tessera::win {

std::optional<std::wstring> EucJpToWide(ByteView bytes);
Bytes WideToEucJp(std::wstring_view text);

}  // namespace tessera::win
