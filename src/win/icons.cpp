#include "win/icons.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/resample.h"
#include "win/bitmap_operations.h"

namespace tessera::win {
namespace {

// ExtractAssociatedIconW may write the path of the icon's file into the buffer.
constexpr std::size_t kIconPathBuffer = 33028;

// A copy of a 24-bit bitmap that no DC holds, as an image list wants it.
UniqueBitmap DetachedCopy(const Bitmap& bitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy || !bits) return {};
    GdiFlush();
    std::memcpy(bits, bitmap.Bits(), static_cast<std::size_t>(bitmap.Stride() * bitmap.Height()));
    return copy;
}

Color ListBackground(HIMAGELIST list) {
    const COLORREF color = ImageList_GetBkColor(list);
    return color == CLR_NONE ? GetSysColor(COLOR_WINDOW) : color;
}

}  // namespace

void GetAssociatedIcon(UniqueIcon& icon, const std::wstring& path) {
    if (icon) return;
    std::vector<wchar_t> buffer(kIconPathBuffer, L'\0');
    std::copy_n(path.begin(), std::min(path.size(), kIconPathBuffer - 1), buffer.begin());
    WORD index = 0;
    icon.reset(ExtractAssociatedIconW(GetModuleHandleW(nullptr), buffer.data(), &index));
}

bool DrawFileIcon(Bitmap& bitmap, const std::wstring& path, Color background) {
    UniqueIcon icon;
    GetAssociatedIcon(icon, path);
    if (!icon) return false;
    SetBitmapSize(bitmap, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                  PixelFormat::Bgr24);
    FillBitmap(bitmap, background, true);
    const bool drawn = DrawIcon(bitmap.Dc(), 0, 0, icon.get()) != 0;
    GdiFlush();
    return drawn;
}

// The icon is scaled with the program's smooth resampler (the halftone stretch).
void AddFileIconToImageList(HIMAGELIST list, const std::wstring& path) {
    const Color background = ListBackground(list);
    Bitmap icon;
    DrawFileIcon(icon, path, background);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    Bitmap scaled;
    SetBitmapSize(scaled, std::max(width, 1), std::max(height, 1), PixelFormat::Bgr24);
    FillBitmap(scaled, background, true);
    if (!icon.Empty()) {
        StretchSmooth(scaled.Pixels(), Rect{0, 0, scaled.Width(), scaled.Height()}, icon.Pixels());
    }
    const UniqueBitmap image = DetachedCopy(scaled);
    ImageList_Add(list, image.get(), nullptr);
}

}  // namespace tessera::win
