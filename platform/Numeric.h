#pragma once
// Conversions between reals and integers with the rounding rules the controls rely on.
// Every real-to-integer conversion goes through ToIntegral, so not-a-number and values out of
// range have one defined result instead of undefined behaviour.
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace vexa {

// Truncates toward zero; not-a-number gives 0, values beyond the range give the nearest bound.
template <typename Int>
constexpr Int ToIntegral(long double value) {
  static_assert(std::is_integral_v<Int>);
  if (std::isnan(value)) return 0;
  constexpr auto lo = static_cast<long double>(std::numeric_limits<Int>::min());
  constexpr auto hi = static_cast<long double>(std::numeric_limits<Int>::max());
  if (value <= lo) return std::numeric_limits<Int>::min();
  if (value >= hi) return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);
}

// Round half to even (banker's rounding), saturating like ToIntegral.
inline int64_t Round(long double value) { return ToIntegral<int64_t>(std::nearbyint(value)); }
inline int32_t RoundInt(long double value) { return ToIntegral<int32_t>(std::nearbyint(value)); }

// Truncation toward zero, saturating like ToIntegral.
inline int64_t Trunc(long double value) { return ToIntegral<int64_t>(value); }
inline int32_t TruncInt(long double value) { return ToIntegral<int32_t>(value); }

// Integer division truncating toward zero, as `div`; division by zero gives 0 instead of trapping.
constexpr int64_t Div(int64_t a, int64_t b) {
  if (b == 0) return 0;
  if (b == -1) return a == std::numeric_limits<int64_t>::min() ? a : -a;
  return a / b;
}
// Remainder with the sign of the dividend, as `mod`; 0 for a zero divisor.
constexpr int64_t Mod(int64_t a, int64_t b) {
  if (b == 0 || b == -1) return 0;
  return a % b;
}

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 for c = 0.
constexpr int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = int64_t{a} * b;
  const int64_t half = (c < 0 ? -int64_t{c} : int64_t{c}) / 2;
  const int64_t num = product >= 0 ? product + half : product - half;
  const int64_t result = num / c;
  if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(result);
}

}  // namespace vexa
