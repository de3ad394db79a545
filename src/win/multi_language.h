#pragma once
// The system's multi-language service (a COM object): code-page detection and the
// conversions that the system's own functions refuse (ISO-2022-JP, EUC-JP under Wine).
// COM must be initialised on the calling thread; otherwise the service is unavailable.
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace tessera::win {

// Detection behind a seam, so tests can script the service's answer.
class CodePageDetector {
public:
    virtual ~CodePageDetector() = default;
    // The detected code page; nullopt when the service is unavailable or fails.
    virtual std::optional<int> Detect(ByteView sample) = 0;
};

CodePageDetector& CurrentCodePageDetector();  // the service itself unless scripted

class ScopedCodePageDetector {
public:
    explicit ScopedCodePageDetector(CodePageDetector& detector);
    ScopedCodePageDetector(const ScopedCodePageDetector&) = delete;
    ScopedCodePageDetector& operator=(const ScopedCodePageDetector&) = delete;
    ~ScopedCodePageDetector();

private:
    CodePageDetector* previous_;
};

// IMultiLanguage2::DetectInputCodepage with no flags, no preferred code page, one answer.
std::optional<int> DetectWithMultiLanguage(ByteView sample);
// ConvertStringToUnicode / ConvertStringFromUnicode; nullopt when the service fails.
std::optional<std::wstring> MultiLanguageToUnicode(ByteView bytes, unsigned codePage);
std::optional<Bytes> MultiLanguageFromUnicode(std::wstring_view text, unsigned codePage);

}  // namespace tessera::win
