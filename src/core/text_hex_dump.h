#pragma once
// The hexadecimal dump that shows a file of unknown encoding.
#include <functional>

#include "core/text_encoding.h"

namespace tessera {

inline constexpr std::size_t kHexDumpBytesPerRow = 16;
inline constexpr std::size_t kHexDumpRowLength = 68;  // 50 hex, TAB, 16 text, CR

// The dump as code-page bytes, 16 bytes to a row: each row is the hex column ("XX " per
// byte, "- " after the eighth), a TAB, the bytes as code-page characters and a CR.
// afterRow runs after each row (the caller lets pending messages be processed).
Bytes HexDumpBytes(ByteView bytes, const std::function<bool(std::uint8_t)>& isLeadByte,
                   const std::function<void()>& afterRow = {});

}  // namespace tessera
