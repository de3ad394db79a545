#pragma once
// Recognising the encoding of bytes without a declared encoding.
#include <functional>
#include <optional>

#include "core/text_encoding.h"

namespace tessera {

// How many leading bytes are handed to the detection.
inline constexpr std::size_t kDetectionSampleSize = 1024;

// The system's own test: 932 for plausible Shift_JIS without zero bytes, 1200 or 1201 for
// UTF-16 text of Latin letters or kana, -1 (binary) for anything else.
int SystemCodePageTest(ByteView sample);

// Signatures first, then the code page answered by the multi-language service (nullopt
// when it is unavailable or failed, which counts as 1252). For 1252, well-formed UTF-8
// with multi-byte characters is UTF-8, and anything else goes to SystemCodePageTest.
TextEncoding EncodingFromDetection(ByteView sample, std::optional<int> serviceCodePage);

}  // namespace tessera
