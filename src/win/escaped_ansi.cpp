#include "win/escaped_ansi.h"

#include <cstdint>

#include "core/text_encoding.h"
#include "win/code_page.h"

namespace tessera::win {
namespace {

constexpr char kSubstitute = '\x01';
constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendEscape(std::string& out, wchar_t unit) {
    const auto code = static_cast<std::uint32_t>(unit) & 0xFFFF;
    out.push_back('$');
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHexDigits[(code >> shift) & 0xF]);
}

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
}

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Converts one character (one unit, or a surrogate pair) at a time, so that every
// substitute is known to stand for exactly that character; a pair the code page lacks
// becomes two escapes, which read back as the same pair.
std::string EscapeEachCharacter(std::wstring_view text, unsigned codePage) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        const std::wstring_view character = text.substr(i, length);
        const auto narrow = character == L"$" ? std::nullopt
                                              : WideToCodePage(character, codePage, true, kSubstitute);
        const bool fits = narrow && !narrow->usedDefault &&
                          narrow->bytes.find(static_cast<std::uint8_t>(kSubstitute)) == Bytes::npos;
        if (fits) {
            out += AsString(narrow->bytes);
        } else {
            for (wchar_t c : character) AppendEscape(out, c);
        }
        i += length;
    }
    return out;
}

}  // namespace

std::string WideToEscapedAnsi(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    const auto whole = WideToCodePage(text, codePage, true, kSubstitute);
    if (whole && !whole->usedDefault && text.find(L'$') == std::wstring_view::npos) return AsString(whole->bytes);
    return EscapeEachCharacter(text, codePage);
}

std::wstring EscapedAnsiToWide(std::string_view narrow, unsigned codePage) {
    const Bytes bytes(narrow.begin(), narrow.end());
    const std::wstring text = CodePageToWide(bytes, codePage).value_or(std::wstring());
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        int code = 0;
        bool escape = text[i] == L'$' && text.size() - i > 4;
        for (std::size_t k = 1; escape && k <= 4; ++k) {
            const int digit = HexValue(text[i + k]);
            escape = digit >= 0;
            code = code * 16 + digit;
        }
        if (escape) {
            out.push_back(static_cast<wchar_t>(code));
            i += 4;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace tessera::win
