#include "core/text_compare.h"

#include <cstdint>
#include <limits>

namespace tessera {
namespace {

// Code units after simple upper-casing: the order used where no system collation exists.
class PortableCollation final : public TextCollation {
public:
    int Compare(std::wstring_view a, std::wstring_view b, unsigned flags) const override {
        const bool ignoreCase = (flags & kCompareIgnoreCase) != 0;
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i) {
            const auto x = static_cast<std::uint32_t>(ignoreCase ? SimpleUpperCase(a[i]) : a[i]);
            const auto y = static_cast<std::uint32_t>(ignoreCase ? SimpleUpperCase(b[i]) : b[i]);
            if (x != y) return x < y ? -1 : 1;
        }
        if (a.size() == b.size()) return 0;
        return a.size() < b.size() ? -1 : 1;
    }
    std::wstring UpperCase(std::wstring_view text) const override { return SimpleUpperCase(text); }
};

const PortableCollation kPortableCollation;
const TextCollation* gCollation = &kPortableCollation;

bool IsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

struct NaturalParts {
    std::wstring_view prefix, number, rest;
};

NaturalParts SplitNatural(std::wstring_view s) {
    std::size_t i = 0;
    while (i < s.size() && !IsAsciiDigit(s[i])) ++i;
    std::size_t j = i;
    while (j < s.size() && IsAsciiDigit(s[j])) ++j;
    return {s.substr(0, i), s.substr(i, j - i), s.substr(j)};
}

// A run of ASCII digits as a signed 64-bit value; false when it does not fit.
bool ReadDigits(std::wstring_view digits, std::int64_t& value) {
    value = 0;
    for (wchar_t c : digits) {
        const std::int64_t d = c - L'0';
        if (value > (std::numeric_limits<std::int64_t>::max() - d) / 10) return false;
        value = value * 10 + d;
    }
    return true;
}

int LongerFirst(std::wstring_view a, std::wstring_view b) { return a.size() > b.size() ? -1 : 1; }

std::wstring_view FolderOfPath(std::wstring_view path, std::wstring_view& name) {
    const auto sep = path.find_last_of(L"\\/:");
    if (sep == std::wstring_view::npos) {
        name = path;
        return {};
    }
    name = path.substr(sep + 1);
    return path.substr(0, path[sep] == L':' ? sep + 1 : sep);
}

}  // namespace

const TextCollation& CurrentCollation() { return *gCollation; }

const TextCollation* SetTextCollation(const TextCollation* collation) {
    const TextCollation* previous = gCollation;
    gCollation = collation ? collation : &kPortableCollation;
    return previous;
}

int LocaleCompare(std::wstring_view a, std::wstring_view b, unsigned flags) {
    return gCollation->Compare(a, b, flags);
}

std::wstring LocaleUpperCase(std::wstring_view text) { return gCollation->UpperCase(text); }

wchar_t SimpleUpperCase(wchar_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    if (u >= 'a' && u <= 'z') return static_cast<wchar_t>(u - 0x20);
    if (u < 0xE0) return c;
    if (u <= 0xFE && u != 0xF7) return static_cast<wchar_t>(u - 0x20);
    if (u == 0xFF) return static_cast<wchar_t>(0x178);
    if (u >= 0x100 && u <= 0x17F) {
        const bool oddLower = (u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177);
        const bool evenLower = (u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E);
        if (oddLower && (u & 1)) return static_cast<wchar_t>(u - 1);
        if (evenLower && !(u & 1)) return static_cast<wchar_t>(u - 1);
        return c;
    }
    if (u >= 0x3B1 && u <= 0x3C9) return static_cast<wchar_t>(u == 0x3C2 ? 0x3A3 : u - 0x20);
    if (u >= 0x430 && u <= 0x44F) return static_cast<wchar_t>(u - 0x20);
    if (u >= 0x450 && u <= 0x45F) return static_cast<wchar_t>(u - 0x50);
    if (u >= 0xFF41 && u <= 0xFF5A) return static_cast<wchar_t>(u - 0x20);
    return c;
}

std::wstring SimpleUpperCase(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) c = SimpleUpperCase(c);
    return out;
}

// Equal numbers continue with the rests; a loop rather than recursion, so long names
// of many numbers cannot exhaust the stack.
int CompareNaturalText(std::wstring_view a, std::wstring_view b) {
    for (;;) {
        if (a.empty() && b.empty()) return 0;
        if (b.empty()) return 1;
        if (a.empty()) return -1;
        const int c = LocaleCompare(a, b, kCompareIgnoreCase);
        if (c == 0) return LocaleUpperCase(a) != LocaleUpperCase(b) ? LongerFirst(a, b) : 0;
        const NaturalParts pa = SplitNatural(a), pb = SplitNatural(b);
        if (pa.prefix.empty() != pb.prefix.empty()) return c;
        const int p = LocaleCompare(pa.prefix, pb.prefix,
                                    kCompareIgnoreCase | kCompareIgnoreNonSpace | kCompareStringSort);
        if (p != 0) return p;
        if (LocaleUpperCase(pa.prefix) != LocaleUpperCase(pb.prefix)) {
            return LongerFirst(pa.prefix, pb.prefix);
        }
        if (pa.number.empty() && pb.number.empty()) return 0;
        if (pb.number.empty()) return 1;
        if (pa.number.empty()) return -1;
        std::int64_t na = 0, nb = 0;
        if (!ReadDigits(pa.number, na) || !ReadDigits(pb.number, nb)) return c;
        if (na != nb) return na < nb ? -1 : 1;
        a = pa.rest;
        b = pb.rest;
    }
}

int CompareFilePaths(std::wstring_view a, std::wstring_view b) {
    if (a == b) return 0;
    std::wstring_view nameA, nameB;
    const std::wstring_view folderA = FolderOfPath(a, nameA);
    const std::wstring_view folderB = FolderOfPath(b, nameB);
    const int c = CompareNaturalText(folderA, folderB);
    return c != 0 ? c : CompareNaturalText(nameA, nameB);
}

}  // namespace tessera
