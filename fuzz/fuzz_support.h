#pragma once
// What the fuzz targets share: a check that stops the run where an invariant breaks, and
// arbitrary bytes read as UTF-16 text (little-endian pairs; an odd last byte is dropped).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tessera::fuzz {

inline void Check(bool condition) {
    if (!condition) std::abort();
}

inline std::wstring Utf16FromBytes(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    return text;
}

}  // namespace tessera::fuzz
