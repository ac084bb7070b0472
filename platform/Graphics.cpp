#include "platform/Graphics.h"

#include <algorithm>

#include "platform/Numeric.h"

namespace vexa {

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TPen::SetWidth(int32_t value) {
  value = std::max<int32_t>(value, 1);
  if (width_ == value) return;
  width_ = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (mode_ == value) return;
  mode_ = value;
  Changed();
}

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (color_ == value && style_ == bsSolid) return;
  color_ = value;
  style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (style_ == value) return;
  style_ = value;
  if (value == bsClear) color_ = clWhite;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

void TFont::SetName(const std::string& value) {
  if (name_ == value) return;
  name_ = value;
  Changed();
}

void TFont::SetHeight(int32_t value) {
  if (height_ == value) return;
  height_ = value;
  Changed();
}

int32_t TFont::Size() const { return -MulDiv(height_, 72, pixels_per_inch_); }

void TFont::SetSize(int32_t points) { SetHeight(-MulDiv(points, pixels_per_inch_, 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TFont::SetPixelsPerInch(int32_t value) {
  if (value > 0) pixels_per_inch_ = value;
}

void TFont::Assign(const TFont& source) {
  name_ = source.name_;
  style_ = source.style_;
  color_ = source.color_;
  height_ = source.pixels_per_inch_ == pixels_per_inch_
                ? source.height_
                : -MulDiv(source.Size(), pixels_per_inch_, 72);
  Changed();
}

}  // namespace vexa
