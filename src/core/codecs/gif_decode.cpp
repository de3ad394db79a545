#include <algorithm>
#include <cstring>
#include <vector>

#include <gif_lib.h>

#include "core/codecs/gif_codec.h"

namespace tessera::codecs {
namespace {

struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

int Read(GifFileType* gif, GifByteType* buffer, int length) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t left = reader->bytes.size() - reader->position;
    const std::size_t count =
        std::min<std::size_t>(left, static_cast<std::size_t>(std::max(length, 0)));
    if (count == 0) return 0;
    std::memcpy(buffer, reader->bytes.data() + reader->position, count);
    reader->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser() {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// Reads the extensions before the first image; keeps the transparent index of its
// graphic control block. False at the end of the file or on an error.
bool FindFirstImage(GifFileType* gif, int& transparentIndex) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return false;
        if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type != EXTENSION_RECORD_TYPE) return false;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) != GIF_ERROR) {
                transparentIndex = control.TransparentColor;
            }
        }
        while (block) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
        }
    }
}

Color EntryColor(const ColorMapObject* map, int index) {
    const GifColorType& c = map->Colors[index];
    return MakeRgb(c.Red, c.Green, c.Blue);
}

Color FillColor(const GifFileType* gif, const ColorMapObject* map, int transparentIndex) {
    if (transparentIndex >= 0 && transparentIndex < map->ColorCount) {
        return EntryColor(map, transparentIndex);
    }
    if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        return EntryColor(gif->SColorMap, gif->SBackGroundColor);
    }
    return 0;
}

void Fill(const Bgr24View& out, Color color) {
    for (std::int32_t y = 0; y < out.height; ++y) {
        for (std::int32_t x = 0; x < out.width; ++x) {
            std::uint8_t* p = out.At(x, y);
            p[0] = BlueOf(color);
            p[1] = GreenOf(color);
            p[2] = RedOf(color);
        }
    }
}

// Interlaced frames store rows in four passes: every 8th from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1.
std::vector<std::int32_t> RowOrder(std::int32_t height, bool interlaced) {
    std::vector<std::int32_t> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (std::int32_t y = 0; y < height; ++y) order.push_back(y);
        return order;
    }
    constexpr std::int32_t kStart[] = {0, 4, 2, 1};
    constexpr std::int32_t kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (std::int32_t y = kStart[pass]; y < height; y += kStep[pass]) order.push_back(y);
    }
    return order;
}

// A truncated frame keeps the rows that were read, as viewers show it.
void ReadFrame(GifFileType* gif, const ColorMapObject* map, int transparentIndex,
               const Bgr24View& out) {
    const GifImageDesc& frame = gif->Image;
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (const std::int32_t row : RowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return;
        std::uint8_t* p = out.At(frame.Left, frame.Top + row);
        for (const GifPixelType index : line) {
            if (index != transparentIndex) {
                const Color c = index < map->ColorCount ? EntryColor(map, index) : 0;
                p[0] = BlueOf(c);
                p[1] = GreenOf(c);
                p[2] = RedOf(c);
            }
            p += 3;
        }
    }
}

}  // namespace

bool DecodeGif(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
               const DecodeLimits& limits, std::optional<Color>* transparentColor) {
    Reader reader{file};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, Read, &error);
    if (!gif) return false;
    GifCloser closer{gif};
    int transparentIndex = NO_TRANSPARENT_COLOR;
    if (!FindFirstImage(gif, transparentIndex)) return false;
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || frame.Width < 1 || frame.Height < 1 || frame.Left < 0 || frame.Top < 0)
        return false;
    const std::int64_t width =
        std::max<std::int64_t>(gif->SWidth, std::int64_t{frame.Left} + frame.Width);
    const std::int64_t height =
        std::max<std::int64_t>(gif->SHeight, std::int64_t{frame.Top} + frame.Height);
    if (!SizeAllowed(width, height, limits)) return false;
    const Bgr24View out =
        allocate(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    if (transparentIndex >= map->ColorCount) transparentIndex = NO_TRANSPARENT_COLOR;
    const Color fill = FillColor(gif, map, transparentIndex);
    Fill(out, fill);
    ReadFrame(gif, map, transparentIndex, out);
    if (transparentColor) {
        *transparentColor =
            transparentIndex == NO_TRANSPARENT_COLOR ? std::nullopt : std::optional(fill);
    }
    return true;
}

}  // namespace tessera::codecs
