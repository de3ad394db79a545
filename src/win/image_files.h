#pragma once
// Image files by Unicode name: BMP, JPEG and GIF read and written, icons read. The format
// follows the file name's extension. Every function reports failure by its result and
// shows nothing; a loader changes the target bitmap only when it succeeds.
#include <string>

#include "core/color.h"
#include "win/bitmap.h"

namespace tessera::win {

constexpr int kDefaultJpegQuality = 80;

bool LoadImageFile(Bitmap& bitmap, const std::wstring& path);
bool LoadBmpToBitmap(Bitmap& bitmap, const std::wstring& path);
bool LoadJpegToBitmap(Bitmap& bitmap, const std::wstring& path);
bool LoadGifToBitmap(Bitmap& bitmap, const std::wstring& path);
bool LoadIconToBitmap(Bitmap& bitmap, const std::wstring& path);

// Writers replace a file only after the whole new content was written; a failed write
// leaves the previous file as it was. An empty bitmap is not written, with success.
bool SaveImageFile(const Bitmap& bitmap, const std::wstring& path);
bool SaveBitmapAsBmp(const Bitmap& bitmap, const std::wstring& path);
bool SaveBitmapAsJpeg(const Bitmap& bitmap, const std::wstring& path, int quality);
bool SaveBitmapAsGif(const Bitmap& bitmap, const std::wstring& path);
bool SaveBitmapAsTransparentGif(const Bitmap& bitmap, const std::wstring& path, Color color);

}  // namespace tessera::win
