#include "win/image_files.h"

#include <cstring>
#include <exception>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/codecs/bmp_codec.h"
#include "core/codecs/gif_codec.h"
#include "core/codecs/image_format.h"
#include "core/codecs/jpeg_codec.h"
#include "win/atomic_file.h"
#include "win/bitmap_operations.h"
#include "win/file_stream.h"

namespace tessera::win {
namespace {

using codecs::ImageFormat;

// No image the decoders accept comes from a larger file.
constexpr std::uint64_t kMaxImageFileBytes = std::uint64_t{1} << 31;

using Decoder = std::function<bool(std::span<const std::uint8_t>, const codecs::PixelAllocator&,
                                   std::optional<Color>& transparent)>;

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Decodes into a bitmap of its own, so that the target changes only on success; the
// target keeps its canvas brush and takes the file's transparency.
bool LoadDecoded(Bitmap& target, const std::wstring& path, const Decoder& decode) {
    if (!IsFile(path)) return false;
    try {
        const auto bytes = ReadWholeFile(path, kMaxImageFileBytes);
        if (!bytes) return false;
        Bitmap decoded;
        const codecs::PixelAllocator allocate = [&decoded](std::int32_t width,
                                                           std::int32_t height) {
            decoded.Reset(width, height, PixelFormat::Bgr24);
            return decoded.Pixels();
        };
        std::optional<Color> transparent;
        if (!decode(*bytes, allocate, transparent) || decoded.Empty()) return false;
        decoded.SetBrushColor(target.BrushColor());
        decoded.SetTransparent(transparent.has_value(), transparent.value_or(0));
        target = std::move(decoded);
        return true;
    } catch (const std::exception&) {
        return false;  // too large for memory counts as unreadable
    }
}

// Critical-error boxes (a drive not ready) are suppressed while a file is written.
class CriticalErrorsSuppressed {
  public:
    CriticalErrorsSuppressed() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
        SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
    }
    CriticalErrorsSuppressed(const CriticalErrorsSuppressed&) = delete;
    CriticalErrorsSuppressed& operator=(const CriticalErrorsSuppressed&) = delete;
    ~CriticalErrorsSuppressed() { SetErrorMode(previous_); }

  private:
    UINT previous_;
};

// Hands the bitmap's pixels at 24 bits per pixel (a 32-bit bitmap through a converted
// copy) to a writer; false when the writer fails or memory runs out.
bool WriteFrom24BitPixels(const Bitmap& bitmap, const std::function<bool(const Bgr24View&)>& write) {
    try {
        CriticalErrorsSuppressed suppressed;
        if (bitmap.Format() == PixelFormat::Bgr24) return write(bitmap.Pixels());
        Bitmap copy = bitmap.Clone();
        copy.ConvertTo24();
        return write(copy.Pixels());
    } catch (const std::exception&) {
        return false;
    }
}

// Encodes the whole file in memory first, then writes it atomically.
using Encoder = std::function<std::optional<std::vector<std::uint8_t>>(const Bgr24View&)>;

bool EncodeAndWrite(const Bitmap& bitmap, const std::wstring& name, const Encoder& encode) {
    return WriteFrom24BitPixels(bitmap, [&](const Bgr24View& pixels) {
        const std::optional<std::vector<std::uint8_t>> file = encode(pixels);
        return file && WriteFileAtomically(name, file->data(), file->size());
    });
}

bool HasNoPixels(const Bitmap& bitmap) {
    return bitmap.Width() == 0 || bitmap.Height() == 0;
}

}  // namespace

bool LoadImageFile(Bitmap& bitmap, const std::wstring& path) {
    if (!IsFile(path)) return false;
    switch (codecs::FormatOfPath(path)) {
        case ImageFormat::Gif: return LoadGifToBitmap(bitmap, path);
        case ImageFormat::Jpeg: return LoadJpegToBitmap(bitmap, path);
        case ImageFormat::Bmp: return LoadBmpToBitmap(bitmap, path);
        case ImageFormat::Icon: return LoadIconToBitmap(bitmap, path);
        case ImageFormat::Unknown: return false;
    }
    return false;
}

bool LoadBmpToBitmap(Bitmap& bitmap, const std::wstring& path) {
    return LoadDecoded(bitmap, path, [](auto bytes, const auto& allocate, auto&) {
        return codecs::DecodeBmp(bytes, allocate);
    });
}

