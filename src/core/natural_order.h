#pragma once
// Number-aware ordering of file names: numbers inside names, written in ASCII, full-width
// or kanji digits, positional kanji numerals, circled numbers or Roman numerals, compare
// by their value, so that 写真2 sorts before 写真10 and 第二章 before 第十章.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_compare.h"

namespace tessera {

// The first numeral run of a text: the text before it, its value and the text after it.
// `overflow` is set when the value did not fit in 64 bits; `value` is then meaningless.
struct NumeralRun {
    std::wstring_view prefix;
    std::int64_t value = 0;
    std::wstring_view rest;
    bool overflow = false;
};

bool IsNumeralChar(wchar_t c);
NumeralRun ReadNumeral(std::wstring_view text);

// -1, 0 or 1 through the current text collation (text_compare.h).
int CompareNumeralText(std::wstring_view a, std::wstring_view b);
int CompareNumeralPaths(std::wstring_view a, std::wstring_view b);
// CompareNumeralPaths of texts already upper-cased with LocaleUpperCase.
int CompareUpperCasedNumeralPaths(std::wstring_view upperA, std::wstring_view upperB);

// Byte keys whose order (bytes compared unsigned) is the order the collation gives with
// the same flags: the platform's sort keys. With keys installed, a sort compares keys
// made once per entry instead of asking the locale in every comparison.
class CollationKeys {
  public:
    virtual ~CollationKeys() = default;
    virtual const TextCollation& Collation() const = 0;  // the collation the keys agree with
    virtual std::string Key(std::wstring_view text, unsigned flags) const = 0;
};

// Returns the previous keys; nullptr removes them.
const CollationKeys* SetCollationKeys(const CollationKeys* keys);
// The installed keys when they agree with the current collation, else nullptr.
const CollationKeys* CurrentCollationKeys();

// An upper-cased path prepared for CompareUpperCasedNumeralPaths: every numeral run of its
// folder and name read once, with the collation keys of the texts that step compares.
class NumeralPathKey {
  public:
    NumeralPathKey(std::wstring upperPath, const CollationKeys& keys);
    // CompareUpperCasedNumeralPaths of the two paths.
    friend int Compare(const NumeralPathKey& a, const NumeralPathKey& b);

    struct Level {
        std::size_t start = 0;         // the remaining text runs from here to the part's end
        std::size_t prefixLength = 0;  // its text before the numeral run
        std::string textKey;
        std::string prefixKey;
        std::int64_t value = 0;
        bool overflow = false;
    };
    struct Part {
        std::size_t end = 0;
        std::vector<Level> levels;  // the last one has an empty text
    };

  private:
    std::wstring text_;
    Part folder_;
    Part name_;
};

}  // namespace tessera
