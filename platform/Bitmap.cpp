#include "platform/Bitmap.h"

#include <algorithm>
#include <string>

#include "platform/Canvas.h"
#include "platform/Exceptions.h"

namespace vexa {

namespace {
constexpr uint32_t kWhitePixel = 0x00FFFFFF;
}

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int32_t width, int32_t height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width > kMaxBitmapDimension || height > kMaxBitmapDimension ||
      int64_t{width} * height > kMaxBitmapPixels) {
    throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                          " exceeds the limit");
  }
  std::vector<uint32_t> resized(static_cast<size_t>(width) * height, kWhitePixel);
  const int32_t keep_w = std::min(width, width_);
  const int32_t keep_h = std::min(height, height_);
  for (int32_t y = 0; y < keep_h; ++y) {
    std::copy_n(ScanLine(y), keep_w, resized.data() + static_cast<size_t>(y) * width);
  }
  pixels_.swap(resized);
  width_ = width;
  height_ = height;
}

uint32_t TBitmap::PixelAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return ScanLine(y)[x];
}

void TBitmap::SetPixelAt(int32_t x, int32_t y, uint32_t pixel) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  ScanLine(y)[x] = pixel;
}

void TBitmap::Fill(uint32_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  pixels_ = source.pixels_;
  width_ = source.width_;
  height_ = source.height_;
  pixel_format_ = source.pixel_format_;
}

}  // namespace vexa
