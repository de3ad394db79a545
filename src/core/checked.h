#pragma once
// Overflow-checked integer arithmetic for sizes and coordinates: a result outside the
// type's range throws std::overflow_error instead of wrapping around.
#include <cstdint>
#include <stdexcept>

namespace tessera {

[[noreturn]] void ThrowOverflow(const char* what);

template <typename T>
T CheckedAdd(T a, T b) {
    T r;
    if (__builtin_add_overflow(a, b, &r)) ThrowOverflow("integer addition overflow");
    return r;
}

template <typename T>
T CheckedSub(T a, T b) {
    T r;
    if (__builtin_sub_overflow(a, b, &r)) ThrowOverflow("integer subtraction overflow");
    return r;
}

template <typename T>
T CheckedMul(T a, T b) {
    T r;
    if (__builtin_mul_overflow(a, b, &r)) ThrowOverflow("integer multiplication overflow");
    return r;
}

// Narrowing that refuses values the target type cannot hold.
template <typename To, typename From>
To CheckedCast(From v) {
    To r;
    if (__builtin_add_overflow(v, From{0}, &r)) ThrowOverflow("integer conversion overflow");
    return r;
}

}  // namespace tessera
