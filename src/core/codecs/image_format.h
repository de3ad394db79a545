#pragma once
// Which codec a file name asks for, and the names the writers give their files. The
// format follows the extension alone; file content is never sniffed.
#include <string>
#include <string_view>

namespace tessera::codecs {

enum class ImageFormat { Unknown, Bmp, Jpeg, Gif, Icon };

// The text from the last "." to the end, lower-cased (ASCII letters); empty when a
// backslash, slash or colon comes before any ".".
std::wstring LowerExtension(std::wstring_view path);
ImageFormat FormatOfPath(std::wstring_view path);

// The BMP and GIF writers append their extension unless the name already has it.
std::wstring BmpFileName(std::wstring_view path);
std::wstring GifFileName(std::wstring_view path);
// ".jpeg" stays, ".jpg" becomes ".jpeg", anything else gets ".jpeg" appended.
std::wstring JpegFileName(std::wstring_view path);

}  // namespace tessera::codecs
