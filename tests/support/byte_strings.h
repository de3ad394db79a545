#pragma once
// Byte strings written as lists of numbers in tests: B({0xEF, 0xBB, 0xBF}).
#include <cstdint>
#include <initializer_list>

#include "core/text_encoding.h"

namespace tessera::testing {

inline Bytes B(std::initializer_list<int> values) {
    Bytes bytes;
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

}  // namespace tessera::testing
