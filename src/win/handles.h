#pragma once
// Move-only owners of Win32 handles. Each handle type names the function that frees it;
// copying is deleted, so a handle is released exactly once.
#include <windows.h>

#include <utility>

namespace tessera::win {

// Traits name the handle type, its empty value and the function that frees it.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    Handle release() { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle h = Traits::Empty()) {
        if (handle_ != Traits::Empty()) Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Empty();
};

namespace detail {

template <typename H, auto CloseFunction>
struct NullEmpty {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { CloseFunction(h); }
};

template <auto CloseFunction>
struct InvalidEmpty {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseFunction(h); }
};

inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void DeleteMemoryDc(HDC h) { DeleteDC(h); }
inline void CloseRegistryKey(HKEY h) { RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void CloseFindHandle(HANDLE h) { FindClose(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
inline void FreeLibraryHandle(HMODULE h) { FreeLibrary(h); }

}  // namespace detail

using UniqueKernelHandle = UniqueHandle<detail::NullEmpty<HANDLE, detail::CloseKernelHandle>>;
using UniqueFile = UniqueHandle<detail::InvalidEmpty<detail::CloseKernelHandle>>;
using UniqueFind = UniqueHandle<detail::InvalidEmpty<detail::CloseFindHandle>>;
using UniqueBitmap = UniqueHandle<detail::NullEmpty<HBITMAP, detail::DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<detail::NullEmpty<HBRUSH, detail::DeleteGdiObject>>;
using UniqueRegion = UniqueHandle<detail::NullEmpty<HRGN, detail::DeleteGdiObject>>;
using UniqueFont = UniqueHandle<detail::NullEmpty<HFONT, detail::DeleteGdiObject>>;
using UniqueMemoryDc = UniqueHandle<detail::NullEmpty<HDC, detail::DeleteMemoryDc>>;
using UniqueRegKey = UniqueHandle<detail::NullEmpty<HKEY, detail::CloseRegistryKey>>;
using UniqueIcon = UniqueHandle<detail::NullEmpty<HICON, detail::DestroyIconHandle>>;
using UniqueModule = UniqueHandle<detail::NullEmpty<HMODULE, detail::FreeLibraryHandle>>;

// Selects a GDI object into a DC for one scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tessera::win
