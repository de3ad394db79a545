#include "core/image_list.h"

#include <unordered_map>

#include "core/text_compare.h"

namespace tessera {

ImageList::ImageList(TMyWStrings& entries) : entries_(entries) {}

// Two entries are the same file when their upper-cased forms are equal (LocaleUpperCase:
// the system's full Unicode upper-casing, one code unit for one, which is also how the
// file system matches names regardless of case). A hash of those forms, mapped to the
// first row holding each, gives the results of comparing every gathered file with every
// entry, without the quadratic cost on lists of 100,000 entries. The same map finds the
// row of the current image, the first entry equal to it ignoring case.
bool ImageList::Merge(const TMyWStrings& gathered) {
    if (gathered.Count() == 0) return false;
    currentImage_ = gathered.At(0);
    std::unordered_map<std::wstring, int> rows;
    rows.reserve(static_cast<std::size_t>(entries_.Count() + gathered.Count()));
    for (int i = 0; i < entries_.Count(); ++i) rows.emplace(LocaleUpperCase(entries_.At(i)), i);
    {
        const TMyWStringsUpdate update(entries_);
        for (int i = 0; i < gathered.Count(); ++i) {
            std::wstring key = LocaleUpperCase(gathered.At(i));
            if (rows.count(key) != 0) continue;
            const int row = entries_.Add(gathered.At(i));
            if (row >= 0 && entries_.Count() > row && entries_.At(row) == gathered.At(i))
                rows.emplace(std::move(key), row);
        }
    }
    const auto found = rows.find(LocaleUpperCase(currentImage_));
    focusRow_ = found == rows.end() ? -1 : found->second;
    if (onOpen_) onOpen_();
    return true;
}

}  // namespace tessera
