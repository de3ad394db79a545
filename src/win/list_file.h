#pragma once
// The image list file beside the executable: one full path per line, in list order.
#include <string>

#include "core/my_wstrings.h"

namespace tessera::win {

// The executable's path with the extension ".list".
std::wstring ListFileName();

// Reads the file into the list (replacing it, blank lines included) when it exists and
// Shift and Ctrl are not both held; the list remembers the encoding and line breaks.
bool RestoreListFile(TMyWStrings& list, const std::wstring& path);
// Writes the list in its remembered encoding and line breaks unless Shift and Ctrl are
// both held. A failure leaves the previous file and is not reported.
bool StoreListFile(TMyWStrings& list, const std::wstring& path);

}  // namespace tessera::win
