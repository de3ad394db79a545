#pragma once
// Images on the clipboard.
#include <windows.h>

#include <optional>

#include "core/pixels.h"
#include "win/bitmap.h"

namespace tessera::win {

// Opens the clipboard for one scope; another program may hold it for a moment, so
// opening retries briefly.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner = nullptr);
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession();
    bool Opened() const { return opened_; }

  private:
    bool opened_ = false;
};

// The clipboard's image (CF_DIB, else CF_BITMAP) as 24-bit pixels; nothing when there
// is none or it cannot be read.
std::optional<PixelImage> ReadClipboardImage();

// Puts a copy of the bitmap on the clipboard as CF_BITMAP; false when that failed.
bool PutBitmapOnClipboard(const Bitmap& bitmap);
// PutBitmapOnClipboard that tells the user when it failed; an empty bitmap is ignored.
void CopyBitmapToClipboard(const Bitmap& bitmap);

}  // namespace tessera::win
