#include "core/my_wstrings.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "core/line_text.h"
#include "core/text_compare.h"
#include "core/text_file_system.h"

#pragma push_macro("GetObject")
#undef GetObject

namespace tessera {
namespace {

TMyWStringsMessage& MessageHandler() {
    static TMyWStringsMessage handler;
    return handler;
}

void ShowListMessage(const wchar_t* text) {
    if (MessageHandler()) MessageHandler()(text);
}

bool IsTrimmed(wchar_t c) { return static_cast<std::uint32_t>(c) <= 0x20; }

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

// Top-down merge sort of indices; the second half's item goes first only when the
// compare answers greater, so equal lines keep their order.
void MergeSort(std::vector<int>& idx, std::vector<int>& scratch, std::size_t lo, std::size_t n,
               const TMyWStrings& list, const TMyWStringsCompare& compare) {
    if (n < 2) return;
    const std::size_t half = n / 2;
    MergeSort(idx, scratch, lo, half, list, compare);
    MergeSort(idx, scratch, lo + half, n - half, list, compare);
    std::size_t a = lo, b = lo + half, out = lo;
    const std::size_t aEnd = lo + half, bEnd = lo + n;
    while (a < aEnd && b < bEnd) {
        scratch[out++] = compare(list, idx[a], idx[b]) > 0 ? idx[b++] : idx[a++];
    }
    while (a < aEnd) scratch[out++] = idx[a++];
    while (b < bEnd) scratch[out++] = idx[b++];
    std::copy(scratch.begin() + static_cast<std::ptrdiff_t>(lo),
              scratch.begin() + static_cast<std::ptrdiff_t>(lo + n),
              idx.begin() + static_cast<std::ptrdiff_t>(lo));
}

int ComparePaths(const TMyWStrings& list, int a, int b) {
    return CompareFilePaths(list.At(a), list.At(b));
}

}  // namespace

std::wstring NameOfLine(std::wstring_view line) {
    const auto equals = line.find(L'=');
    if (equals == std::wstring_view::npos || equals == 0) return {};
    return std::wstring(Trim(line.substr(0, equals)));
}

TMyWStrings::TMyWStrings() = default;

TMyWStrings::~TMyWStrings() {
    for (auto& item : items_) DropObject(item);
}

TMyWStringsMessage TMyWStrings::SetMessageHandler(TMyWStringsMessage handler) {
    return std::exchange(MessageHandler(), std::move(handler));
}

// An object the list does not own is let go, never destroyed.
void TMyWStrings::DropObject(Item& item) {
    if (ownsObjects_) {
        item.object.reset();
    } else {
        static_cast<void>(item.object.release());
    }
}

void TMyWStrings::Changed() {
    if (onChange_) onChange_(*this);
}

const std::wstring& TMyWStrings::At(int index) const {
    static const std::wstring empty;
    return InRange(index) ? items_[static_cast<std::size_t>(index)].text : empty;
}

int TMyWStrings::CompareStrings(std::wstring_view a, std::wstring_view b) const {
    return LocaleCompare(a, b, caseSensitive_ ? kCompareDefault : kCompareIgnoreCase);
}

std::wstring TMyWStrings::Get(int index) const { return At(index); }

void TMyWStrings::Put(int index, const std::wstring& s) {
    if (InRange(index)) items_[static_cast<std::size_t>(index)].text = s;
}

TMyObject* TMyWStrings::GetObject(int index) const {
    return InRange(index) ? items_[static_cast<std::size_t>(index)].object.get() : nullptr;
}

void TMyWStrings::PutObject(int index, TMyObject* object) {
    if (!InRange(index)) return;
    auto& item = items_[static_cast<std::size_t>(index)];
    if (item.object.get() == object) return;
    DropObject(item);
    item.object.reset(object);
}

std::wstring TMyWStrings::GetText() const {
    std::vector<std::wstring_view> lines;
    lines.reserve(items_.size());
    for (const auto& item : items_) lines.emplace_back(item.text);
    return JoinLines(lines, lineBreak_);
}

void TMyWStrings::SetText(std::wstring_view text) {
    Clear();
    AddText(text);
}

void TMyWStrings::RemoveDuplicates() {
    for (int i = Count() - 1; i >= 1; --i) {
        if (CompareStrings(At(i), At(i - 1)) == 0) Delete(i);
    }
}

int TMyWStrings::Add(const std::wstring& s) { return AddObject(s, nullptr); }

int TMyWStrings::AddObject(const std::wstring& s, TMyObject* object) {
    InsertItem(Count(), s, object);
    return Count() - 1;
}

int TMyWStrings::AddObject(const std::wstring& s, std::unique_ptr<TMyObject> object) {
    return AddObject(s, object.release());
}

void TMyWStrings::AddStrings(const TMyWStrings& list) {
    BeginUpdate();
    const int count = list.Count();  // the same list may be added to itself
    for (int i = 0; i < count; ++i) Add(list.Get(i));
    EndUpdate();
}

void TMyWStrings::AddText(std::wstring_view text) {
    BeginUpdate();
    lineBreak_ = SplitLines(text, [this](std::wstring_view line) { Add(std::wstring(line)); });
    EndUpdate();
}

void TMyWStrings::Assign(const TMyWStrings& list) {
    if (&list == this) return;
    if (Count() > 0) Clear();
    AddStrings(list);
}

void TMyWStrings::BeginUpdate() { ++updateCount_; }

void TMyWStrings::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
}

void TMyWStrings::Clear() {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) DropObject(*it);
    items_.clear();
}

