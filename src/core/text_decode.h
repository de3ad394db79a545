#pragma once
// Decoding the bytes of a text file into UTF-16: signatures, the twelve encodings and
// the detection, with the platform's code pages behind a small set of functions.
#include <functional>
#include <optional>
#include <string>

#include "core/text_encoding.h"

namespace tessera {

struct TextPlatform {
    // The multi-language service's answer for a sample; nullopt when it is unavailable.
    std::function<std::optional<int>(ByteView sample)> detectCodePage;
    // Bytes of a code page (0: the system code page) to UTF-16.
    std::function<std::wstring(ByteView bytes, unsigned codePage)> decodeCodePage;
    std::function<bool(std::uint8_t)> isLeadByte;  // of the system code page
    std::function<void()> pump;                    // lets pending messages be processed
};

// The code DetectEncoding answers for a sample.
TextEncoding DetectEncodingWith(ByteView sample, const TextPlatform& platform);

// The text of a whole file. A code above 11 counts as teAuto; teAuto recognises the
// encoding (a signature is then skipped) and stores it back, as does the fallback to
// the system code page (teAnsi). Text ends at the first zero byte or unit.
std::wstring DecodeTextBytes(ByteView bytes, TextEncoding& encoding, const TextPlatform& platform);

}  // namespace tessera
