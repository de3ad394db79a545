#pragma once
// Whole-operation registry access: each call opens the key, does one thing and closes it.
// Keys are opened for reading and writing and never created.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace tessera::win {

// A value of another type than the one read, or a write the registry refused.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Whether the key exists and can be opened for reading and writing.
bool RegKeyOpens(HKEY root, const std::wstring& key);

// The value's type (REG_SZ, REG_DWORD, ...); nothing when the key or the value is missing.
std::optional<DWORD> RegValueType(HKEY root, const std::wstring& key, const std::wstring& name);

// Text (REG_SZ or REG_EXPAND_SZ, unexpanded); nothing when the key or value is missing.
// Throws RegistryError for a value of another type.
std::optional<std::wstring> ReadRegString(HKEY root, const std::wstring& key,
                                          const std::wstring& name);
// A REG_DWORD as a signed integer; nothing when missing; RegistryError for another type.
std::optional<std::int32_t> ReadRegInteger(HKEY root, const std::wstring& key,
                                           const std::wstring& name);

// False when the key cannot be opened (nothing written); RegistryError when the write is
// refused.
bool WriteRegString(HKEY root, const std::wstring& key, const std::wstring& name,
                    const std::wstring& value);
bool WriteRegInteger(HKEY root, const std::wstring& key, const std::wstring& name,
                     std::int32_t value);

}  // namespace tessera::win
