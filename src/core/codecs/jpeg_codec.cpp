#include "core/codecs/jpeg_codec.h"

// libjpeg reports errors through a callback that must not return; it jumps back to the
// setjmp of the helper that called the library. The helpers hold only plain data (a
// longjmp skips destructors), and the library objects are released by guards in the
// callers, which no jump crosses.
#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace tessera::codecs {
namespace {

// Progressive files can hold any number of scans, each a full pass over the image;
// real files have about ten. More than this is treated as a corrupt (or hostile) file.
constexpr int kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void OnMessage(j_common_ptr, int) {}  // warnings (a truncated file, say) are not failures

void OnProgress(j_common_ptr info) {
    if (!info->is_decompressor) return;
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) info->err->error_exit(info);
}

void InstallErrors(ErrorManager& errors) {
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnError;
    errors.pub.emit_message = OnMessage;
}

struct DecompressGuard {
    jpeg_decompress_struct* info;
    ~DecompressGuard() { jpeg_destroy_decompress(info); }
};

struct CompressGuard {
    jpeg_compress_struct* info;
    unsigned char** buffer;
    ~CompressGuard() {
        jpeg_destroy_compress(info);
        std::free(*buffer);
    }
};

bool CreateDecompress(jpeg_decompress_struct* info, ErrorManager* errors) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_decompress(info);
    return true;
}

bool ReadHeader(jpeg_decompress_struct* info, ErrorManager* errors, jpeg_progress_mgr* progress,
                const unsigned char* data, unsigned long size) {
    if (setjmp(errors->jump)) return false;
    info->progress = progress;
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    info->scale_num = 1;
    info->scale_denom = 1;
    jpeg_calc_output_dimensions(info);
    return true;
}

// Adobe's files store CMYK inverted; others store it plainly.
void CmykToBgr(const JSAMPLE* cmyk, std::uint8_t* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, out += 3) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        out[0] = static_cast<std::uint8_t>(y * k / 255);
        out[1] = static_cast<std::uint8_t>(m * k / 255);
        out[2] = static_cast<std::uint8_t>(c * k / 255);
    }
}

bool ReadRows(jpeg_decompress_struct* info, ErrorManager* errors, const Bgr24View* out) {
    if (setjmp(errors->jump)) return false;
    jpeg_start_decompress(info);
    const bool cmyk = info->out_color_space == JCS_CMYK;
    JSAMPARRAY cmykRow = nullptr;
    if (cmyk) {
        cmykRow = info->mem->alloc_sarray(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                          info->output_width * 4, 1);
    }
    while (info->output_scanline < info->output_height) {
        const auto y = static_cast<std::int32_t>(info->output_scanline);
        JSAMPROW row = cmyk ? cmykRow[0] : out->Row(y);
        if (jpeg_read_scanlines(info, &row, 1) != 1) return false;
        if (cmyk) CmykToBgr(cmykRow[0], out->Row(y), info->output_width, info->saw_Adobe_marker);
    }
    return true;
}

bool CreateCompress(jpeg_compress_struct* info, ErrorManager* errors) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_compress(info);
    return true;
}

bool Compress(jpeg_compress_struct* info, ErrorManager* errors, const Bgr24View* pixels,
              int quality, unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors->jump)) return false;
    jpeg_mem_dest(info, buffer, size);
    info->image_width = static_cast<JDIMENSION>(pixels->width);
    info->image_height = static_cast<JDIMENSION>(pixels->height);
    info->input_components = 3;
    info->in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = pixels->Row(static_cast<std::int32_t>(info->next_scanline));
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> file, const PixelAllocator& allocate,
                const DecodeLimits& limits) {
    if (file.empty() || file.size() > ULONG_MAX) return false;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    InstallErrors(errors);
    info.err = &errors.pub;
    if (!CreateDecompress(&info, &errors)) return false;
    DecompressGuard guard{&info};
    jpeg_progress_mgr progress{};
    progress.progress_monitor = OnProgress;
    if (!ReadHeader(&info, &errors, &progress, file.data(),
                    static_cast<unsigned long>(file.size()))) {
        return false;
    }
    if (!SizeAllowed(info.output_width, info.output_height, limits)) return false;
    const Bgr24View out = allocate(static_cast<std::int32_t>(info.output_width),
                                   static_cast<std::int32_t>(info.output_height));
    return ReadRows(&info, &errors, &out);
}

int ClampJpegQuality(int quality) {
    return std::clamp(quality, 1, 100);
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Bgr24View& pixels, int quality) {
    if (pixels.Empty()) return std::nullopt;
    jpeg_compress_struct info{};
    ErrorManager errors{};
    InstallErrors(errors);
    info.err = &errors.pub;
    if (!CreateCompress(&info, &errors)) return std::nullopt;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    CompressGuard guard{&info, &buffer};
    if (!Compress(&info, &errors, &pixels, ClampJpegQuality(quality), &buffer, &size)) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(buffer, buffer + size);
}

}  // namespace tessera::codecs
