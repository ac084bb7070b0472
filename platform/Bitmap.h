#pragma once
// A 32-bit device-independent bitmap with its own canvas. Pixels are 0x00RRGGBB, rows top-down,
// no padding.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Color.h"

namespace vexa {

class TCanvas;

enum TPixelFormat : uint8_t { pf24bit, pf32bit };

// Bitmaps larger than this raise EInvalidGraphic instead of exhausting memory.
constexpr int32_t kMaxBitmapDimension = 32768;
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 27;  // 512 MiB of pixels

class TBitmap {
 public:
  TBitmap();
  TBitmap(int32_t width, int32_t height);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetWidth(int32_t value) { SetSize(value, height_); }
  void SetHeight(int32_t value) { SetSize(width_, value); }
  // Negative sizes count as 0. Existing pixels inside the new size are kept, new ones are white.
  void SetSize(int32_t width, int32_t height);
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Every bitmap stores 32 bits per pixel; the format is kept for callers that ask for it.
  TPixelFormat PixelFormat() const { return pixel_format_; }
  void SetPixelFormat(TPixelFormat value) { pixel_format_ = value; }

  TCanvas& Canvas() { return *canvas_; }
  const TCanvas& Canvas() const { return *canvas_; }

  uint32_t* ScanLine(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* ScanLine(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t* Bits() { return pixels_.data(); }
  const uint32_t* Bits() const { return pixels_.data(); }
  // Bounds-checked pixel access in stored form; reads outside give 0, writes outside do nothing.
  uint32_t PixelAt(int32_t x, int32_t y) const;
  void SetPixelAt(int32_t x, int32_t y, uint32_t pixel);
  void Fill(uint32_t pixel);

  // Reads a device-independent bitmap file (.bmp); raises EFileError or EInvalidGraphic and
  // leaves the bitmap unchanged on failure.
  void LoadFromFile(const std::string& path);
  // Same, from bytes in memory.
  void LoadFromMemory(const uint8_t* data, size_t size);
  // Writes the bitmap as a PNG file; raises EFileError on failure.
  void SaveToPNG(const std::string& path) const;

  void Assign(const TBitmap& source);

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  TPixelFormat pixel_format_ = pf32bit;
  std::vector<uint32_t> pixels_;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace vexa
