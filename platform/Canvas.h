#pragma once
// A drawing surface over a TBitmap with the raster rules of the classic Windows graphics
// interface: lines leave out their end point, rectangles and ellipses cover up to right - 1 and
// bottom - 1, polygons fill by the alternate rule. Everything is clipped to the clip rectangle
// (by default the whole bitmap) before any pixel loop.
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Graphics.h"
#include "platform/Types.h"

namespace vexa {

class TBitmap;

enum TCopyMode : uint8_t { cmSrcCopy, cmSrcAnd };

// Text alignment flags; 0 is left/top without current-position update.
constexpr uint32_t TA_NOUPDATECP = 0;
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_TOP = 0;

class TCanvas {
 public:
  explicit TCanvas(TBitmap& target);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBitmap& Target() { return *target_; }
  const TBitmap& Target() const { return *target_; }

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }
  // Font assignment: copies the settings into the canvas's own font.
  void SetFont(const TFont& font) { font_.Assign(font); }

  TCopyMode CopyMode() const { return copy_mode_; }
  void SetCopyMode(TCopyMode mode) { copy_mode_ = mode; }
  uint32_t TextAlign() const { return text_align_; }
  void SetTextAlign(uint32_t flags) { text_align_ = flags; }

  // Device resolution, what GetDeviceCaps reports for the canvas (96 for screen bitmaps).
  int32_t PixelsPerInchY() const { return pixels_per_inch_y_; }
  void SetPixelsPerInchY(int32_t value) { pixels_per_inch_y_ = value; }

  // Logical (0, 0) lands on device pixel (origin.X, origin.Y); lets a child control draw on its
  // parent's surface in its own coordinates.
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin) { origin_ = origin; }
  // Device rectangle outside of which nothing is drawn; intersected with the bitmap.
  TRect ClipRect() const;
  void SetClipRect(const TRect& device_rect);
  void ResetClipRect();

  TPoint PenPos() const { return pen_pos_; }
  void SetPenPos(TPoint p) { pen_pos_ = p; }
  void MoveTo(int32_t x, int32_t y) { pen_pos_ = {x, y}; }
  // Draws from PenPos to (x, y) without the end point; PenPos becomes (x, y).
  void LineTo(int32_t x, int32_t y);
  // One connected path: the dash pattern continues across the vertices. PenPos is not changed.
  void Polyline(std::span<const TPoint> points);
  // Fills with the brush (alternate rule) and outlines with the pen, closing the figure.
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Fills the rectangle with the brush only, no outline.
  void FillRect(const TRect& r);
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // Arc of the ellipse in the bounding box, counter-clockwise from the ray towards (x3, y3) to
  // the ray towards (x4, y4).
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4);

  TColor Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, TColor color);

  // Draws text with its top-left at (x, y); an opaque brush fills the text cell first.
  void TextOut(int32_t x, int32_t y, std::string_view text);
  // Fills `clip` with the brush (when solid) and draws the text at (x, y) clipped to it.
  void TextRect(const TRect& clip, int32_t x, int32_t y, std::string_view text);
  int32_t TextWidth(std::string_view text);
  int32_t TextHeight(std::string_view text);
  TSize TextExtent(std::string_view text);

  // Copies `source` with its top-left at (x, y) by CopyMode (source copy or source AND).
  void Draw(int32_t x, int32_t y, const TBitmap& source);
  // Scales `source` onto `dest` by nearest neighbour, by CopyMode.
  void StretchDraw(const TRect& dest, const TBitmap& source);

 private:
  TBitmap* target_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TCopyMode copy_mode_ = cmSrcCopy;
  uint32_t text_align_ = 0;
  int32_t pixels_per_inch_y_ = kDefaultPixelsPerInch;
  TPoint origin_;
  TRect clip_;
  bool has_clip_ = false;
  TPoint pen_pos_;
};

// Device capability query of the classic interface; only the resolutions are known.
enum TDeviceCap : int32_t { LOGPIXELSX = 88, LOGPIXELSY = 90 };
int32_t GetDeviceCaps(const TCanvas& canvas, TDeviceCap cap);

}  // namespace vexa
