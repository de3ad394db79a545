#include "win/code_page_euc.h"

#include <windows.h>

#include "core/text_encoding.h"
#include "core/checked.h"

namespace tessera::win {
namespace {

constexpr unsigned kShiftJis = 932;
constexpr unsigned kEucJp = 20932;
constexpr std::uint8_t kSingleShift2 = 0x8E;  // half-width katakana follows
constexpr std::uint8_t kSingleShift3 = 0x8F;  // a JIS X 0212 character follows

bool IsShiftJisLead(std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsEucByte(std::uint8_t b) { return b >= 0xA1 && b <= 0xFE; }
bool IsHalfWidthKana(std::uint8_t b) { return b >= 0xA1 && b <= 0xDF; }

std::wstring ToWide(unsigned codePage, const std::uint8_t* bytes, std::size_t size) {
    const int length = MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes),
                                           CheckedCast<int>(size), nullptr, 0);
    if (length <= 0) return L"?";
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes), CheckedCast<int>(size), out.data(),
                        length);
    return out;
}

// The bytes of a text in a code page, or nullopt when a character does not fit.
std::optional<Bytes> ToNarrow(unsigned codePage, std::wstring_view text) {
    BOOL usedDefault = FALSE;
    const int size = CheckedCast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr,
                                           &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    Bytes out(static_cast<std::size_t>(length), 0);
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, reinterpret_cast<char*>(out.data()),
                        length, nullptr, &usedDefault);
    return out;
}

// Row and cell (1..94) of a Shift_JIS pair; false outside the 94 rows.
bool ShiftJisToRowCell(std::uint8_t s1, std::uint8_t s2, int& row, int& cell) {
    if (s1 > 0xEF || s2 < 0x40 || s2 == 0x7F || s2 > 0xFC) return false;
    row = (s1 <= 0x9F ? s1 - 0x81 : s1 - 0xC1) * 2 + 1;
    if (s2 >= 0x9F) {
        ++row;
        cell = s2 - 0x9E;
    } else {
        cell = s2 - 0x3F - (s2 >= 0x80 ? 1 : 0);
    }
    return true;
}

void RowCellToShiftJis(int row, int cell, std::uint8_t out[2]) {
    out[0] = static_cast<std::uint8_t>((row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0));
    out[1] = static_cast<std::uint8_t>(row % 2 == 1 ? cell + 0x3F + (cell >= 64 ? 1 : 0) : cell + 0x9E);
}

// One character to EUC-JP: through code page 932 when its JIS row exists, else the
// system's EUC-JP, else "?".
void AppendEucCharacter(Bytes& out, std::wstring_view character) {
    if (const auto sjis = ToNarrow(kShiftJis, character)) {
        int row = 0, cell = 0;
        if (sjis->size() == 1 && IsHalfWidthKana((*sjis)[0])) {
            out.push_back(kSingleShift2);
            out.push_back((*sjis)[0]);
            return;
        }
        if (sjis->size() == 1 && (*sjis)[0] < 0x80) {
            out.push_back((*sjis)[0]);
            return;
        }
        if (sjis->size() == 2 && ShiftJisToRowCell((*sjis)[0], (*sjis)[1], row, cell)) {
            out.push_back(static_cast<std::uint8_t>(row + 0xA0));
            out.push_back(static_cast<std::uint8_t>(cell + 0xA0));
            return;
        }
    }
    // Only a well-formed JIS X 0212 or JIS X 0208 sequence: some systems' tables for this
    // code page are not EUC-JP at all.
    if (const auto euc = ToNarrow(kEucJp, character)) {
        const bool pair = euc->size() == 2 && IsEucByte((*euc)[0]) && IsEucByte((*euc)[1]);
        const bool supplement = euc->size() == 3 && (*euc)[0] == kSingleShift3 && IsEucByte((*euc)[1]) &&
                                IsEucByte((*euc)[2]);
        if (pair || supplement) {
            out += *euc;
            return;
        }
    }
    out.push_back('?');
}

// A text that code page 932 holds within the 94 JIS rows converts at once.
std::optional<Bytes> ShiftJisBytesToEuc(const Bytes& sjis) {
    Bytes out;
    out.reserve(sjis.size() + sjis.size() / 2);
    for (std::size_t i = 0; i < sjis.size(); ++i) {
        const std::uint8_t b = sjis[i];
        if (b < 0x80) {
            out.push_back(b);
        } else if (IsHalfWidthKana(b)) {
            out.push_back(kSingleShift2);
            out.push_back(b);
        } else {
            int row = 0, cell = 0;
            if (!IsShiftJisLead(b) || i + 1 >= sjis.size() || !ShiftJisToRowCell(b, sjis[i + 1], row, cell)) {
                return std::nullopt;
            }
            out.push_back(static_cast<std::uint8_t>(row + 0xA0));
            out.push_back(static_cast<std::uint8_t>(cell + 0xA0));
            ++i;
        }
    }
    return out;
}

}  // namespace

std::optional<std::wstring> EucJpToWide(ByteView bytes) {
    Bytes sjis;  // the run of characters that code page 932 converts
    std::wstring out;
    auto flush = [&] {
        if (!sjis.empty()) out += ToWide(kShiftJis, sjis.data(), sjis.size());
        sjis.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t b = bytes[i];
        const std::size_t left = bytes.size() - i - 1;
        if (b < 0x80) {
            sjis.push_back(b);
        } else if (b == kSingleShift2 && left >= 1 && IsHalfWidthKana(bytes[i + 1])) {
            sjis.push_back(bytes[++i]);
        } else if (b == kSingleShift3 && left >= 2 && IsEucByte(bytes[i + 1]) && IsEucByte(bytes[i + 2])) {
            flush();
            out += ToWide(kEucJp, bytes.data() + i, 3);
            i += 2;
        } else if (IsEucByte(b) && left >= 1 && IsEucByte(bytes[i + 1])) {
            std::uint8_t pair[2];
            RowCellToShiftJis(b - 0xA0, bytes[i + 1] - 0xA0, pair);
            sjis.append(pair, 2);
            ++i;
        } else {
            flush();
            out.push_back(L'\xFFFD');
        }
    }
    flush();
    return out;
}

// Characters outside code page 932's JIS rows go one by one.
Bytes WideToEucJp(std::wstring_view text) {
    if (const auto sjis = ToNarrow(kShiftJis, text)) {
        if (auto euc = ShiftJisBytesToEuc(*sjis)) return std::move(*euc);
    }
    Bytes out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        AppendEucCharacter(out, text.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace tessera::win
