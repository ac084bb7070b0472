#pragma once
// Geometry value types shared by the canvas, the controls and the hosts.
#include <cstdint>

namespace vexa {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Left/Top are inside, Right/Bottom one past the last pixel, as the classic graphics interface has it.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return TRect{left, top, right, bottom};
}
inline TPoint Point(int32_t x, int32_t y) { return TPoint{x, y}; }

}  // namespace vexa
