#pragma once
// Filling and reading string lists in tests.
#include <string>
#include <vector>

#include "core/my_wstrings.h"

namespace tessera::testing {

inline std::vector<std::wstring> Lines(const TMyWStrings& list) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

// Replaces the list's lines.
inline void Fill(TMyWStrings& list, const std::vector<std::wstring>& lines) {
    list.Clear();
    for (const auto& line : lines) list.Add(line);
}

}  // namespace tessera::testing
