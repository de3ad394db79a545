// The whole wallpaper pipeline on a large photo: decode a 24-megapixel JPEG, compose it
// in the cover style on a three-monitor 9600 x 2160 desktop, build the wallpaper file
// image and write it as BMP. Prints each phase's time and the peak working set.
// Usage: compose_bench [PHOTO.jpg]  (made once with our own encoder when missing)
#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/codecs/jpeg_codec.h"
#include "core/compose.h"
#include "core/resample.h"
#include "win/atomic_file.h"
#include "win/bitmap.h"
#include "win/image_files.h"
#include "win/wallpaper_compose.h"

namespace {

using tessera::win::Bitmap;

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;
constexpr int kRuns = 3;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A photo-like picture: smooth gradients with fine detail, so that the JPEG is about as
// large and as slow to decode as a camera's.
void MakePhoto(const std::wstring& path) {
    tessera::PixelImage photo(kPhotoWidth, kPhotoHeight);
    const tessera::Bgr24View view = photo.View();
    std::uint32_t noise = 12345;
    for (int y = 0; y < kPhotoHeight; ++y) {
        std::uint8_t* p = view.Row(y);
        for (int x = 0; x < kPhotoWidth; ++x, p += 3) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / kPhotoWidth + grain, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / kPhotoHeight + grain, 0, 255));
            p[2] =
                static_cast<std::uint8_t>(std::clamp(((x ^ y) >> 4 & 0x7F) + 64 + grain, 0, 255));
        }
    }
    const auto jpeg = tessera::codecs::EncodeJpeg(view, 90);
    if (!jpeg || !tessera::win::WriteFileAtomically(path, jpeg->data(), jpeg->size())) {
        std::printf("cannot write the test photo\n");
        std::exit(1);
    }
    std::printf("made a %d x %d test photo with our JPEG encoder (%zu bytes)\n", kPhotoWidth,
                kPhotoHeight, jpeg->size());
}

struct Phases {
    double decode = 0, compose = 0, fileImage = 0, write = 0;
    double Total() const { return decode + compose + fileImage + write; }
};

Phases RunPipeline(const std::wstring& photoPath, const tessera::TMyScreen& screen) {
    Phases phases;
    double start = Now();
    Bitmap photo;
    if (!tessera::win::LoadJpegToBitmap(photo, photoPath)) {
        std::printf("cannot decode the photo\n");
        std::exit(1);
    }
    phases.decode = Now() - start;

    start = Now();
    Bitmap composed;
    tessera::win::ComposeWallpaper(composed, photo,
                                   {.Style = tessera::DisplayStyle::Cover,
                                    .BackgroundColor = tessera::MakeRgb(0, 0, 0),
                                    .OutsideColor = tessera::kWhite},
                                   screen);
    phases.compose = Now() - start;

    start = Now();
    Bitmap file;
    tessera::win::MakeWallpaperFileImage(file, composed, tessera::kDesktopBackgroundRef, screen,
                                         tessera::TileAnchor::Primary);
    phases.fileImage = Now() - start;

    start = Now();
    if (!tessera::win::SaveBitmapAsBmp(file, TempPath(L"tessera_bench_wallpaper.bmp"))) {
        std::printf("cannot write the BMP\n");
        std::exit(1);
    }
    phases.write = Now() - start;
    return phases;
}

// For comparison only: what Wine's GDI takes for one monitor's stretch of the same photo.
void TimeGdiStretch(const std::wstring& photoPath) {
    Bitmap photo;
    tessera::win::LoadJpegToBitmap(photo, photoPath);
    Bitmap monitor(3840, 2160);
    for (int mode : {COLORONCOLOR, HALFTONE}) {
        const double start = Now();
        SetStretchBltMode(monitor.Dc(), mode);
        StretchBlt(monitor.Dc(), 0, -200, 3840, 2560, photo.Dc(), 0, 0, photo.Width(),
                   photo.Height(), SRCCOPY);
        GdiFlush();
        std::printf("  GDI StretchBlt %-12s one 3840 x 2160 monitor: %6.3f s\n",
                    mode == HALFTONE ? "HALFTONE" : "COLORONCOLOR", Now() - start);
    }
    const double start = Now();
    tessera::StretchSmooth(monitor.Pixels(), {0, -200, 3840, 2360}, photo.Pixels());
    std::printf("  our smooth stretch         one 3840 x 2160 monitor: %6.3f s\n", Now() - start);
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring photoPath = argc > 1 ? argv[1] : TempPath(L"tessera_bench_24mp.jpg");
    LocalFree(argv);
    if (!Exists(photoPath)) MakePhoto(photoPath);
    // Primary 3840 x 2160, a second 4K monitor on its left, a 1920 x 1080 one on its right:
    // the desktop is 9600 x 2160 and the left monitor's part wraps in the file image.
    const tessera::TMyScreen screen(
        {{0, 0, 3840, 2160}, {-3840, 0, 0, 2160}, {3840, 0, 5760, 1080}});
    std::printf("photo %ls, desktop %d x %d, style 4 (cover)\n", photoPath.c_str(),
                screen.DesktopWidth(), screen.DesktopHeight());
    Phases best;
    for (int run = 1; run <= kRuns; ++run) {
        const Phases phases = RunPipeline(photoPath, screen);
        std::printf(
            "run %d: decode %6.3f s  compose %6.3f s  file image %6.3f s  write BMP %6.3f s  total "
            "%6.3f s\n",
            run, phases.decode, phases.compose, phases.fileImage, phases.write, phases.Total());
        if (run == 1 || phases.Total() < best.Total()) best = phases;
    }
    std::printf("best total: %.3f s\n", best.Total());
    std::printf("peak working set: %.0f MB\n", PeakMegabytes());
    TimeGdiStretch(photoPath);
    DeleteFileW(TempPath(L"tessera_bench_wallpaper.bmp").c_str());
    return 0;
}
