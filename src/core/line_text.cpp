#include "core/line_text.h"

#include "core/checked.h"

namespace tessera {

std::wstring_view LineBreakText(LineBreakStyle lineBreak) {
    switch (lineBreak) {
        case lbCr: return L"\r";
        case lbLf: return L"\n";
        default: return L"\r\n";
    }
}

LineBreakStyle SplitLines(std::wstring_view text,
                          const std::function<void(std::wstring_view line)>& addLine) {
    const auto zero = text.find(L'\0');
    if (zero != std::wstring_view::npos) text = text.substr(0, zero);
    bool sawCr = false, sawLf = false;
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        const wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            ++i;
            continue;
        }
        addLine(text.substr(start, i - start));
        ++i;
        if (c == L'\r') {
            sawCr = true;
            if (i < text.size() && text[i] == L'\n') {
                sawLf = true;
                ++i;
            }
        } else {
            sawLf = true;
        }
        start = i;
    }
    if (start < text.size()) addLine(text.substr(start));
    if (sawCr && !sawLf) return lbCr;
    if (sawLf && !sawCr) return lbLf;
    return lbCrLf;
}

// Adds up the final length first, so the text is built in one buffer.
std::wstring JoinLines(const std::vector<std::wstring_view>& lines, LineBreakStyle lineBreak) {
    const std::wstring_view brk = LineBreakText(lineBreak);
    std::size_t length = 0;
    for (const auto& line : lines) length = CheckedAdd(length, CheckedAdd(line.size(), brk.size()));
    std::wstring text;
    text.reserve(length);
    for (const auto& line : lines) {
        text.append(line);
        text.append(brk);
    }
    return text;
}

}  // namespace tessera
