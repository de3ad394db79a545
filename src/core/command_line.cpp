#include "core/command_line.h"

#include <cstddef>
#include <utility>

namespace tessera {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\r' || c == L' '; }

// Scans the text and hands each token to emit; stops early when emit returns false.
template <typename Emit>
void ScanCommandLine(std::wstring_view text, Emit emit) {
    std::wstring pending;
    bool inQuotes = false;
    bool doubledQuote = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'"' && inQuotes) {
            if (doubledQuote) {
                doubledQuote = false;
                pending += L'"';
            } else if (i + 1 < text.size() && text[i + 1] == L'"') {
                doubledQuote = true;
            } else {
                inQuotes = false;  // a closed pair is a token even when empty
                if (!emit(std::move(pending))) return;
                pending.clear();
            }
        } else if (c == L'"') {
            inQuotes = true;
            if (!pending.empty() && !emit(std::move(pending))) return;
            pending.clear();
        } else if (IsSeparator(c) && !inQuotes) {
            if (!pending.empty() && !emit(std::move(pending))) return;
            pending.clear();
        } else {
            pending += c;
        }
    }
    if (!pending.empty()) emit(std::move(pending));
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view text) {
    std::vector<std::wstring> tokens;
    ScanCommandLine(text, [&](std::wstring&& token) {
        tokens.push_back(std::move(token));
        return true;
    });
    return tokens;
}

std::wstring FirstCommandLineToken(std::wstring_view text) {
    std::wstring first;
    ScanCommandLine(text, [&](std::wstring&& token) {
        first = std::move(token);
        return false;
    });
    return first;
}

}  // namespace tessera
