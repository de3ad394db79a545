#include "win/clipboard.h"

#include <span>

#include "core/codecs/bmp_codec.h"
#include "win/prompts.h"

namespace tessera::win {
namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 20;

struct GlobalLockGuard {
    HGLOBAL memory;
    const void* data;
    explicit GlobalLockGuard(HGLOBAL m) : memory(m), data(GlobalLock(m)) {}
    ~GlobalLockGuard() {
        if (data) GlobalUnlock(memory);
    }
};

std::optional<PixelImage> ReadDib() {
    auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_DIB));
    if (!memory) return std::nullopt;
    GlobalLockGuard lock(memory);
    if (!lock.data) return std::nullopt;
    const std::span bytes(static_cast<const std::uint8_t*>(lock.data), GlobalSize(memory));
    std::optional<PixelImage> image;
    if (!codecs::DecodeDib(bytes, codecs::AllocateInto(image))) return std::nullopt;
    return image;
}

// A device-dependent bitmap, read through GetDIBits as top-down 24-bit rows.
std::optional<PixelImage> ReadDdb() {
    auto handle = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info{};
    if (!handle || !GetObjectW(handle, sizeof info, &info)) return std::nullopt;
    if (!codecs::SizeAllowed(info.bmWidth, info.bmHeight, {})) return std::nullopt;
    PixelImage image(info.bmWidth, info.bmHeight);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, handle, 0, static_cast<UINT>(info.bmHeight),
                               image.View().data, &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return std::nullopt;
    return image;
}

}  // namespace

ClipboardSession::ClipboardSession(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts && !opened_; ++attempt) {
        if (attempt > 0) Sleep(kOpenRetryMilliseconds);
        opened_ = OpenClipboard(owner) != 0;
    }
}

ClipboardSession::~ClipboardSession() {
    if (opened_) CloseClipboard();
}

std::optional<PixelImage> ReadClipboardImage() {
    ClipboardSession session;
    if (!session.Opened()) return std::nullopt;
    // The format the image was placed in comes first; the system synthesises the other
    // one from it, so only the original is read.
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (format == CF_DIB || format == CF_DIBV5) return ReadDib();
        if (format == CF_BITMAP) return ReadDdb();
    }
    return std::nullopt;
}

// The clipboard gets a device-dependent copy: it owns that handle from then on, and the
// bitmap's own DIB section stays selected in its canvas.
bool PutBitmapOnClipboard(const Bitmap& bitmap) {
    if (bitmap.Empty()) return false;
    HDC screen = GetDC(nullptr);
    UniqueBitmap copy(CreateCompatibleBitmap(screen, bitmap.Width(), bitmap.Height()));
    ReleaseDC(nullptr, screen);
    if (!copy) return false;
    {
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        if (!dc) return false;
        ScopedSelect select(dc.get(), copy.get());
        GdiFlush();
        if (!BitBlt(dc.get(), 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Dc(), 0, 0, SRCCOPY)) {
            return false;
        }
    }
    ClipboardSession session(ApplicationWindow());
    if (!session.Opened() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_BITMAP, copy.get())) return false;
    copy.release();
    return true;
}

void CopyBitmapToClipboard(const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    if (!PutBitmapOnClipboard(bitmap)) ShowInfo(L"クリップボードへコピーできませんでした");
}

}  // namespace tessera::win
