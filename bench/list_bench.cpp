// Times the image list's bulk work under the system collation: natural sorting, merging
// gathered files into a long list, and scanning a folder tree.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/image_list.h"
#include "core/sort_state.h"
#include "win/my_file_strings.h"
#include "win/natural_compare.h"
#include "win/path_compare.h"

namespace {

using namespace tessera;

constexpr int kEntries = 100000;
constexpr int kFolders = 500;
constexpr int kFilesPerFolder = 100;

double ThreadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// Wall time, and the thread's processor time beside it: on a busy machine the second
// shows what the work itself costs.
class Stopwatch {
  public:
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }
    double CpuSeconds() const { return ThreadCpuSeconds() - cpuStart_; }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    double cpuStart_ = ThreadCpuSeconds();
};

// Names as people's picture folders hold them: camera names, Japanese titles with kanji,
// full-width and circled numbers, and plain words.
std::wstring RealisticPath(std::mt19937& random, int serial) {
    static const wchar_t* const kRoots[] = {L"C:\\Users\\yamada\\Pictures\\旅行",
                                            L"C:\\Users\\yamada\\Pictures\\壁紙", L"D:\\写真\\家族",
                                            L"D:\\Photos\\Summer", L"E:\\画像\\第二集"};
    static const wchar_t* const kStems[] = {L"IMG_",  L"DSC",        L"写真",  L"第",
                                            L"壁紙①", L"Wallpaper ", L"京都 ", L"ｓｃａｎ"};
    static const wchar_t* const kKanji[] = {L"一", L"二", L"十", L"百", L"三十五", L"千二百"};
    const auto pick = [&random](auto& table) {
        return table[std::uniform_int_distribution<std::size_t>(0, std::size(table) - 1)(random)];
    };
    std::wstring path = pick(kRoots);
    path += std::to_wstring(std::uniform_int_distribution<int>(1, 40)(random)) + L"\\";
    path += pick(kStems);
    if (random() % 3 == 0)
        path += std::wstring(pick(kKanji)) + L"章";
    else
        path += std::to_wstring(serial % 9973);
    path += random() % 4 == 0 ? L".BMP" : L".bmp";
    return path;
}

void BenchSort() {
    std::mt19937 random(42);
    TMyWStrings list;
    for (int i = 0; i < kEntries; ++i) list.Add(RealisticPath(random, i));
    const Stopwatch watch;
    SortFileNames(list, 0, kSortByFileName);
    std::printf("natural sort of %d paths:            %.3f s (processor %.3f s)\n", kEntries,
                watch.Seconds(), watch.CpuSeconds());
    const Stopwatch byName;
    SortFileNames(list, 0, kSortByName);
    std::printf("natural sort by name of %d paths:    %.3f s (processor %.3f s)\n", kEntries,
                byName.Seconds(), byName.CpuSeconds());
}

void BenchMerge() {
    TMyWStrings entries, gathered;
    for (int i = 0; i < kEntries; ++i)
        entries.Add(L"C:\\Users\\yamada\\Pictures\\既存\\写真" + std::to_wstring(i) + L".bmp");
    // Every tenth gathered file is already listed (in another case).
    for (int i = 0; i < kEntries; ++i) {
        gathered.Add(i % 10 == 0
                         ? L"c:\\users\\YAMADA\\pictures\\既存\\写真" + std::to_wstring(i) + L".BMP"
                         : L"D:\\新規\\IMG_" + std::to_wstring(i) + L".bmp");
    }
    ImageList list(entries);
    const Stopwatch watch;
    list.Merge(gathered);
    std::printf("merge %d gathered into %d entries:  %.3f s (processor %.3f s, %d entries)\n",
                kEntries, kEntries, watch.Seconds(), watch.CpuSeconds(), entries.Count());
}

std::wstring TreeRoot() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"tessera_list_bench";
}

void CreateTree(const std::wstring& root) {
    const Stopwatch watch;
    for (int f = 0; f < kFolders; ++f) {
        const std::wstring folder =
            root + L"\\アルバム" + std::to_wstring(f / 50) + L"\\写真" + std::to_wstring(f);
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::wstring name = folder + (i % 10 == 9 ? L"\\memo" : L"\\IMG_") +
                                      std::to_wstring(i) + (i % 10 == 9 ? L".txt" : L".bmp");
            CloseHandle(
                CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
    }
    std::printf("(created %d files in %.1f s)\n", kFolders * kFilesPerFolder, watch.Seconds());
}

class NoPump final : public win::MessagePump {
  public:
    bool ProcessMessages() override { return true; }
};

void BenchScan() {
    const std::wstring root = TreeRoot();
    CreateTree(root);
    NoPump noPump;
    for (int run = 0; run < 2; ++run) {
        win::TMyFileStrings files(run == 0 ? win::SystemMessagePump() : noPump);
        files.AddExtension(L".bmp");
        const Stopwatch watch;
        files.ScanPath(root);
        std::printf("scan of %d files in %d folders:     %.3f s (processor %.3f s, %d bitmaps%s)\n",
                    kFolders * kFilesPerFolder, kFolders, watch.Seconds(), watch.CpuSeconds(),
                    files.Count(), run == 0 ? "" : ", no message processing");
    }
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

}  // namespace

int main() {
    win::UseSystemSortKeys();
    BenchSort();
    BenchMerge();
    BenchScan();
    return 0;
}
