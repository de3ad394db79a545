#pragma once
// The selection page's image list without its window: the entries (the list control's
// strings), the current image, the focus row, and the duplicate-free merging of gathered
// files.
#include <functional>
#include <string>

#include "core/my_wstrings.h"

namespace tessera {

class ImageList {
  public:
    // The entries belong to the caller (the list control's strings).
    explicit ImageList(TMyWStrings& entries);
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    TMyWStrings& Entries() { return entries_; }
    const TMyWStrings& Entries() const { return entries_; }

    const std::wstring& CurrentImage() const { return currentImage_; }
    void SetCurrentImage(std::wstring path) { currentImage_ = std::move(path); }
    int FocusRow() const { return focusRow_; }  // -1: none
    void SetFocusRow(int row) { focusRow_ = row; }
    // Called to open the focused entry after a merge (the page's OpenSelected).
    void SetOnOpen(std::function<void()> handler) { onOpen_ = std::move(handler); }

    // Whether "remove from the list" may be used: more than one entry.
    bool CanRemove() const { return entries_.Count() > 1; }

    // Merges gathered files: the first becomes the current image, files not yet listed
    // (ignoring case) are appended, the focus moves to the current image and it is opened.
    // Nothing changes when nothing was gathered; returns whether something was.
    bool Merge(const TMyWStrings& gathered);

  private:
    TMyWStrings& entries_;
    std::wstring currentImage_;
    int focusRow_ = -1;
    std::function<void()> onOpen_;
};

}  // namespace tessera
