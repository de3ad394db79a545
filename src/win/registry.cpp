#include "win/registry.h"

#include <cstring>
#include <vector>

#include "win/handles.h"

namespace tessera::win {
namespace {

UniqueRegKey OpenKey(HKEY root, const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WRITE, &handle) != ERROR_SUCCESS) {
        return {};
    }
    return UniqueRegKey(handle);
}

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// The value's type and bytes; nothing when the key or the value is missing. The size is
// asked first and asked again if the value grew in between.
std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& key, const std::wstring& name) {
    const UniqueRegKey handle = OpenKey(root, key);
    if (!handle) return std::nullopt;
    RawValue value;
    for (;;) {
        DWORD size = static_cast<DWORD>(value.data.size());
        const LONG status =
            RegQueryValueExW(handle.get(), name.c_str(), nullptr, &value.type,
                             value.data.empty() ? nullptr : value.data.data(), &size);
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        if (status == ERROR_MORE_DATA || (status == ERROR_SUCCESS && value.data.size() < size)) {
            value.data.resize(size);
            continue;
        }
        if (status != ERROR_SUCCESS) {
            throw RegistryError("registry value cannot be read");
        }
        value.data.resize(size);
        return value;
    }
}

std::string Narrow(const std::wstring& name) {
    std::string text;
    for (wchar_t c : name) text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return text;
}

[[noreturn]] void ThrowWrongType(const std::wstring& name) {
    throw RegistryError("registry value \"" + Narrow(name) + "\" has another type");
}

bool Write(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
           const void* data, DWORD size) {
    const UniqueRegKey handle = OpenKey(root, key);
    if (!handle) return false;
    if (RegSetValueExW(handle.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) !=
        ERROR_SUCCESS) {
        throw RegistryError("registry value \"" + Narrow(name) + "\" cannot be written");
    }
    return true;
}

}  // namespace

bool RegKeyOpens(HKEY root, const std::wstring& key) {
    return static_cast<bool>(OpenKey(root, key));
}

std::optional<DWORD> RegValueType(HKEY root, const std::wstring& key, const std::wstring& name) {
    const UniqueRegKey handle = OpenKey(root, key);
    if (!handle) return std::nullopt;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return type;
}

std::optional<std::wstring> ReadRegString(HKEY root, const std::wstring& key,
                                          const std::wstring& name) {
    const auto raw = ReadRaw(root, key, name);
    if (!raw) return std::nullopt;
    if (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ) ThrowWrongType(name);
    // The stored text need not end with a zero; it ends at the first one if it does.
    std::wstring text(raw->data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), raw->data.data(), text.size() * sizeof(wchar_t));
    const auto end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

std::optional<std::int32_t> ReadRegInteger(HKEY root, const std::wstring& key,
                                           const std::wstring& name) {
    const auto raw = ReadRaw(root, key, name);
    if (!raw) return std::nullopt;
    if (raw->type != REG_DWORD || raw->data.size() != sizeof(DWORD)) ThrowWrongType(name);
    DWORD value = 0;
    std::memcpy(&value, raw->data.data(), sizeof value);
    return static_cast<std::int32_t>(value);
}

bool WriteRegString(HKEY root, const std::wstring& key, const std::wstring& name,
                    const std::wstring& value) {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return Write(root, key, name, REG_SZ, value.c_str(), bytes);
}

bool WriteRegInteger(HKEY root, const std::wstring& key, const std::wstring& name,
                     std::int32_t value) {
    const auto data = static_cast<DWORD>(value);
    return Write(root, key, name, REG_DWORD, &data, sizeof data);
}

}  // namespace tessera::win
