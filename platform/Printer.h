#pragma once
// The global printer: a canvas on a high-resolution page bitmap. Code recognises printing by
// comparing a canvas with Printer().Canvas() by identity.
#include <cstdint>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace vexa {

class TPrinter {
 public:
  // An A4 page at 300 dots per inch unless a test sets another.
  TPrinter();
  TCanvas& Canvas() { return page_.Canvas(); }
  const TBitmap& Page() const { return page_; }
  int32_t PageWidth() const { return page_.Width(); }
  int32_t PageHeight() const { return page_.Height(); }
  int32_t PixelsPerInchY() const { return page_.Canvas().PixelsPerInchY(); }
  // Resizes the page and sets the resolution; the page is cleared to white.
  void SetPage(int32_t width, int32_t height, int32_t pixels_per_inch);

 private:
  TBitmap page_;
};

TPrinter& Printer();

}  // namespace vexa
