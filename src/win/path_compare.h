#pragma once
// The system's collation in the user's default locale (CompareStringW, LCMapStringW),
// installed as the program's TextCollation (core/text_compare.h).
#include "core/text_compare.h"

namespace tessera::win {

class SystemCollation final : public TextCollation {
public:
    int Compare(std::wstring_view a, std::wstring_view b, unsigned flags) const override;
    std::wstring UpperCase(std::wstring_view text) const override;
    wchar_t DecimalSeparator() const override;
};

// Makes SystemCollation the collation of CompareNaturalText, CompareFilePaths and every
// TMyWStrings.
void UseSystemCollation();

}  // namespace tessera::win
