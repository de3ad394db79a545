#include "core/ini_number.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/text_compare.h"

namespace tessera {
namespace {

enum class IntegerResult { kValue, kNotInteger, kOutOfRange };

bool IsTrimmed(wchar_t c) { return static_cast<std::uint32_t>(c) <= 0x20; }

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

int DigitValue(wchar_t c, bool hex) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (hex && c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

IntegerResult ParseInteger(std::wstring_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text[0] == L'$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == L'0' && text[1] == L'X') {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return IntegerResult::kNotInteger;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    for (wchar_t c : text) {
        const int d = DigitValue(c, hex);
        if (d < 0) return IntegerResult::kNotInteger;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
        if (magnitude > limit) {
            tooLarge = true;
            magnitude = limit;  // keeps scanning for a character that is no digit
        }
    }
    if (tooLarge) return IntegerResult::kOutOfRange;
    // Hexadecimal is the 32-bit pattern; the sign applies to it afterwards.
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    const auto magnitude32 = hex ? static_cast<std::int64_t>(static_cast<std::int32_t>(pattern))
                                 : static_cast<std::int64_t>(magnitude);
    const std::int64_t signedValue = negative ? -magnitude32 : magnitude32;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) return IntegerResult::kOutOfRange;
    value = static_cast<std::int32_t>(signedValue);
    return IntegerResult::kValue;
}

// Keeps the characters of "$X-+, 0123456789ABCDEF" that can form a number, in order:
// commas vanish, a letter A..F turns the text hexadecimal, anything else ends it.
std::wstring CleanNumber(std::wstring_view text) {
    std::wstring cleaned;
    for (wchar_t c : text) {
        if (c == L',') continue;
        if (c == L' ') {
            if (cleaned.empty()) continue;
            break;
        }
        if ((c == L'$' || c == L'X') && cleaned.empty()) {
            cleaned = L"$";
        } else if ((c == L'-' || c == L'+') && cleaned.empty()) {
            cleaned.push_back(c);
        } else if (c >= L'0' && c <= L'9') {
            cleaned.push_back(c);
        } else if (c >= L'A' && c <= L'F') {
            if (cleaned.empty() || cleaned[0] != L'$') cleaned.insert(0, 1, L'$');
            cleaned.push_back(c);
        } else {
            break;
        }
    }
    return cleaned;
}

}  // namespace

std::wstring ToHalfWidth(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) {
        const auto u = static_cast<std::uint32_t>(c);
        if (u >= 0xFF01 && u <= 0xFF5E) c = static_cast<wchar_t>(u - 0xFF01 + 0x21);
        else if (u == 0x3000) c = L' ';
    }
    return out;
}

std::optional<std::int32_t> ParseStandardInteger(std::wstring_view text) {
    std::int32_t value = 0;
    if (ParseInteger(text, value) != IntegerResult::kValue) return std::nullopt;
    return value;
}

// A value outside the 32-bit range cannot be what was stored by this program, so the
// caller's default stands in for it rather than a truncated number.
std::int32_t ReadIniIntegerText(std::wstring_view text, std::int32_t fallback) {
    const std::wstring upper = LocaleUpperCase(ToHalfWidth(Trim(text)));
    std::int32_t value = 0;
    switch (ParseInteger(upper, value)) {
        case IntegerResult::kValue: return value;
        case IntegerResult::kOutOfRange: return fallback;
        case IntegerResult::kNotInteger: break;
    }
    const std::wstring cleaned = CleanNumber(upper);
    switch (ParseInteger(cleaned, value)) {
        case IntegerResult::kValue: return value;
        case IntegerResult::kOutOfRange: return fallback;
        case IntegerResult::kNotInteger: return 0;
    }
    return 0;
}

std::optional<double> ParseLocaleFloat(std::wstring_view text) {
    text = Trim(text);
    const wchar_t separator = CurrentCollation().DecimalSeparator();
    std::string ascii;
    std::size_t digits = 0;
    for (wchar_t c : text) {
        if (c == separator) c = L'.';
        if (c >= L'0' && c <= L'9') ++digits;
        else if (c != L'.' && c != L'+' && c != L'-' && c != L'e' && c != L'E') return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    if (digits == 0) return std::nullopt;
    const char* first = ascii.data();
    if (*first == '+') {
        ++first;
        if (*first == '-') return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Fifteen significant digits, the precision a double keeps through any round trip.
std::wstring FormatLocaleFloat(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const wchar_t separator = CurrentCollation().DecimalSeparator();
    std::wstring out;
    if (error != std::errc()) return out;
    for (const char* p = buffer; p != end; ++p) out.push_back(*p == '.' ? separator : static_cast<wchar_t>(*p));
    return out;
}

}  // namespace tessera
