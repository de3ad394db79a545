#include "core/text_detect.h"

namespace tessera {
namespace {

bool IsShiftJisLead(std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF); }

// Walks the bytes as Shift_JIS; returns whether they are plausible and whether a zero
// byte was seen.
void ScanShiftJis(ByteView sample, bool& plausible, bool& zeroSeen) {
    plausible = true;
    zeroSeen = false;
    bool lead = false;
    for (std::uint8_t b : sample) {
        if (b == 0) {
            zeroSeen = true;
            lead = false;
            plausible = false;
            continue;
        }
        if (IsShiftJisLead(b)) {
            lead = !lead;
            continue;
        }
        if (lead && b <= 0x3F) plausible = false;
        if (b == 0x7F || b >= 0xFD) plausible = false;
        if (!lead && (b == 0x80 || b == 0xA0 || (b >= 0xF0 && b <= 0xFC))) plausible = false;
        lead = false;
    }
}

bool IsTypicalCharacter(char32_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0x3041 && c <= 0x3093) || (c >= 0x30A1 && c <= 0x30F6);
}

// More than 1 % of the units are Latin letters, digits, punctuation or kana.
bool LooksLikeUtf16(ByteView sample, bool bigEndian) {
    std::size_t total = 0, typical = 0;
    for (std::size_t i = 0; i + 1 < sample.size(); i += 2) {
        const char32_t unit = bigEndian ? (char32_t{sample[i]} << 8) | sample[i + 1]
                                        : (char32_t{sample[i + 1]} << 8) | sample[i];
        ++total;
        if (IsTypicalCharacter(unit)) ++typical;
    }
    return total == 0 || typical * 100 > total;
}

// Well-formed UTF-8 with at least one multi-byte sequence; a sequence cut by the end of a
// full sample counts as well-formed. Shift_JIS text with any kanji or kana never passes:
// its lead bytes 0x81..0x9F are UTF-8 continuation bytes.
bool IsMultiByteUtf8(ByteView sample) {
    bool multiByte = false;
    for (std::size_t i = 0; i < sample.size();) {
        const std::uint8_t b = sample[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        if (b >= 0xC2 && b <= 0xDF) length = 2;
        else if (b >= 0xE0 && b <= 0xEF) length = 3;
        else if (b >= 0xF0 && b <= 0xF4) length = 4;
        else return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= sample.size()) return sample.size() >= kDetectionSampleSize && multiByte;
            const std::uint8_t c = sample[i + k];
            const bool valid = k == 1 && b == 0xE0   ? c >= 0xA0 && c <= 0xBF
                               : k == 1 && b == 0xED ? c >= 0x80 && c <= 0x9F
                               : k == 1 && b == 0xF0 ? c >= 0x90 && c <= 0xBF
                               : k == 1 && b == 0xF4 ? c >= 0x80 && c <= 0x8F
                                                     : (c & 0xC0) == 0x80;
            if (!valid) return false;
        }
        multiByte = true;
        i += length;
    }
    return multiByte;
}

}  // namespace

int SystemCodePageTest(ByteView sample) {
    bool plausible = false, zeroSeen = false;
    ScanShiftJis(sample, plausible, zeroSeen);
    if (!zeroSeen || plausible) return plausible ? 932 : -1;
    if (LooksLikeUtf16(sample, false)) return 1200;
    if (LooksLikeUtf16(sample, true)) return 1201;
    return -1;
}

TextEncoding EncodingFromDetection(ByteView sample, std::optional<int> serviceCodePage) {
    if (const auto signature = DetectSignature(sample)) return signature->encoding;
    int codePage = serviceCodePage.value_or(1252);
    if (codePage == 1252) codePage = IsMultiByteUtf8(sample) ? 65001 : SystemCodePageTest(sample);
    return EncodingOfCodePage(codePage);
}

}  // namespace tessera
