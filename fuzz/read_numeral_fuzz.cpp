// Reads numeral runs out of arbitrary UTF-16 and compares the halves of the input as texts
// and as paths: nothing may crash, the run must lie inside the text, the comparisons must
// be antisymmetric, and paths prepared with collation keys must compare as the plain
// comparison does.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/natural_order.h"
#include "fuzz_support.h"

namespace {

using tessera::fuzz::Check;
using tessera::fuzz::Utf16FromBytes;

// Keys of the portable collation: upper-cased code units as big-endian bytes.
class PortableKeys final : public tessera::CollationKeys {
  public:
    const tessera::TextCollation& Collation() const override { return tessera::CurrentCollation(); }
    std::string Key(std::wstring_view text, unsigned flags) const override {
        const std::wstring units = (flags & tessera::kCompareIgnoreCase)
                                       ? tessera::SimpleUpperCase(text)
                                       : std::wstring(text);
        std::string key;
        for (wchar_t c : units) {
            key.push_back(static_cast<char>((c >> 8) & 0xFF));
            key.push_back(static_cast<char>(c & 0xFF));
        }
        return key;
    }
};

void CheckRun(std::wstring_view text) {
    const tessera::NumeralRun run = tessera::ReadNumeral(text);
    Check(text.substr(0, run.prefix.size()) == run.prefix);
    Check(run.prefix.size() + run.rest.size() <= text.size());
    Check(text.substr(text.size() - run.rest.size()) == run.rest);
    Check(run.overflow || run.value >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = Utf16FromBytes(data, size);
    CheckRun(text);
    const std::wstring_view all(text);
    const std::wstring_view a = all.substr(0, all.size() / 2);
    const std::wstring_view b = all.substr(all.size() / 2);
    Check(tessera::CompareNumeralText(a, b) == -tessera::CompareNumeralText(b, a));
    Check(tessera::CompareNumeralPaths(a, b) == -tessera::CompareNumeralPaths(b, a));
    Check(tessera::CompareNumeralText(a, a) == 0);
    const PortableKeys keys;
    const std::wstring upperA = tessera::LocaleUpperCase(a);
    const std::wstring upperB = tessera::LocaleUpperCase(b);
    Check(Compare(tessera::NumeralPathKey(upperA, keys), tessera::NumeralPathKey(upperB, keys)) ==
          tessera::CompareUpperCasedNumeralPaths(upperA, upperB));
    return 0;
}
