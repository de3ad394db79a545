#pragma once
// Gathering image files into the image list: path specifications, one path, one folder
// without its subfolders. Only ".bmp" files (any case) are ever gathered.
#include <string>

#include "core/image_list.h"
#include "win/my_file_strings.h"

namespace tessera::win {

inline constexpr wchar_t kImageExtension[] = L".bmp";

// Scans the path specifications and merges what they name; false when nothing was found.
bool AddFiles(ImageList& list, const TMyWStrings& paths, MessagePump& pump = SystemMessagePump());
// Gathers from one path specification (any file it names, then the ".bmp" filter).
bool AddPath(ImageList& list, const std::wstring& path, MessagePump& pump = SystemMessagePump());
// The ".bmp" files directly inside one folder, without its subfolders.
bool AddFolderImages(ImageList& list, const std::wstring& folder,
                     MessagePump& pump = SystemMessagePump());

}  // namespace tessera::win
