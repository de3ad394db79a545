#include "core/sort_state.h"

#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "core/natural_order.h"
#include "core/text_compare.h"

namespace tessera {
namespace {

std::wstring_view FolderView(std::wstring_view path, std::size_t at) {
    return path.substr(0, at + 1);
}

// Names share much of their text (folders, "IMG_", ".BMP"): each distinct text gets its
// key from the platform once.
class MemoizedKeys final : public CollationKeys {
  public:
    explicit MemoizedKeys(const CollationKeys& keys) : keys_(keys) {}
    const TextCollation& Collation() const override { return keys_.Collation(); }
    std::string Key(std::wstring_view text, unsigned flags) const override {
        auto& memo = memo_[flags & 7];
        std::wstring lookup(text);
        const auto found = memo.find(lookup);
        if (found != memo.end()) return found->second;
        return memo.emplace(std::move(lookup), keys_.Key(text, flags)).first->second;
    }

  private:
    const CollationKeys& keys_;
    mutable std::unordered_map<std::wstring, std::string> memo_[8];
};

int CompareKeys(int tag, const TMyWStrings& list, int a, int b) {
    return CompareNumeralPaths(SortKeyOf(tag, list.At(a)), SortKeyOf(tag, list.At(b)));
}

}  // namespace

// The folder key keeps its trailing separator, so that CompareNumeralPaths sees the whole
// folder as its folder part and an empty name: folders compare as paths.
std::wstring SortKeyOf(int tag, std::wstring_view path) {
    if (tag != kSortByPath && tag != kSortByName) return std::wstring(path);
    const std::size_t at = path.find_last_of(L"\\/:");
    if (tag == kSortByName)
        return std::wstring(at == std::wstring_view::npos ? path : path.substr(at + 1));
    if (at == std::wstring_view::npos) return {};
    if (path[at] == L':') return std::wstring(FolderView(path, at)) + L'\\';
    return std::wstring(FolderView(path, at));
}

int CompareFileNameAscending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByFileName, list, a, b);
}
int CompareFileNameDescending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByFileName, list, b, a);
}
int ComparePathAscending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByPath, list, a, b);
}
int ComparePathDescending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByPath, list, b, a);
}
int CompareNameAscending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByName, list, a, b);
}
int CompareNameDescending(const TMyWStrings& list, int a, int b) {
    return CompareKeys(kSortByName, list, b, a);
}

SortCompareFunction SortCompareOf(int state) {
    switch (state) {
        case kSortByFileName: return CompareFileNameAscending;
        case -kSortByFileName: return CompareFileNameDescending;
        case kSortByPath: return ComparePathAscending;
        case -kSortByPath: return ComparePathDescending;
        case kSortByName: return CompareNameAscending;
        case -kSortByName: return CompareNameDescending;
        default: return nullptr;
    }
}

int NextSortState(int state, int tag) {
    return std::abs(state) == tag ? -state : tag;
}

// Stable sort of the list by prepared keys, in the direction of the state.
template <typename Key, typename CompareFunction>
void SortByKeys(TMyWStrings& list, const std::vector<Key>& keys, bool ascending,
                CompareFunction compare) {
    const TMyWStringsUpdate update(list);
    list.CustomSort([&keys, ascending, compare](const TMyWStrings&, int a, int b) {
        const Key& ka = keys[static_cast<std::size_t>(a)];
        const Key& kb = keys[static_cast<std::size_t>(b)];
        return ascending ? compare(ka, kb) : compare(kb, ka);
    });
}

// Gives the order of SortCompareOf(new state), with each entry's key prepared once: a
// list of 100,000 entries needs about 1.7 million comparisons. With the platform's sort
// keys no comparison calls into the locale; without them each key is upper-cased once.
int SortFileNames(TMyWStrings& list, int state, int tag) {
    const int next = NextSortState(state, tag);
    if (SortCompareOf(next) == nullptr) return state;
    const auto count = static_cast<std::size_t>(list.Count());
    if (const CollationKeys* collationKeys = CurrentCollationKeys()) {
        const MemoizedKeys memo(*collationKeys);
        std::vector<NumeralPathKey> keys;
        keys.reserve(count);
        for (int i = 0; i < list.Count(); ++i)
            keys.emplace_back(LocaleUpperCase(SortKeyOf(tag, list.At(i))), memo);
        SortByKeys(list, keys, next > 0,
                   [](const NumeralPathKey& a, const NumeralPathKey& b) { return Compare(a, b); });
        return next;
    }
    std::vector<std::wstring> keys(count);
    for (int i = 0; i < list.Count(); ++i)
        keys[static_cast<std::size_t>(i)] = LocaleUpperCase(SortKeyOf(tag, list.At(i)));
    SortByKeys(list, keys, next > 0, CompareUpperCasedNumeralPaths);
    return next;
}

std::wstring SortCaption(std::wstring_view caption, int tag, int state) {
    std::wstring result(caption.substr(0, caption.find(L' ')));
    if (state != 0 && std::abs(state) == tag) result += state > 0 ? L" ▲" : L" ▼";
    return result;
}

}  // namespace tessera
