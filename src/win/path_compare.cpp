#include "win/path_compare.h"

#include <windows.h>

#include "core/checked.h"

namespace tessera::win {

int SystemCollation::Compare(std::wstring_view a, std::wstring_view b, unsigned flags) const {
    DWORD systemFlags = 0;
    if (flags & kCompareIgnoreCase) systemFlags |= NORM_IGNORECASE;
    if (flags & kCompareIgnoreNonSpace) systemFlags |= NORM_IGNORENONSPACE;
    if (flags & kCompareStringSort) systemFlags |= SORT_STRINGSORT;
    const int result = CompareStringW(LOCALE_USER_DEFAULT, systemFlags, a.data(), CheckedCast<int>(a.size()),
                                      b.data(), CheckedCast<int>(b.size()));
    if (result == 0) return a.compare(b);  // refused (invalid flags): code-unit order
    return result - CSTR_EQUAL;
}

std::wstring SystemCollation::UpperCase(std::wstring_view text) const {
    if (text.empty()) return {};
    const int size = CheckedCast<int>(text.size());
    const int length = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, text.data(), size, nullptr, 0);
    if (length <= 0) return SimpleUpperCase(text);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, text.data(), size, out.data(), length);
    return out;
}

wchar_t SystemCollation::DecimalSeparator() const {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return L'.';
    return separator[0];
}

void UseSystemCollation() {
    static const SystemCollation collation;
    SetTextCollation(&collation);
}

}  // namespace tessera::win
