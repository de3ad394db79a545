#include "win/file_stream.h"

#include <algorithm>
#include <exception>

#include "win/last_error.h"

namespace tessera::win {
namespace {

constexpr DWORD kChunk = 1u << 30;

}  // namespace

TFileStreamW::TFileStreamW(const std::wstring& path, unsigned mode) {
    const bool create = mode == kCreate;
    file_.reset(CreateFileW(path.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, 0,
                            nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    if (!file_) ThrowLastError("CreateFileW");
}

std::uint64_t TFileStreamW::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_.get(), &size)) ThrowLastError("GetFileSizeEx");
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t TFileStreamW::Read(void* buffer, std::size_t size) {
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::size_t total = 0;
    while (total < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - total, kChunk));
        DWORD read = 0;
        if (!ReadFile(file_.get(), bytes + total, chunk, &read, nullptr))
            ThrowLastError("ReadFile");
        if (read == 0) break;
        total += read;
    }
    return total;
}

void TFileStreamW::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, kChunk));
        DWORD written = 0;
        if (!WriteFile(file_.get(), bytes, chunk, &written, nullptr) || written != chunk) {
            ThrowLastError("WriteFile");
        }
        bytes += written;
        size -= written;
    }
}

std::optional<std::vector<std::uint8_t>> TFileStreamW::ReadAll(std::uint64_t maxBytes) {
    LARGE_INTEGER position{};
    if (!SetFilePointerEx(file_.get(), LARGE_INTEGER{}, &position, FILE_CURRENT)) {
        ThrowLastError("SetFilePointerEx");
    }
    const std::uint64_t size = Size();
    const std::uint64_t left = size - std::min<std::uint64_t>(size, position.QuadPart);
    if (left > maxBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(left));
    bytes.resize(Read(bytes.data(), bytes.size()));
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path,
                                                       std::uint64_t maxBytes) {
    try {
        TFileStreamW stream(path, TFileStreamW::kOpenRead);
        return stream.ReadAll(maxBytes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace tessera::win
