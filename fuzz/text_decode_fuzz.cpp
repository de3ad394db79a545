// Arbitrary bytes as a text file: signature detection, the system's own encoding test,
// the UTF decoders, the hexadecimal dump and line splitting, under every code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/line_text.h"
#include "core/my_wstrings.h"
#include "core/text_decode.h"
#include "core/text_detect.h"
#include "fuzz_support.h"

namespace {

using tessera::fuzz::Check;

using namespace tessera;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteView bytes(data, size);
    // The first byte picks the code to read with; the rest is the file.
    const auto code = static_cast<TextEncoding>(size > 0 ? data[0] % 14 : 0);
    const ByteView file = size > 0 ? bytes.substr(1) : bytes;
    TextPlatform platform;
    platform.isLeadByte = [](std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    TextEncoding encoding = code;
    const std::wstring text = DecodeTextBytes(file, encoding, platform);
    Check(encoding <= kLastTextEncoding && encoding != teAuto);

    TMyWStrings list;
    list.SetText(text);
    const std::wstring joined = list.GetText();
    // Splitting what was joined gives the same lines again.
    TMyWStrings again;
    again.SetLineBreak(list.LineBreak());
    again.SetText(joined);
    Check(again.Count() == list.Count());
    for (int i = 0; i < list.Count(); ++i) Check(again.At(i) == list.At(i));

    // UTF-8 written by us reads back as the same text once surrogates are whole.
    const std::wstring utf8 = DecodeUtf8(EncodeUtf8(DecodeUtf8(file)));
    Check(utf8 == DecodeUtf8(file));
    Check(DecodeUtf16(EncodeUtf16(DecodeUtf16(file, true), false), false) == DecodeUtf16(file, true));
    static_cast<void>(SystemCodePageTest(file));
    return 0;
}
