#pragma once
// Conversions between UTF-16 and the code pages of text files. Code page 0 stands for the
// system (ANSI) code page.
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace tessera::win {

unsigned SystemCodePage();
bool IsLeadByteOf(unsigned codePage, std::uint8_t byte);

// Bytes of a code page to UTF-16 (MultiByteToWideChar, or the multi-language service
// where the system refuses the code page or loses characters of it); nullopt on failure.
std::optional<std::wstring> CodePageToWide(ByteView bytes, unsigned codePage);

struct NarrowText {
    Bytes bytes;
    bool usedDefault = false;  // some character became the substitute character
};
// UTF-16 to a code page. noBestFit keeps characters from turning into look-alikes, so
// usedDefault tells whether the text fits the code page; substitute is the byte that
// replaces a character that does not fit (0: the code page's own).
std::optional<NarrowText> WideToCodePage(std::wstring_view text, unsigned codePage,
                                         bool noBestFit = false, char substitute = 0);

}  // namespace tessera::win
