#include "win/natural_compare.h"

#include <windows.h>

#include "core/checked.h"
#include "win/last_error.h"
#include "win/path_compare.h"

namespace tessera::win {

// The key's bytes compare (unsigned, as std::string does) as CompareStringW compares the
// texts with the same flags in the same locale.
std::string SystemCollationKeys::Key(std::wstring_view text, unsigned flags) const {
    DWORD systemFlags = LCMAP_SORTKEY;
    if (flags & kCompareIgnoreCase) systemFlags |= NORM_IGNORECASE;
    if (flags & kCompareIgnoreNonSpace) systemFlags |= NORM_IGNORENONSPACE;
    if (flags & kCompareStringSort) systemFlags |= SORT_STRINGSORT;
    if (text.empty()) return {};
    const int size = CheckedCast<int>(text.size());
    char buffer[512];
    int length = LCMapStringW(LOCALE_USER_DEFAULT, systemFlags, text.data(), size,
                              reinterpret_cast<LPWSTR>(buffer), sizeof buffer);
    if (length > 0) return std::string(buffer, static_cast<std::size_t>(length));
    length = LCMapStringW(LOCALE_USER_DEFAULT, systemFlags, text.data(), size, nullptr, 0);
    if (length <= 0) ThrowLastError("LCMapStringW");
    std::string key(static_cast<std::size_t>(length), '\0');
    LCMapStringW(LOCALE_USER_DEFAULT, systemFlags, text.data(), size,
                 reinterpret_cast<LPWSTR>(key.data()), length);
    return key;
}

void UseSystemSortKeys() {
    UseSystemCollation();
    static const SystemCollationKeys keys(CurrentCollation());
    SetCollationKeys(&keys);
}

}  // namespace tessera::win
