#include "win/image_list_files.h"

#include <windows.h>

#include "win/handles.h"

namespace tessera::win {

bool AddFiles(ImageList& list, const TMyWStrings& paths, MessagePump& pump) {
    TMyFileStrings work(pump);
    work.AddExtension(kImageExtension);
    work.ScanList(paths);
    return list.Merge(work);
}

bool AddPath(ImageList& list, const std::wstring& path, MessagePump& pump) {
    TMyFileStrings work(pump);
    work.ScanPath(path);
    return AddFiles(list, work, pump);
}

// The names found are scanned again by AddFiles, which applies the ".bmp" check exactly
// (a search for *.bmp also matches longer extensions through short names).
bool AddFolderImages(ImageList& list, const std::wstring& folder, MessagePump& pump) {
    if (folder.empty()) return false;
    const std::wstring base = folder.back() == L'\\' ? folder : folder + L'\\';
    TMyWStrings names;
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileExW((base + L"*.bmp").c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find) {
        do {
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                names.Add(base + data.cFileName);
            if (!pump.ProcessMessages()) break;
        } while (FindNextFileW(find.get(), &data));
    }
    return AddFiles(list, names, pump);
}

}  // namespace tessera::win
