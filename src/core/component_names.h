#pragma once
// Component names: case-insensitive comparison (names are identifiers) and the unique-name
// rule "<prefix>_<N>" with the smallest free N from 0 upward.
#include <functional>
#include <optional>
#include <string>

namespace tessera {

bool SameComponentName(const std::wstring& a, const std::wstring& b);

// taken(name) tells whether a component of that name exists anywhere in the tree.
std::wstring UniqueComponentName(const std::wstring& prefix,
                                 const std::function<bool(const std::wstring&)>& taken);

// The number formed by the name's trailing decimal digits, if it ends with any.
std::optional<long long> TrailingNumber(const std::wstring& name);

}  // namespace tessera
