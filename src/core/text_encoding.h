#pragma once
// Text-file encodings, line-break styles and the portable byte/UTF-16 conversions.
// Strings hold UTF-16 code units whatever the width of wchar_t.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

// The codes are stored in settings and passed between programs: keep the values.
enum TextEncoding : std::uint8_t {
    teAuto = 0,
    teAnsi = 1,
    teUtf16LEBom = 2,
    teUtf16LE = 3,
    teUtf16BEBom = 4,
    teUtf16BE = 5,
    teUtf8Bom = 6,
    teUtf8 = 7,
    teUtf7 = 8,
    teJis = 9,
    teEuc = 10,
    teBinary = 11,
};
inline constexpr std::uint8_t kLastTextEncoding = teBinary;

enum LineBreakStyle : std::uint8_t { lbCrLf = 0, lbCr = 1, lbLf = 2 };

using ByteView = std::basic_string_view<std::uint8_t>;
using Bytes = std::basic_string<std::uint8_t>;

// The signature (byte-order mark) at the start of bytes, if any, and its length.
struct Signature {
    TextEncoding encoding;
    std::size_t length;
};
std::optional<Signature> DetectSignature(ByteView bytes);
Bytes SignatureBytes(TextEncoding encoding);  // empty for codes without one

// Decoding stops at the first zero byte (UTF-8) or zero unit (UTF-16); malformed UTF-8
// becomes U+FFFD per maximal ill-formed subsequence.
std::wstring DecodeUtf8(ByteView bytes);
std::wstring DecodeUtf16(ByteView bytes, bool bigEndian);  // an odd last byte is ignored
// UTF-16 keeps unpaired surrogates as they are; UTF-8 cannot hold them and writes U+FFFD,
// as the system's conversion does.
Bytes EncodeUtf8(std::wstring_view text);
// Code units of the character at a position: 2 for a surrogate pair, otherwise 1.
std::size_t CharacterLength(std::wstring_view text, std::size_t at);
Bytes EncodeUtf16(std::wstring_view text, bool bigEndian);

// The code page a code is converted through (65000, 50220, 20932), or 0 for the others.
unsigned CodePageOfEncoding(TextEncoding encoding);
// The code returned by DetectEncoding for a detected code page (-1: binary).
TextEncoding EncodingOfCodePage(int codePage);

}  // namespace tessera