bool LoadJpegToBitmap(Bitmap& bitmap, const std::wstring& path) {
    return LoadDecoded(bitmap, path, [](auto bytes, const auto& allocate, auto&) {
        return codecs::DecodeJpeg(bytes, allocate);
    });
}

bool LoadGifToBitmap(Bitmap& bitmap, const std::wstring& path) {
    return LoadDecoded(bitmap, path, [](auto bytes, const auto& allocate, auto& transparent) {
        return codecs::DecodeGif(bytes, allocate, {}, &transparent);
    });
}

// The icon is drawn at its own size (DrawIcon would stretch it to the system icon size)
// on a fresh white 24-bit canvas.
bool LoadIconToBitmap(Bitmap& bitmap, const std::wstring& path) {
    if (!IsFile(path)) return false;
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    if (!icon) return false;
    ICONINFO info{};
    if (!GetIconInfo(icon.get(), &info)) return false;
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP size{};
    if (!GetObjectW(color ? color.get() : mask.get(), sizeof size, &size)) return false;
    const std::int32_t width = size.bmWidth;
    const std::int32_t height =
        color ? size.bmHeight : size.bmHeight / 2;  // mask holds AND and XOR
    if (width < 1 && height < 1) return false;
    try {
        SetBitmapSize(bitmap, width, height, PixelFormat::Bgr24);
    } catch (const std::exception&) {
        return false;
    }
    // A bitmap that already had this size keeps its pixels; the icon's transparent
    // parts must not show them.
    std::memset(bitmap.Bits(), 0xFF, static_cast<std::size_t>(bitmap.Stride() * bitmap.Height()));
    bitmap.SetTransparent(false);
    const bool drawn =
        DrawIconEx(bitmap.Dc(), 0, 0, icon.get(), width, height, 0, nullptr, DI_NORMAL) != 0;
    GdiFlush();
    return drawn;
}

bool SaveImageFile(const Bitmap& bitmap, const std::wstring& path) {
    switch (codecs::FormatOfPath(path)) {
        case ImageFormat::Gif:
            if (bitmap.Transparent())
                return SaveBitmapAsTransparentGif(bitmap, path, bitmap.TransparentColor());
            return SaveBitmapAsGif(bitmap, path);
        case ImageFormat::Jpeg: return SaveBitmapAsJpeg(bitmap, path, kDefaultJpegQuality);
        case ImageFormat::Bmp: return SaveBitmapAsBmp(bitmap, path);
        case ImageFormat::Icon:
        case ImageFormat::Unknown: return false;
    }
    return false;
}

bool SaveBitmapAsBmp(const Bitmap& bitmap, const std::wstring& path) {
    if (HasNoPixels(bitmap)) return true;
    // Streamed: a desktop-sized wallpaper needs no second copy of its pixels.
    return WriteFrom24BitPixels(bitmap, [&](const Bgr24View& pixels) {
        AtomicFileWriter writer(codecs::BmpFileName(path));
        return writer.Open() &&
               codecs::WriteBmp24(pixels, [&writer](const std::uint8_t* data, std::size_t size) {
                   return writer.Write(data, size);
               }) &&
               writer.Commit();
    });
}

bool SaveBitmapAsJpeg(const Bitmap& bitmap, const std::wstring& path, int quality) {
    const std::wstring name = codecs::JpegFileName(path);
    if (HasNoPixels(bitmap)) return true;
    const int clamped = codecs::ClampJpegQuality(quality);
    return EncodeAndWrite(bitmap, name, [clamped](const Bgr24View& pixels) {
        return codecs::EncodeJpeg(pixels, clamped);
    });
}

bool SaveBitmapAsGif(const Bitmap& bitmap, const std::wstring& path) {
    if (HasNoPixels(bitmap)) return true;
    return EncodeAndWrite(bitmap, codecs::GifFileName(path),
                          [](const Bgr24View& pixels) { return codecs::EncodeGif(pixels); });
}

bool SaveBitmapAsTransparentGif(const Bitmap& bitmap, const std::wstring& path, Color color) {
    if (HasNoPixels(bitmap)) return true;
    const Color transparent = ResolveColor(color);
    return EncodeAndWrite(
        bitmap, codecs::GifFileName(path),
        [transparent](const Bgr24View& pixels) { return codecs::EncodeGif(pixels, transparent); });
}

}  // namespace tessera::win
