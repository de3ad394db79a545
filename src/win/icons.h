#pragma once
// The icons the shell associates with files, drawn on bitmaps and added to image lists.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "core/color.h"
#include "win/bitmap.h"
#include "win/handles.h"

namespace tessera::win {

// Leaves an icon that is already there; otherwise asks the shell (may give none).
void GetAssociatedIcon(UniqueIcon& icon, const std::wstring& path);
// The icon at the system icon size on the background colour; no icon leaves the bitmap
// as it was. True when an icon was drawn.
bool DrawFileIcon(Bitmap& bitmap, const std::wstring& path, Color background);
// Adds exactly one image: the file's icon scaled to the list's image size, or the plain
// background when the file has no icon.
void AddFileIconToImageList(HIMAGELIST list, const std::wstring& path);

}  // namespace tessera::win
