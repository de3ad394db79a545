#pragma once
// Overflow-checked integer arithmetic for sizes and coordinates: a result outside the
// type's range throws std::overflow_error instead of wrapping around.
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace tessera {

[[noreturn]] void ThrowOverflow(const char* what);

namespace detail {

#if defined(__GNUC__) || defined(__clang__)
template <typename T> bool AddOverflows(T a, T b, T* r) { return __builtin_add_overflow(a, b, r); }
template <typename T> bool SubOverflows(T a, T b, T* r) { return __builtin_sub_overflow(a, b, r); }
template <typename T> bool MulOverflows(T a, T b, T* r) { return __builtin_mul_overflow(a, b, r); }
#else
// Compilers without the builtins (MSVC): the same checks through 64-bit and limit tests.
template <typename T>
bool AddOverflows(T a, T b, T* r) {
    if (b > 0 ? a > std::numeric_limits<T>::max() - b : a < std::numeric_limits<T>::min() - b)
        return true;
    *r = static_cast<T>(a + b);
    return false;
}
template <typename T>
bool SubOverflows(T a, T b, T* r) {
    if (b < 0 ? a > std::numeric_limits<T>::max() + b : a < std::numeric_limits<T>::min() + b)
        return true;
    *r = static_cast<T>(a - b);
    return false;
}
template <typename T>
bool MulOverflows(T a, T b, T* r) {
    static_assert(sizeof(T) <= 4, "64-bit multiplication needs the compiler's builtins");
    const std::int64_t wide = std::int64_t{a} * std::int64_t{b};
    if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max()) return true;
    *r = static_cast<T>(wide);
    return false;
}
#endif

}  // namespace detail

template <typename T>
T CheckedAdd(T a, T b) {
    T r;
    if (detail::AddOverflows(a, b, &r)) ThrowOverflow("integer addition overflow");
    return r;
}

template <typename T>
T CheckedSub(T a, T b) {
    T r;
    if (detail::SubOverflows(a, b, &r)) ThrowOverflow("integer subtraction overflow");
    return r;
}

template <typename T>
T CheckedMul(T a, T b) {
    T r;
    if (detail::MulOverflows(a, b, &r)) ThrowOverflow("integer multiplication overflow");
    return r;
}

// Narrowing that refuses values the target type cannot hold.
template <typename To, typename From>
To CheckedCast(From v) {
    static_assert(std::is_integral_v<To> && std::is_integral_v<From>);
    if (!std::in_range<To>(v)) ThrowOverflow("integer conversion overflow");
    return static_cast<To>(v);
}

}  // namespace tessera
