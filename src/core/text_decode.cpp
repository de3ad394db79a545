#include "core/text_decode.h"

#include "core/text_detect.h"
#include "core/text_hex_dump.h"

namespace tessera {
namespace {

ByteView UpToZero(ByteView bytes) {
    const auto zero = bytes.find(std::uint8_t{0});
    return zero == ByteView::npos ? bytes : bytes.substr(0, zero);
}

std::wstring DecodeCodePage(ByteView bytes, unsigned codePage, const TextPlatform& platform) {
    if (!platform.decodeCodePage) return DecodeUtf8(UpToZero(bytes));  // no platform (native build): read as UTF-8
    return platform.decodeCodePage(UpToZero(bytes), codePage);
}

}  // namespace

TextEncoding DetectEncodingWith(ByteView sample, const TextPlatform& platform) {
    if (const auto signature = DetectSignature(sample)) return signature->encoding;
    std::optional<int> answer;
    if (platform.detectCodePage) answer = platform.detectCodePage(sample);
    return EncodingFromDetection(sample, answer);
}

std::wstring DecodeTextBytes(ByteView bytes, TextEncoding& encoding, const TextPlatform& platform) {
    if (encoding > kLastTextEncoding) encoding = teAuto;
    if (encoding == teAuto) {
        if (const auto signature = DetectSignature(bytes)) {
            encoding = signature->encoding;
            bytes.remove_prefix(signature->length);
        } else {
            encoding = DetectEncodingWith(bytes.substr(0, kDetectionSampleSize), platform);
        }
    }
    switch (encoding) {
        case teBinary: {
            const auto isLead = platform.isLeadByte ? platform.isLeadByte
                                                    : std::function<bool(std::uint8_t)>(
                                                          [](std::uint8_t) { return false; });
            const Bytes dump = HexDumpBytes(bytes, isLead, platform.pump);
            return DecodeCodePage(dump, 0, platform);
        }
        case teUtf8Bom:
        case teUtf8: return DecodeUtf8(bytes);
        case teUtf16LEBom:
        case teUtf16LE: return DecodeUtf16(bytes, false);
        case teUtf16BEBom:
        case teUtf16BE: return DecodeUtf16(bytes, true);
        case teUtf7:
        case teJis:
        case teEuc: return DecodeCodePage(bytes, CodePageOfEncoding(encoding), platform);
        default:
            encoding = teAnsi;
            return DecodeCodePage(bytes, 0, platform);
    }
}

}  // namespace tessera
