#include "core/text_encoding.h"

namespace tessera {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Appends a code point as UTF-16 units.
void AppendUtf16(std::wstring& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<wchar_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
}

// Length and lowest code point of a sequence by its lead byte; 0 for an invalid lead.
int SequenceLength(std::uint8_t lead, char32_t& minimum) {
    if (lead < 0x80) return minimum = 0, 1;
    if (lead >= 0xC2 && lead <= 0xDF) return minimum = 0x80, 2;
    if (lead >= 0xE0 && lead <= 0xEF) return minimum = 0x800, 3;
    if (lead >= 0xF0 && lead <= 0xF4) return minimum = 0x10000, 4;
    return 0;
}

// The bounds of the second byte that keep the sequence well-formed (no overlong forms,
// no surrogates, nothing above U+10FFFF).
bool SecondByteValid(std::uint8_t lead, std::uint8_t b) {
    switch (lead) {
        case 0xE0: return b >= 0xA0 && b <= 0xBF;
        case 0xED: return b >= 0x80 && b <= 0x9F;
        case 0xF0: return b >= 0x90 && b <= 0xBF;
        case 0xF4: return b >= 0x80 && b <= 0x8F;
        default: return b >= 0x80 && b <= 0xBF;
    }
}

// Encodes one code point (already checked to be a scalar value) as UTF-8.
void AppendUtf8(Bytes& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<std::uint8_t>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<std::uint8_t>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<std::uint8_t>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<std::uint8_t>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<std::uint8_t>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<std::uint8_t>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<std::uint8_t>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::size_t CharacterLength(std::wstring_view text, std::size_t at) {
    return at + 1 < text.size() && IsHighSurrogate(static_cast<char32_t>(text[at])) &&
                   IsLowSurrogate(static_cast<char32_t>(text[at + 1]))
               ? 2
               : 1;
}

std::optional<Signature> DetectSignature(ByteView bytes) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return Signature{teUtf8Bom, 3};
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return Signature{teUtf16LEBom, 2};
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return Signature{teUtf16BEBom, 2};
    return std::nullopt;
}

Bytes SignatureBytes(TextEncoding encoding) {
    switch (encoding) {
        case teUtf8Bom: return {0xEF, 0xBB, 0xBF};
        case teUtf16LEBom: return {0xFF, 0xFE};
        case teUtf16BEBom: return {0xFE, 0xFF};
        default: return {};
    }
}

// Malformed input becomes one U+FFFD per maximal ill-formed subsequence.
std::wstring DecodeUtf8(ByteView bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size() && bytes[i] != 0) {
        const std::uint8_t lead = bytes[i];
        char32_t minimum = 0;
        const int length = SequenceLength(lead, minimum);
        if (length == 1) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        if (length == 0) {
            AppendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        char32_t cp = lead & (0xFF >> (length + 1));
        int taken = 1;
        for (; taken < length && i + static_cast<std::size_t>(taken) < bytes.size(); ++taken) {
            const std::uint8_t b = bytes[i + static_cast<std::size_t>(taken)];
            const bool valid = taken == 1 ? SecondByteValid(lead, b) : (b & 0xC0) == 0x80;
            if (!valid) break;
            cp = (cp << 6) | (b & 0x3F);
        }
        AppendUtf16(out, taken == length ? cp : kReplacement);
        i += static_cast<std::size_t>(taken);
    }
    return out;
}

std::wstring DecodeUtf16(ByteView bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned hi = bigEndian ? bytes[i] : bytes[i + 1];
        const unsigned lo = bigEndian ? bytes[i + 1] : bytes[i];
        const unsigned unit = (hi << 8) | lo;
        if (unit == 0) break;
        out.push_back(static_cast<wchar_t>(unit));
    }
    return out;
}

Bytes EncodeUtf8(std::wstring_view text) {
    Bytes out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t u = static_cast<char32_t>(text[i]);
        if (IsHighSurrogate(u) && i + 1 < text.size() &&
            IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            u = 0x10000 + ((u - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u) || u > 0x10FFFF) {
            u = kReplacement;
        }
        AppendUtf8(out, u);
    }
    return out;
}

Bytes EncodeUtf16(std::wstring_view text, bool bigEndian) {
    Bytes out;
    out.reserve(text.size() * 2);
    auto put = [&](char32_t unit) {
        const auto hi = static_cast<std::uint8_t>(unit >> 8);
        const auto lo = static_cast<std::uint8_t>(unit & 0xFF);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    };
    for (wchar_t c : text) {
        const auto u = static_cast<char32_t>(c);
        if (u < 0x10000) {
            put(u);
        } else if (u <= 0x10FFFF) {  // a 32-bit wchar_t holding a whole code point
            put(0xD800 + ((u - 0x10000) >> 10));
            put(0xDC00 + ((u - 0x10000) & 0x3FF));
        } else {
            put(kReplacement);
        }
    }
    return out;
}

unsigned CodePageOfEncoding(TextEncoding encoding) {
    switch (encoding) {
        case teUtf7: return 65000;
        case teJis: return 50220;
        case teEuc: return 20932;
        default: return 0;
    }
}

TextEncoding EncodingOfCodePage(int codePage) {
    switch (codePage) {
        case 65001: return teUtf8;
        case 65000: return teUtf7;
        case 1200: return teUtf16LE;
        case 1201: return teUtf16BE;
        case 20932: case 51932: case 51936: case 51949: return teEuc;
        case 50220: case 50221: case 50222: case 50225: case 50227: return teJis;
        case -1: return teBinary;
        default: return teAnsi;
    }
}

}  // namespace tessera
