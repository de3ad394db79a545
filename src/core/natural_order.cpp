#include "core/natural_order.h"

#include "core/text_compare.h"

namespace tessera {
namespace {

enum class NumeralKind { kNone, kDigits, kSmallMultiplier, kBigMultiplier };

// A numeral character: digits carry the number their digit text spells (0..20),
// multipliers their factor.
struct Numeral {
    NumeralKind kind = NumeralKind::kNone;
    int number = 0;
};

Numeral KanjiNumeral(wchar_t c) {
    switch (c) {
        case L'〇':
        case L'零': return {NumeralKind::kDigits, 0};
        case L'一':
        case L'壱':
        case L'壹': return {NumeralKind::kDigits, 1};
        case L'二':
        case L'弐':
        case L'貮':
        case L'貳': return {NumeralKind::kDigits, 2};
        case L'三':
        case L'参':
        case L'參': return {NumeralKind::kDigits, 3};
        case L'四':
        case L'肆': return {NumeralKind::kDigits, 4};
        case L'五':
        case L'伍': return {NumeralKind::kDigits, 5};
        case L'六':
        case L'陸': return {NumeralKind::kDigits, 6};
        case L'七':
        case L'柒':
        case L'漆':
        case L'質': return {NumeralKind::kDigits, 7};
        case L'八':
        case L'捌': return {NumeralKind::kDigits, 8};
        case L'九':
        case L'玖': return {NumeralKind::kDigits, 9};
        case L'十':
        case L'拾': return {NumeralKind::kSmallMultiplier, 10};
        case L'百':
        case L'陌':
        case L'佰': return {NumeralKind::kSmallMultiplier, 100};
        case L'千':
        case L'阡':
        case L'仟': return {NumeralKind::kSmallMultiplier, 1000};
        case L'万':
        case L'萬': return {NumeralKind::kBigMultiplier, 10000};
        default: return {};
    }
}

Numeral ClassifyNumeral(wchar_t c) {
    if (c >= L'0' && c <= L'9') return {NumeralKind::kDigits, c - L'0'};
    if (c >= 0xFF10 && c <= 0xFF19) return {NumeralKind::kDigits, c - 0xFF10};      // ０..９
    if (c >= 0x2460 && c <= 0x2473) return {NumeralKind::kDigits, c - 0x2460 + 1};  // ①..⑳
    if (c >= 0x2160 && c <= 0x2169) return {NumeralKind::kDigits, c - 0x2160 + 1};  // Ⅰ..Ⅹ
    if (c < 0x3000) return {};
    return KanjiNumeral(c);
}

// Reads one numeral run character by character. Pending digits are kept as their value;
// a digit text too long for 64 bits counts as 0, as a decimal text that does not fit does.
class RunReader {
  public:
    // False when the character ends the run (a non-numeral or a misplaced multiplier).
    bool Take(wchar_t c) {
        const Numeral n = ClassifyNumeral(c);
        switch (n.kind) {
            case NumeralKind::kNone: return false;
            case NumeralKind::kDigits: AppendDigits(n.number); return true;
            case NumeralKind::kSmallMultiplier: return TakeSmall(n.number);
            case NumeralKind::kBigMultiplier: return TakeBig();
        }
        return false;
    }

    void Finish() { Add(PendingValue()); }
    std::int64_t Value() const { return value_; }
    bool Overflow() const { return overflow_; }

  private:
    bool TakeSmall(int m) {
        if (ten_) return false;
        if (m >= 100 && hundred_) return false;
        if (m >= 1000 && thousand_) return false;
        Add(Multiply(pending_ ? PendingValue() : 1, m));
        pending_ = false;
        (m == 10 ? ten_ : m == 100 ? hundred_ : thousand_) = true;
        return true;
    }

    // With no pending digits after a non-zero value (十万, 三千二百万) the value so far is
    // the coefficient: the positional reading, 十万 = 100,000. Pending digits are always
    // the coefficient as written, so 10万 = 100,000 and ①十 = 10.
    bool TakeBig() {
        if (big_) return false;
        if (pending_) {
            Add(PendingValue());
            value_ = Multiply(value_, 10000);
        } else {
            value_ = value_ == 0 ? 10000 : Multiply(value_, 10000);
        }
        pending_ = false;
        big_ = true;
        ten_ = hundred_ = thousand_ = false;
        return true;
    }

