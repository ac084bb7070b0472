#pragma once
// Pens, brushes and fonts: the drawing attributes a canvas carries. Each reports its changes
// through OnChange so that an owner (a control, a label) can repaint.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Color.h"
#include "platform/Sets.h"

namespace vexa {

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode : uint8_t { pmCopy, pmXor };
enum TBrushStyle : uint8_t { bsSolid, bsClear };
enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed();
};

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int32_t Width() const { return width_; }
  // Widths below 1 are stored as 1.
  void SetWidth(int32_t value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);
  void Assign(const TPen& source);

 private:
  TColor color_ = clBlack;
  int32_t width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  // Setting a colour makes a clear brush solid.
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  // Setting the style to clear also sets the colour to white.
  void SetStyle(TBrushStyle value);
  void Assign(const TBrush& source);

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

constexpr int32_t kDefaultPixelsPerInch = 96;

class TFont : public TGraphicsObject {
 public:
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  // Negative: character height (em) in device pixels; positive: cell height including the
  // internal leading. Zero means the default height.
  int32_t Height() const { return height_; }
  void SetHeight(int32_t value);
  // Points, derived from Height and PixelsPerInch.
  int32_t Size() const;
  void SetSize(int32_t points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // Resolution used to convert between Size and Height; changing it keeps Height.
  int32_t PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int32_t value);
  // Copies name, style, colour and height; a source of another resolution keeps its point size.
  void Assign(const TFont& source);

 private:
  std::string name_ = "MS Sans Serif";
  int32_t height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  int32_t pixels_per_inch_ = kDefaultPixelsPerInch;
};

}  // namespace vexa
