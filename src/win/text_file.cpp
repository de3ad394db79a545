#include "win/text_file.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "core/file_names.h"
#include "core/my_wstrings.h"
#include "core/text_decode.h"
#include "core/text_file_system.h"
#include "win/atomic_file.h"
#include "win/code_page.h"
#include "win/handles.h"
#include "win/message_pump.h"
#include "win/multi_language.h"
#include "win/path_compare.h"
#include "win/program_identity.h"
#include "win/prompts.h"

namespace tessera::win {
namespace {

constexpr int kReadAttempts = 4;
constexpr DWORD kRetryDelayMs = 200;

std::function<void()>& Pump() {
    static std::function<void()> pump = [] { SystemMessagePump().ProcessMessages(); };
    return pump;
}

void RunPump() {
    if (Pump()) Pump()();
}

// After each row of a dump: a dump of megabytes has hundreds of thousands of rows, and
// looking for messages more often than every 20 ms only slows it down.
void RunPumpAfterRow() {
    static ULONGLONG last = 0;
    const ULONGLONG now = GetTickCount64();
    if (now - last < 20) return;
    last = now;
    RunPump();
}

TextPlatform MakePlatform(unsigned ansiCodePage) {
    TextPlatform platform;
    platform.detectCodePage = [](ByteView sample) { return CurrentCodePageDetector().Detect(sample); };
    platform.decodeCodePage = [ansiCodePage](ByteView bytes, unsigned codePage) {
        return CodePageToWide(bytes, codePage == 0 ? ansiCodePage : codePage).value_or(std::wstring());
    };
    platform.isLeadByte = [ansiCodePage](std::uint8_t b) { return IsLeadByteOf(ansiCodePage, b); };
    platform.pump = RunPumpAfterRow;
    return platform;
}

// The size of the first match of a directory search that is no folder; nullopt when the
// file is 4 GiB or larger, which the reader refuses.
std::optional<std::uint32_t> FileSize(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(path.c_str(), &data));
    if (!find) return 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (data.nFileSizeHigh != 0) return std::nullopt;
        return data.nFileSizeLow;
    } while (FindNextFileW(find.get(), &data));
    return 0;
}

bool ReadOnce(const std::wstring& path, Bytes& buffer) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return false;
    buffer.resize(read);  // a file that shrank meanwhile
    return true;
}

// Another program may hold the file for a moment: four attempts, 200 ms apart.
std::optional<Bytes> ReadWithRetries(const std::wstring& path, std::uint32_t size) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (attempt > 0) RunPump();
        Bytes buffer(size, 0);
        if (ReadOnce(path, buffer)) return buffer;
        if (attempt + 1 < kReadAttempts) Sleep(kRetryDelayMs);
    }
    return std::nullopt;
}

std::wstring WithoutByteOrderMark(std::wstring_view text) {
    if (!text.empty() && text.front() == L'\xFEFF') text.remove_prefix(1);
    return std::wstring(text);
}

std::optional<Bytes> EncodeUnicode(std::wstring_view text, TextEncoding encoding) {
    const std::wstring body = WithoutByteOrderMark(text);
    Bytes bytes = SignatureBytes(encoding);
    switch (encoding) {
        case teUtf8Bom:
        case teUtf8: bytes += EncodeUtf8(body); break;
        case teUtf16LEBom:
        case teUtf16LE: bytes += EncodeUtf16(body, false); break;
        default: bytes += EncodeUtf16(body, true); break;
    }
    return bytes;
}

std::optional<Bytes> EncodeCodePage(std::wstring_view text, unsigned codePage) {
    auto narrow = WideToCodePage(text, codePage);
    if (!narrow) return std::nullopt;
    return std::move(narrow->bytes);
}

// Suppresses the system's critical-error boxes (drive not ready) for one scope.
class ScopedErrorMode {
public:
    ScopedErrorMode() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ScopedErrorMode(const ScopedErrorMode&) = delete;
    ScopedErrorMode& operator=(const ScopedErrorMode&) = delete;
    ~ScopedErrorMode() { SetErrorMode(previous_); }

private:
    UINT previous_;
};

class SystemTextFiles final : public TextFileSystem {
public:
    bool IsFile(const std::wstring& path) const override {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::wstring ReadText(const std::wstring& path, TextEncoding& encoding) override {
        return ReadTextFile(path, encoding);
    }
    bool WriteText(const std::wstring& path, std::wstring_view text, TextEncoding encoding) override {
        return WriteTextFile(path, text, encoding);
    }
};

}  // namespace

std::function<void()> SetTextFilePump(std::function<void()> pump) { return std::exchange(Pump(), std::move(pump)); }

TextEncoding DetectEncoding(ByteView sample) { return DetectEncodingWith(sample, MakePlatform(SystemCodePage())); }

std::wstring DecodeText(ByteView bytes, TextEncoding& encoding, unsigned ansiCodePage) {
    return DecodeTextBytes(bytes, encoding, MakePlatform(ansiCodePage == 0 ? SystemCodePage() : ansiCodePage));
}

std::wstring ReadTextFile(const std::wstring& path, TextEncoding& encoding) {
    const std::optional<std::uint32_t> size = FileSize(path);
    if (size && *size == 0) return {};
    std::optional<Bytes> bytes;
    if (size) bytes = ReadWithRetries(path, *size);
    if (!bytes) {
        MessageBeep(MB_OK);
        return {};
    }
    return DecodeText(*bytes, encoding);
}

// teAuto keeps the system code page when every character fits it, and UTF-8 with a
// signature otherwise.
std::optional<Bytes> EncodeText(std::wstring_view text, TextEncoding encoding, unsigned ansiCodePage) {
    const unsigned ansi = ansiCodePage == 0 ? SystemCodePage() : ansiCodePage;
    switch (encoding) {
        case teAuto: {
            auto narrow = WideToCodePage(text, ansi, true);
            if (!narrow) return std::nullopt;
            if (!narrow->usedDefault) return std::move(narrow->bytes);
            return EncodeUnicode(text, teUtf8Bom);
        }
        case teUtf8Bom:
        case teUtf8:
        case teUtf16LEBom:
        case teUtf16LE:
        case teUtf16BEBom:
        case teUtf16BE: return EncodeUnicode(text, encoding);
        case teUtf7:
        case teJis:
        case teEuc: return EncodeCodePage(text, CodePageOfEncoding(encoding));
        default: return EncodeCodePage(text, ansi);
    }
}

bool WriteTextFile(const std::wstring& path, std::wstring_view text, TextEncoding encoding) {
    const ScopedErrorMode errorMode;
    try {
        AtomicFileWriter writer(path);
        if (!writer.Open()) return false;
        const std::optional<Bytes> bytes = EncodeText(text, encoding);
        if (!bytes) return false;
        return writer.Write(bytes->data(), bytes->size()) && writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

void InstallTextServices() {
    static SystemTextFiles files;
    UseSystemCollation();
    SetTextFileSystem(&files);
    TMyWStrings::SetMessageHandler([](const std::wstring& text) { ShowInfo(text); });
    SetDefaultIniFileName(ChangeFileExtension(ProgramPath(), L".ini"));
}

}  // namespace tessera::win
