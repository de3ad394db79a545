#include "core/component_names.h"

#include <limits>
#include <stdexcept>

namespace tessera {
namespace {

// ASCII and full-width Latin letters fold to upper case; identifiers use nothing else.
wchar_t FoldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
    if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<wchar_t>(c - 0xFF41 + 0xFF21);
    return c;
}

}  // namespace

bool SameComponentName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

std::wstring UniqueComponentName(const std::wstring& prefix,
                                 const std::function<bool(const std::wstring&)>& taken) {
    for (int n = 0; n < std::numeric_limits<int>::max(); ++n) {
        std::wstring name = prefix + L"_" + std::to_wstring(n);
        if (!taken(name)) return name;
    }
    throw std::overflow_error("no free component name");
}

std::optional<long long> TrailingNumber(const std::wstring& name) {
    std::size_t start = name.size();
    while (start > 0 && name[start - 1] >= L'0' && name[start - 1] <= L'9') --start;
    if (start == name.size()) return std::nullopt;
    long long value = 0;
    for (std::size_t i = start; i < name.size(); ++i) {
        if (value > (std::numeric_limits<long long>::max() - 9) / 10) return std::nullopt;
        value = value * 10 + (name[i] - L'0');
    }
    return value;
}

}  // namespace tessera
