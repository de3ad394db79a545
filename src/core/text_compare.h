#pragma once
// Locale-aware string comparison behind a seam: the portable default compares code units
// after simple upper-casing; the Windows build installs the system's collation
// (win::UseSystemCollation in win/path_compare.h) at start-up.
#include <string>
#include <string_view>

namespace tessera {

enum CompareFlags : unsigned {
    kCompareDefault = 0,
    kCompareIgnoreCase = 1,
    kCompareIgnoreNonSpace = 2,
    kCompareStringSort = 4,
};

class TextCollation {
public:
    virtual ~TextCollation() = default;
    // Negative, 0 or positive, like CompareStringW in the user's default locale.
    virtual int Compare(std::wstring_view a, std::wstring_view b, unsigned flags) const = 0;
    virtual std::wstring UpperCase(std::wstring_view text) const = 0;
    // The user's decimal separator for numbers stored as text.
    virtual wchar_t DecimalSeparator() const { return L'.'; }
};

// The collation in use; SetTextCollation(nullptr) restores the portable default.
// Returns the previous one. The object must outlive its use.
const TextCollation& CurrentCollation();
const TextCollation* SetTextCollation(const TextCollation* collation);

int LocaleCompare(std::wstring_view a, std::wstring_view b, unsigned flags);
std::wstring LocaleUpperCase(std::wstring_view text);

// Portable helpers used by the default collation and by parsers.
wchar_t SimpleUpperCase(wchar_t c);
std::wstring SimpleUpperCase(std::wstring_view text);

// Negative, 0 or positive: the number-aware order of names and paths.
int CompareNaturalText(std::wstring_view a, std::wstring_view b);
int CompareFilePaths(std::wstring_view a, std::wstring_view b);

}  // namespace tessera
