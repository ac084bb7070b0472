#include "platform/Canvas.h"

#include <algorithm>

#include "platform/Bitmap.h"

namespace vexa {

TCanvas::TCanvas(TBitmap& target) : target_(&target) {}

TRect TCanvas::ClipRect() const {
  TRect bounds{0, 0, target_->Width(), target_->Height()};
  if (!has_clip_) return bounds;
  return TRect{std::max(bounds.Left, clip_.Left), std::max(bounds.Top, clip_.Top),
               std::min(bounds.Right, clip_.Right), std::min(bounds.Bottom, clip_.Bottom)};
}

void TCanvas::SetClipRect(const TRect& device_rect) {
  clip_ = device_rect;
  has_clip_ = true;
}

void TCanvas::ResetClipRect() { has_clip_ = false; }

TColor TCanvas::Pixel(int32_t x, int32_t y) const {
  const int32_t dx = x + origin_.X;
  const int32_t dy = y + origin_.Y;
  const TRect clip = ClipRect();
  if (dx < clip.Left || dy < clip.Top || dx >= clip.Right || dy >= clip.Bottom) return clNone;
  return PixelToColor(target_->PixelAt(dx, dy));
}

int32_t GetDeviceCaps(const TCanvas& canvas, TDeviceCap cap) {
  switch (cap) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return canvas.PixelsPerInchY();
  }
  return 0;
}

}  // namespace vexa
