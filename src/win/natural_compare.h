#pragma once
// The system's sort keys (LCMapStringW with LCMAP_SORTKEY) for the number-aware sorts.
#include "core/natural_order.h"

namespace tessera::win {

class SystemCollationKeys final : public CollationKeys {
  public:
    explicit SystemCollationKeys(const TextCollation& collation) : collation_(collation) {}
    const TextCollation& Collation() const override { return collation_; }
    std::string Key(std::wstring_view text, unsigned flags) const override;

  private:
    const TextCollation& collation_;
};

// Installs the system collation (UseSystemCollation) and the sort keys that agree with it.
void UseSystemSortKeys();

}  // namespace tessera::win
