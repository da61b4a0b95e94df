// Guarded arithmetic on the program's own values: overflow raises "Integer overflow",
// a value that does not fit its receiving type raises "Range check error".
#pragma once

#include "platform/exception.h"

#include <concepts>
#include <limits>
#include <utility>

namespace checked {

template <std::integral T> T add(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result)) throw EIntOverflow();
    return result;
}

template <std::integral T> T sub(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result)) throw EIntOverflow();
    return result;
}

template <std::integral T> T mul(T a, T b)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result)) throw EIntOverflow();
    return result;
}

// Division truncating toward zero; the one overflowing case (minimum / -1) raises too.
template <std::integral T> T div(T a, T b)
{
    if (b == 0) throw Exception("Division by zero");
    if constexpr (std::is_signed_v<T>) {
        if (a == std::numeric_limits<T>::min() && b == -1) throw EIntOverflow();
    }
    return a / b;
}

// Converts to a narrower (or differently signed) type, refusing values that do not fit.
template <std::integral To, std::integral From> To narrow(From value)
{
    if (!std::in_range<To>(value)) throw ERangeError();
    return static_cast<To>(value);
}

} // namespace checked