void TMyWStrings::CustomSort(const TMyWStringsCompare& compare) {
    SortRange(0, Count() - 1, compare);
}

void TMyWStrings::Delete(int index) {
    if (!InRange(index)) return;
    DropObject(items_[static_cast<std::size_t>(index)]);
    items_.erase(items_.begin() + index);
    Changed();
}

void TMyWStrings::Exchange(int i, int j) {
    if (!InRange(i) || !InRange(j)) return;
    std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    Changed();
}

void TMyWStrings::SortByPath() {
    CustomSort(ComparePaths);
    RemoveDuplicates();
}

void TMyWStrings::SortRangeByPath(int from, int to) { SortRange(from, to, ComparePaths); }

void TMyWStrings::Insert(int index, const std::wstring& s) { InsertItem(index, s, nullptr); }

int TMyWStrings::InsertPosition(int index, const std::wstring& s) const {
    if (!sorted_ || duplicates_ == dupAccept) return std::clamp(index, 0, Count());
    for (int i = 0; i < Count(); ++i) {
        const int c = CompareStrings(At(i), s);
        if (c == 0) return -1;
        if (c > 0) return i;
    }
    return Count();
}

// The single way lines enter the list. A failure leaves the list as it was and is
// reported, never thrown: callers go on with the next line.
void TMyWStrings::InsertItem(int index, const std::wstring& s, TMyObject* object) {
    std::unique_ptr<TMyObject> held(object);
    try {
        const int position = InsertPosition(index, s);
        if (position < 0) {
            if (duplicates_ == dupError) ShowListMessage(kDuplicateMessage);
            if (!ownsObjects_) static_cast<void>(held.release());
            return;
        }
        InsertAt(position, s, held);
    } catch (const std::bad_alloc&) {
        if (!ownsObjects_) static_cast<void>(held.release());
        ShowListMessage(kOutOfMemoryMessage);
        return;
    } catch (const std::exception&) {
        if (!ownsObjects_) static_cast<void>(held.release());
        ShowListMessage(kOperationFailedMessage);
        return;
    }
    Changed();
}

void TMyWStrings::InsertAt(int position, const std::wstring& s, std::unique_ptr<TMyObject>& object) {
    if (items_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("list too long");
    }
    Item item{s, nullptr};  // copies the text before the list changes
    item.object = std::move(object);
    items_.insert(items_.begin() + position, std::move(item));
}

void TMyWStrings::InsertStrings(int index, const TMyWStrings& list) {
    index = std::clamp(index, 0, Count());
    std::vector<std::wstring> lines;  // a copy: the list may be this one
    lines.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    BeginUpdate();
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) Insert(index, *it);
    EndUpdate();
}

void TMyWStrings::LoadFromFile(const std::wstring& path) { LoadFromFile(path, encoding_); }

void TMyWStrings::LoadFromFile(const std::wstring& path, TextEncoding& encoding) {
    const std::wstring text = CurrentTextFileSystem().ReadText(path, encoding);
    SetText(text);
}

bool TMyWStrings::SaveToFile(const std::wstring& path) { return SaveToFile(path, encoding_); }

bool TMyWStrings::SaveToFile(const std::wstring& path, TextEncoding encoding) {
    return CurrentTextFileSystem().WriteText(path, GetText(), encoding);
}

bool TMyWStrings::SaveToFile(const std::wstring& path, TextEncoding encoding,
                             LineBreakStyle lineBreak) {
    lineBreak_ = lineBreak;
    return SaveToFile(path, encoding);
}

// Sorts indices only, then rewrites the range once; single rewrites fire no OnChange.
void TMyWStrings::SortRange(int from, int to, const TMyWStringsCompare& compare) {
    from = std::max(from, 0);
    to = std::min(to, Count() - 1);
    if (to <= from) return;
    const auto n = static_cast<std::size_t>(to - from + 1);
    std::vector<int> idx(n);
    for (std::size_t k = 0; k < n; ++k) idx[k] = from + static_cast<int>(k);
    std::vector<int> scratch(n);
    MergeSort(idx, scratch, 0, n, *this, compare);
    std::vector<Item> sorted;
    sorted.reserve(n);
    for (int i : idx) sorted.push_back(std::move(items_[static_cast<std::size_t>(i)]));
    std::move(sorted.begin(), sorted.end(), items_.begin() + from);
}

void TMyWStrings::Move(int from, int to) {
    if (from == to || !InRange(from) || !InRange(to)) return;
    Item item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed();
}

int TMyWStrings::IndexOf(std::wstring_view s, int start) const {
    for (int i = std::max(start, 0); i < Count(); ++i) {
        if (CompareStrings(At(i), s) == 0) return i;
    }
    return -1;
}

int TMyWStrings::IndexOfName(std::wstring_view name, int start) const {
    for (int i = std::max(start, 0); i < Count(); ++i) {
        if (LocaleCompare(NameOfLine(At(i)), name, kCompareIgnoreCase) == 0) return i;
    }
    return -1;
}

std::wstring TMyWStrings::NameOf(int index) const { return NameOfLine(Get(index)); }

void TMyWStrings::SetSorted(bool sorted) {
    sorted_ = sorted;
    if (!sorted) return;
    CustomSort([](const TMyWStrings& list, int a, int b) {
        return list.CompareStrings(list.At(a), list.At(b));
    });
    if (duplicates_ != dupAccept) RemoveDuplicates();
}

}  // namespace tessera

#pragma pop_macro("GetObject")