    void AppendDigits(int number) {
        const std::int64_t scale = number < 10 ? 10 : 100;
        if (!pending_) {
            pending_ = true;
            pendingValue_ = 0;
            pendingTooLong_ = false;
        }
        if (pendingTooLong_) return;
        if (__builtin_mul_overflow(pendingValue_, scale, &pendingValue_) ||
            __builtin_add_overflow(pendingValue_, std::int64_t{number}, &pendingValue_)) {
            pendingTooLong_ = true;
        }
    }

    std::int64_t PendingValue() const { return pending_ && !pendingTooLong_ ? pendingValue_ : 0; }

    std::int64_t Multiply(std::int64_t a, std::int64_t b) {
        std::int64_t r = 0;
        if (__builtin_mul_overflow(a, b, &r)) overflow_ = true;
        return r;
    }

    void Add(std::int64_t a) {
        if (__builtin_add_overflow(value_, a, &value_)) overflow_ = true;
    }

    std::int64_t value_ = 0;
    std::int64_t pendingValue_ = 0;
    bool pending_ = false;
    bool pendingTooLong_ = false;
    bool overflow_ = false;
    bool big_ = false;
    bool thousand_ = false;
    bool hundred_ = false;
    bool ten_ = false;
};

int Sign(int v) {
    return (v > 0) - (v < 0);
}

std::wstring_view UpperForm(std::wstring_view text, bool upperCased, std::wstring& storage) {
    if (upperCased) return text;
    storage = LocaleUpperCase(text);
    return storage;
}

// 0 when the texts are equal after upper-casing; otherwise the longer one sorts first.
// Texts of the same length are put in code-unit order of their upper-cased forms, so that
// the comparison stays antisymmetric and a sort has one well-defined result.
int CompareUpperForms(std::wstring_view a, std::wstring_view b, bool upperCased) {
    std::wstring ua, ub;
    const std::wstring_view va = UpperForm(a, upperCased, ua);
    const std::wstring_view vb = UpperForm(b, upperCased, ub);
    if (va == vb) return 0;
    if (va.size() != vb.size()) return va.size() > vb.size() ? -1 : 1;
    return va < vb ? -1 : 1;
}

constexpr unsigned kPrefixFlags = kCompareIgnoreCase | kCompareIgnoreNonSpace | kCompareStringSort;

// The rests of two runs compare in the same way as the whole texts, so the comparison
// loops instead of recursing (a long text of alternating runs must not exhaust the stack).
int CompareRuns(std::wstring_view a, std::wstring_view b, bool upperCased) {
    for (;;) {
        if (a.empty() || b.empty()) return int{b.empty()} - int{a.empty()};
        if (a == b) return 0;
        const int c = Sign(LocaleCompare(a, b, kCompareIgnoreCase));
        if (c == 0) return CompareUpperForms(a, b, upperCased);
        const NumeralRun ra = ReadNumeral(a);
        const NumeralRun rb = ReadNumeral(b);
        if (ra.prefix.empty() != rb.prefix.empty()) return c;
        if (const int r = Sign(LocaleCompare(ra.prefix, rb.prefix, kPrefixFlags)); r != 0) return r;
        if (const int r = CompareUpperForms(ra.prefix, rb.prefix, upperCased); r != 0) return r;
        // A value that overflowed 64 bits has no order of its own: the plain comparison
        // decides, as it does when one of the texts begins with a numeral.
        if (ra.overflow || rb.overflow) return c;
        if (ra.value != rb.value) return ra.value < rb.value ? -1 : 1;
        a = ra.rest;
        b = rb.rest;
    }
}

// Splits at the last "\", "/" or ":"; a colon stays with the folder.
void SplitAtLastSeparator(std::wstring_view path, std::wstring_view& folder,
                          std::wstring_view& name) {
    const std::size_t at = path.find_last_of(L"\\/:");
    if (at == std::wstring_view::npos) {
        folder = {};
        name = path;
        return;
    }
    folder = path.substr(0, path[at] == L':' ? at + 1 : at);
    name = path.substr(at + 1);
}

const CollationKeys* gCollationKeys = nullptr;

int CompareKeys(const std::string& a, const std::string& b) {
    return Sign(a.compare(b));
}

// The levels of one part of a path: the whole part, then the rest after each numeral run.
NumeralPathKey::Part MakePart(std::wstring_view text, std::size_t begin, std::size_t end,
                              const CollationKeys& keys) {
    NumeralPathKey::Part part;
    part.end = end;
    std::size_t start = begin;
    for (;;) {
        NumeralPathKey::Level level;
        level.start = start;
        if (start == end) {
            part.levels.push_back(std::move(level));
            return part;
        }
        const std::wstring_view rest = text.substr(start, end - start);
        const NumeralRun run = ReadNumeral(rest);
        level.prefixLength = run.prefix.size();
        level.textKey = keys.Key(rest, kCompareIgnoreCase);
        level.prefixKey = keys.Key(run.prefix, kPrefixFlags);
        level.value = run.value;
        level.overflow = run.overflow;
        part.levels.push_back(std::move(level));
        start = end - run.rest.size();
    }
}

// CompareRuns on prepared levels: the same steps, with keys in place of locale calls.
int CompareParts(std::wstring_view ta, const NumeralPathKey::Part& a, std::wstring_view tb,
                 const NumeralPathKey::Part& b) {
    for (std::size_t k = 0;; ++k) {
        const NumeralPathKey::Level& la = a.levels[k];
        const NumeralPathKey::Level& lb = b.levels[k];
        const std::wstring_view va = ta.substr(la.start, a.end - la.start);
        const std::wstring_view vb = tb.substr(lb.start, b.end - lb.start);
        if (va.empty() || vb.empty()) return int{vb.empty()} - int{va.empty()};
        if (va == vb) return 0;
        const int c = CompareKeys(la.textKey, lb.textKey);
        if (c == 0) return CompareUpperForms(va, vb, true);
        const std::wstring_view pa = va.substr(0, la.prefixLength);
        const std::wstring_view pb = vb.substr(0, lb.prefixLength);
        if (pa.empty() != pb.empty()) return c;
        if (const int r = CompareKeys(la.prefixKey, lb.prefixKey); r != 0) return r;
        if (const int r = CompareUpperForms(pa, pb, true); r != 0) return r;
        if (la.overflow || lb.overflow) return c;
        if (la.value != lb.value) return la.value < lb.value ? -1 : 1;
    }
}

}  // namespace

const CollationKeys* SetCollationKeys(const CollationKeys* keys) {
    const CollationKeys* previous = gCollationKeys;
    gCollationKeys = keys;
    return previous;
}

const CollationKeys* CurrentCollationKeys() {
    if (gCollationKeys == nullptr || &gCollationKeys->Collation() != &CurrentCollation())
        return nullptr;
    return gCollationKeys;
}

NumeralPathKey::NumeralPathKey(std::wstring upperPath, const CollationKeys& keys)
    : text_(std::move(upperPath)) {
    const std::size_t at = text_.find_last_of(L"\\/:");
    const std::size_t folderEnd = at == std::wstring::npos ? 0 : text_[at] == L':' ? at + 1 : at;
    const std::size_t nameStart = at == std::wstring::npos ? 0 : at + 1;
    folder_ = MakePart(text_, 0, folderEnd, keys);
    name_ = MakePart(text_, nameStart, text_.size(), keys);
}

int Compare(const NumeralPathKey& a, const NumeralPathKey& b) {
    if (a.text_ == b.text_) return 0;
    if (const int r = CompareParts(a.text_, a.folder_, b.text_, b.folder_); r != 0) return r;
    return CompareParts(a.text_, a.name_, b.text_, b.name_);
}

bool IsNumeralChar(wchar_t c) {
    return ClassifyNumeral(c).kind != NumeralKind::kNone;
}

// A text without any numeral is all prefix with value 0 and an empty rest, so that pics
// and pics0 compare as equal.
NumeralRun ReadNumeral(std::wstring_view text) {
    NumeralRun run;
    std::size_t at = 0;
    while (at < text.size() && !IsNumeralChar(text[at])) ++at;
    run.prefix = text.substr(0, at);
    if (at == text.size()) return run;
    RunReader reader;
    while (at < text.size() && reader.Take(text[at])) ++at;
    reader.Finish();
    run.value = reader.Value();
    run.overflow = reader.Overflow();
    run.rest = text.substr(at);
    return run;
}

int CompareNumeralText(std::wstring_view a, std::wstring_view b) {
    return CompareRuns(a, b, false);
}

int CompareNumeralPaths(std::wstring_view a, std::wstring_view b) {
    return CompareUpperCasedNumeralPaths(LocaleUpperCase(a), LocaleUpperCase(b));
}

int CompareUpperCasedNumeralPaths(std::wstring_view ua, std::wstring_view ub) {
    if (ua == ub) return 0;
    std::wstring_view folderA, nameA, folderB, nameB;
    SplitAtLastSeparator(ua, folderA, nameA);
    SplitAtLastSeparator(ub, folderB, nameB);
    if (const int r = CompareRuns(folderA, folderB, true); r != 0) return r;
    return CompareRuns(nameA, nameB, true);
}

}  // namespace tessera
