#pragma once
// The version of the running Windows as the kernel reports it. GetVersionEx reports 6.2
// to every program without a compatibility manifest entry, so it cannot tell 8 from 11.
#include <cstdint>

namespace tessera::win {

struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

// RtlGetVersion from ntdll; all zero if that cannot be asked.
WindowsVersion GetWindowsVersion();

}  // namespace tessera::win
