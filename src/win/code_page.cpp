#include "win/code_page.h"

#include <windows.h>

#include "core/checked.h"
#include "win/code_page_euc.h"
#include "win/multi_language.h"

namespace tessera::win {
namespace {

unsigned Resolve(unsigned codePage) { return codePage == 0 ? SystemCodePage() : codePage; }

// The system lacks ISO-2022-JP under Wine; the multi-language service converts it.
bool PrefersMultiLanguage(unsigned codePage) { return codePage >= 50220 && codePage <= 50222; }

// The system's EUC-JP tables lose the NEC and IBM additions (①, ～): EUC-JP goes through
// code page 932 instead (code_page_euc.h).
bool IsEucJp(unsigned codePage) { return codePage == 20932 || codePage == 51932; }

// Code pages whose conversion takes neither flags nor a default character.
bool TakesNoFlags(unsigned codePage) {
    return codePage == CP_UTF7 || codePage == CP_UTF8 || codePage == 54936 ||
           (codePage >= 50220 && codePage <= 50229) || (codePage >= 57002 && codePage <= 57011);
}

std::optional<std::wstring> SystemToWide(ByteView bytes, unsigned codePage) {
    if (bytes.empty()) return std::wstring();
    const auto* source = reinterpret_cast<const char*>(bytes.data());
    const int size = CheckedCast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, source, size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, 0, source, size, out.data(), length) != length) return std::nullopt;
    return out;
}

std::optional<NarrowText> SystemToNarrow(std::wstring_view text, unsigned codePage, bool noBestFit,
                                         char substitute) {
    if (text.empty()) return NarrowText{};
    const bool plain = TakesNoFlags(codePage);
    const DWORD flags = !plain && noBestFit ? WC_NO_BEST_FIT_CHARS : 0;
    const char* defaultChar = !plain && substitute != 0 ? &substitute : nullptr;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = plain ? nullptr : &usedDefault;
    const int size = CheckedCast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, defaultChar, usedDefaultOut);
    if (length <= 0) return std::nullopt;
    NarrowText out;
    out.bytes.resize(static_cast<std::size_t>(length));
    usedDefault = FALSE;
    if (WideCharToMultiByte(codePage, flags, text.data(), size, reinterpret_cast<char*>(out.bytes.data()), length,
                            defaultChar, usedDefaultOut) != length) {
        return std::nullopt;
    }
    out.usedDefault = usedDefault != FALSE;
    return out;
}

}  // namespace

unsigned SystemCodePage() { return GetACP(); }

bool IsLeadByteOf(unsigned codePage, std::uint8_t byte) {
    return IsDBCSLeadByteEx(Resolve(codePage), byte) != FALSE;
}

std::optional<std::wstring> CodePageToWide(ByteView bytes, unsigned codePage) {
    codePage = Resolve(codePage);
    if (IsEucJp(codePage)) return EucJpToWide(bytes);
    if (PrefersMultiLanguage(codePage)) {
        if (auto text = MultiLanguageToUnicode(bytes, codePage)) return text;
    }
    if (auto text = SystemToWide(bytes, codePage)) return text;
    if (!PrefersMultiLanguage(codePage)) return MultiLanguageToUnicode(bytes, codePage);
    return std::nullopt;
}

std::optional<NarrowText> WideToCodePage(std::wstring_view text, unsigned codePage, bool noBestFit,
                                         char substitute) {
    codePage = Resolve(codePage);
    if (IsEucJp(codePage)) return NarrowText{WideToEucJp(text), false};
    if (PrefersMultiLanguage(codePage)) {
        if (auto bytes = MultiLanguageFromUnicode(text, codePage)) return NarrowText{std::move(*bytes), false};
    }
    if (auto narrow = SystemToNarrow(text, codePage, noBestFit, substitute)) return narrow;
    if (PrefersMultiLanguage(codePage)) return std::nullopt;
    if (auto bytes = MultiLanguageFromUnicode(text, codePage)) return NarrowText{std::move(*bytes), false};
    return std::nullopt;
}

}  // namespace tessera::win
