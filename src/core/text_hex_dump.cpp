#include "core/text_hex_dump.h"

#include <algorithm>

#include "core/checked.h"

namespace tessera {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::size_t kHexColumnLength = 50;

// One byte of the text column. Control bytes, 0x7F and bytes above 0xFC show as ".",
// and so does a lead byte that would lose its trail byte to the next row; 0xA0 shows
// itself only where it cannot be mistaken for a stray half of a character.
std::uint8_t TextColumnByte(std::uint8_t b, std::size_t column, bool afterLead, bool isLead) {
    if (b < 0x20 || b == 0x7F || b > 0xFC) return '.';
    if (isLead && column == kHexDumpBytesPerRow - 1) return '.';
    if (b == 0xA0 && column != 0 && !afterLead) return '.';
    return b;
}

}  // namespace

Bytes HexDumpBytes(ByteView bytes, const std::function<bool(std::uint8_t)>& isLeadByte,
                   const std::function<void()>& afterRow) {
    const std::size_t rows = bytes.size() / kHexDumpBytesPerRow +
                             (bytes.size() % kHexDumpBytesPerRow != 0 ? 1 : 0);
    Bytes out;
    out.reserve(CheckedMul(rows, kHexDumpRowLength));
    bool afterLead = false;  // the previous byte began a two-byte character
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t start = row * kHexDumpBytesPerRow;
        const std::size_t count = std::min(kHexDumpBytesPerRow, bytes.size() - start);
        Bytes hex, text;
        for (std::size_t column = 0; column < count; ++column) {
            const std::uint8_t b = bytes[start + column];
            hex.push_back(static_cast<std::uint8_t>(kHexDigits[b >> 4]));
            hex.push_back(static_cast<std::uint8_t>(kHexDigits[b & 0x0F]));
            hex.push_back(' ');
            if (column == 7) hex.append({'-', ' '});
            const bool isLead = !afterLead && isLeadByte(b);
            const std::uint8_t shown = TextColumnByte(b, column, afterLead, isLead);
            text.push_back(shown);
            afterLead = isLead && shown == b;
        }
        hex.resize(kHexColumnLength, ' ');
        text.resize(kHexDumpBytesPerRow, ' ');
        out += hex;
        out.push_back('\t');
        out += text;
        out.push_back('\r');
        if (afterRow) afterRow();
    }
    return out;
}

}  // namespace tessera
