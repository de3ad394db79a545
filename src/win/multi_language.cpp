#include "win/multi_language.h"

#include <windows.h>
#include <mlang.h>
#include <objbase.h>

#include <vector>

#include "core/checked.h"

namespace tessera::win {
namespace {

// MinGW's libuuid lacks these two.
constexpr CLSID kClsidMultiLanguage = {0x275C23E2, 0x3747, 0x11D0, {0x9F, 0xEA, 0x00, 0xAA, 0x00, 0x3F, 0x86, 0x46}};
constexpr IID kIidMultiLanguage2 = {0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

// Releases the service's interface at the end of one operation.
class MultiLanguage {
public:
    MultiLanguage() {
        void* object = nullptr;
        if (SUCCEEDED(CoCreateInstance(kClsidMultiLanguage, nullptr, CLSCTX_INPROC_SERVER,
                                       kIidMultiLanguage2, &object))) {
            service_ = static_cast<IMultiLanguage2*>(object);
        }
    }
    MultiLanguage(const MultiLanguage&) = delete;
    MultiLanguage& operator=(const MultiLanguage&) = delete;
    ~MultiLanguage() {
        if (service_) service_->Release();
    }
    IMultiLanguage2* operator->() const { return service_; }
    explicit operator bool() const { return service_ != nullptr; }

private:
    IMultiLanguage2* service_ = nullptr;
};

class ServiceDetector final : public CodePageDetector {
public:
    std::optional<int> Detect(ByteView sample) override { return DetectWithMultiLanguage(sample); }
};

ServiceDetector gServiceDetector;
CodePageDetector* gDetector = &gServiceDetector;

}  // namespace

CodePageDetector& CurrentCodePageDetector() { return *gDetector; }

ScopedCodePageDetector::ScopedCodePageDetector(CodePageDetector& detector) : previous_(gDetector) {
    gDetector = &detector;
}

ScopedCodePageDetector::~ScopedCodePageDetector() { gDetector = previous_; }

std::optional<int> DetectWithMultiLanguage(ByteView sample) {
    MultiLanguage service;
    if (!service || sample.empty()) return std::nullopt;
    std::vector<CHAR> bytes(sample.begin(), sample.end());
    INT size = CheckedCast<INT>(bytes.size());
    DetectEncodingInfo info{};
    INT scores = 1;
    if (service->DetectInputCodepage(0, 0, bytes.data(), &size, &info, &scores) != S_OK || scores < 1) {
        return std::nullopt;
    }
    return static_cast<int>(info.nCodePage);
}

std::optional<std::wstring> MultiLanguageToUnicode(ByteView bytes, unsigned codePage) {
    if (bytes.empty()) return std::wstring();
    MultiLanguage service;
    if (!service) return std::nullopt;
    std::vector<CHAR> source(bytes.begin(), bytes.end());
    // Every byte gives at most one UTF-16 unit.
    std::wstring out(CheckedAdd(bytes.size(), std::size_t{1}), L'\0');
    DWORD mode = 0;
    UINT sourceSize = CheckedCast<UINT>(source.size());
    UINT outSize = CheckedCast<UINT>(out.size());
    if (service->ConvertStringToUnicode(&mode, codePage, source.data(), &sourceSize, out.data(), &outSize) != S_OK) {
        return std::nullopt;
    }
    out.resize(outSize);
    return out;
}

std::optional<Bytes> MultiLanguageFromUnicode(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return Bytes();
    MultiLanguage service;
    if (!service) return std::nullopt;
    std::wstring source(text);
    // Room for escape sequences around every character of ISO-2022-JP.
    std::vector<CHAR> out(CheckedAdd(CheckedMul(text.size(), std::size_t{8}), std::size_t{16}));
    DWORD mode = 0;
    UINT sourceSize = CheckedCast<UINT>(source.size());
    UINT outSize = CheckedCast<UINT>(out.size());
    if (service->ConvertStringFromUnicode(&mode, codePage, source.data(), &sourceSize, out.data(), &outSize) != S_OK) {
        return std::nullopt;
    }
    return Bytes(reinterpret_cast<const std::uint8_t*>(out.data()), outSize);
}

}  // namespace tessera::win
