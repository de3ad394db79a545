// Loading and saving a list file of 100,000 paths in UTF-8 and in Shift_JIS.
#include <windows.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/my_wstrings.h"
#include "win/text_file.h"

namespace {

using namespace tessera;
using Clock = std::chrono::steady_clock;

constexpr int kLines = 100000;

// Paths as a picture collection has them: Japanese and ASCII folders and names, numbers.
void FillPaths(TMyWStrings& list) {
    const wchar_t* folders[] = {L"C:\\Users\\山田\\Pictures\\旅行2023\\京都", L"D:\\Wallpapers\\nature",
                                L"E:\\写真\\家族\\第十二回 運動会", L"C:\\Users\\yamada\\Desktop\\壁紙 コレクション",
                                L"\\\\server\\share\\images\\2024-01"};
    const wchar_t* names[] = {L"清水寺_", L"forest-", L"IMG_", L"夜景（東京）", L"スクリーンショット "};
    list.BeginUpdate();
    for (int i = 0; i < kLines; ++i) {
        list.Add(std::wstring(folders[i % 5]) + L"\\" + names[(i / 5) % 5] + std::to_wstring(i) + L".bmp");
    }
    list.EndUpdate();
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Measure(const wchar_t* label, TextEncoding encoding, const std::wstring& path, const TMyWStrings& source) {
    TMyWStrings list;
    list.Assign(source);
    auto start = Clock::now();
    const bool saved = list.SaveToFile(path, encoding);
    const double save = Seconds(start);
    TMyWStrings loaded;
    start = Clock::now();
    loaded.LoadFromFile(path);
    const double load = Seconds(start);
    const bool same = loaded.Count() == source.Count() && loaded.Get(kLines - 1) == source.Get(kLines - 1);
    std::printf("%-10ls save %7.3f s  load %7.3f s  (%s, read back as code %d)\n", label, save, load,
                saved && same ? "ok" : "MISMATCH", static_cast<int>(loaded.Encoding()));
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    win::InstallTextServices();
    TMyWStrings paths;
    FillPaths(paths);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"tessera_bench.list";
    std::printf("%d lines\n", kLines);
    Measure(L"UTF-8 BOM", teUtf8Bom, path, paths);
    Measure(L"UTF-8", teUtf8, path, paths);
    Measure(L"Shift_JIS", teAnsi, path, paths);
    DeleteFileW(path.c_str());
    CoUninitialize();
    return 0;
}
