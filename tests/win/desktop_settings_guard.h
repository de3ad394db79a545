#pragma once
// Keeps the user's desktop settings safe around a test that changes them: the registry
// values, the background colour and the wallpaper are saved and put back, and tests in
// other processes that do the same wait for each other through a named mutex.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tessera::testing {

inline constexpr wchar_t kDesktopKeyPath[] = L"Control Panel\\Desktop";
inline constexpr wchar_t kColorsKeyPath[] = L"Control Panel\\Colors";

// A registry value under HKEY_CURRENT_USER as stored, or missing.
struct RawRegValue {
    std::optional<DWORD> type;
    std::vector<BYTE> data;
};

inline RawRegValue ReadRaw(const wchar_t* key, const wchar_t* name) {
    RawRegValue value;
    DWORD type = 0, size = 0;
    const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, flags, &type, nullptr, &size) != ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, flags, &type, value.data.data(), &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    value.data.resize(size);
    value.type = type;
    return value;
}

inline void WriteRaw(const wchar_t* key, const wchar_t* name, const RawRegValue& value) {
    if (!value.type) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name);
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, *value.type, value.data.data(),
                    static_cast<DWORD>(value.data.size()));
}

// The text of a REG_SZ value; nothing for a missing value or another type.
inline std::optional<std::wstring> ReadRawText(const wchar_t* key, const wchar_t* name) {
    const RawRegValue value = ReadRaw(key, name);
    if (value.type != REG_SZ) return std::nullopt;
    return std::wstring(reinterpret_cast<const wchar_t*>(value.data.data()));
}

class DesktopSettingsGuard {
  public:
    DesktopSettingsGuard() : mutex_(CreateMutexW(nullptr, FALSE, L"TesseraDesktopSettingsTests")) {
        if (mutex_) WaitForSingleObject(mutex_, INFINITE);
        for (const wchar_t* name : kDesktopValues) saved_.push_back(ReadRaw(kDesktopKeyPath, name));
        background_ = ReadRaw(kColorsKeyPath, L"Background");
        colour_ = GetSysColor(COLOR_BACKGROUND);
        wchar_t wallpaper[MAX_PATH + 1] = {};
        SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, wallpaper, 0);
        wallpaper_ = wallpaper;
    }
    DesktopSettingsGuard(const DesktopSettingsGuard&) = delete;
    DesktopSettingsGuard& operator=(const DesktopSettingsGuard&) = delete;
    ~DesktopSettingsGuard() {
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wallpaper_.data(), 0);
        const INT element = COLOR_BACKGROUND;
        SetSysColors(1, &element, &colour_);
        for (std::size_t i = 0; i < saved_.size(); ++i) {
            WriteRaw(kDesktopKeyPath, kDesktopValues[i], saved_[i]);
        }
        WriteRaw(kColorsKeyPath, L"Background", background_);
        if (mutex_) {
            ReleaseMutex(mutex_);
            CloseHandle(mutex_);
        }
    }

  private:
    static constexpr const wchar_t* kDesktopValues[] = {L"TileWallpaper", L"WallpaperStyle",
                                                        L"WallpaperOriginX", L"WallpaperOriginY",
                                                        L"Wallpaper"};

    HANDLE mutex_;
    std::vector<RawRegValue> saved_;
    RawRegValue background_;
    COLORREF colour_ = 0;
    std::wstring wallpaper_;
};

}  // namespace tessera::testing
