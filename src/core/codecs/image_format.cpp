#include "core/codecs/image_format.h"

#include "core/file_names.h"

namespace tessera::codecs {
namespace {

std::wstring WithExtension(std::wstring_view path, std::wstring_view extension) {
    std::wstring name(path);
    if (LowerExtension(path) != extension) name += extension;
    return name;
}

}  // namespace

std::wstring LowerExtension(std::wstring_view path) {
    for (std::size_t i = path.size(); i-- > 0;) {
        const wchar_t c = path[i];
        if (c == L'\\' || c == L'/' || c == L':') return {};
        if (c != L'.') continue;
        std::wstring extension(path.substr(i));
        for (wchar_t& e : extension) {
            if (e >= L'A' && e <= L'Z') e = static_cast<wchar_t>(e - L'A' + L'a');
        }
        return extension;
    }
    return {};
}

ImageFormat FormatOfPath(std::wstring_view path) {
    const std::wstring extension = LowerExtension(path);
    if (extension == L".bmp") return ImageFormat::Bmp;
    if (extension == L".jpg" || extension == L".jpeg") return ImageFormat::Jpeg;
    if (extension == L".gif") return ImageFormat::Gif;
    if (extension == L".ico") return ImageFormat::Icon;
    return ImageFormat::Unknown;
}

std::wstring BmpFileName(std::wstring_view path) {
    return WithExtension(path, L".bmp");
}
std::wstring GifFileName(std::wstring_view path) {
    return WithExtension(path, L".gif");
}

std::wstring JpegFileName(std::wstring_view path) {
    const std::wstring extension = LowerExtension(path);
    if (extension == L".jpeg") return std::wstring(path);
    if (extension == L".jpg") return ChangeFileExtension(path, L".jpeg");
    return std::wstring(path) + L".jpeg";
}

}  // namespace tessera::codecs
