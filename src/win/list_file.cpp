#include "win/list_file.h"

#include <windows.h>

#include "core/file_names.h"
#include "win/keys.h"
#include "win/program_identity.h"

namespace tessera::win {
namespace {

bool SkipStoredState() {
    return KeysDown({VK_SHIFT, VK_CONTROL});
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring ListFileName() {
    return ChangeFileExtension(ProgramPath(), L".list");
}

bool RestoreListFile(TMyWStrings& list, const std::wstring& path) {
    if (!IsFile(path) || SkipStoredState()) return false;
    list.LoadFromFile(path);
    return true;
}

bool StoreListFile(TMyWStrings& list, const std::wstring& path) {
    if (SkipStoredState()) return false;
    return list.SaveToFile(path);
}

}  // namespace tessera::win
