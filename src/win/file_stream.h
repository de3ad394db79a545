#pragma once
// A file stream over a file handle, opened by Unicode name and not shared while open.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"

namespace tessera::win {

class TFileStreamW {
  public:
    static constexpr unsigned kOpenRead = 0;     // an existing file, read access
    static constexpr unsigned kCreate = 0xFFFF;  // created or emptied, read and write access

    // Throws std::system_error when the file cannot be opened.
    TFileStreamW(const std::wstring& path, unsigned mode);

    std::uint64_t Size() const;
    // Reads up to `size` bytes; returns how many were read.
    std::size_t Read(void* buffer, std::size_t size);
    // Writes all bytes or throws std::system_error.
    void Write(const void* data, std::size_t size);
    // The rest of the file, or nothing when it is longer than `maxBytes`.
    std::optional<std::vector<std::uint8_t>> ReadAll(std::uint64_t maxBytes);

  private:
    UniqueFile file_;
};

// The whole content of a file for a decoder (read mode); nothing when the file cannot be
// opened or is longer than `maxBytes`.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path,
                                                       std::uint64_t maxBytes);

}  // namespace tessera::win
