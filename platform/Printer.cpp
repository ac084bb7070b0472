#include "platform/Printer.h"

namespace vexa {

namespace {
constexpr int32_t kA4WidthAt300 = 2480;
constexpr int32_t kA4HeightAt300 = 3508;
constexpr int32_t kPrinterPixelsPerInch = 300;
}  // namespace

TPrinter::TPrinter() { SetPage(kA4WidthAt300, kA4HeightAt300, kPrinterPixelsPerInch); }

void TPrinter::SetPage(int32_t width, int32_t height, int32_t pixels_per_inch) {
  page_.SetSize(width, height);
  page_.Fill(ColorToPixel(clWhite));
  page_.Canvas().SetPixelsPerInchY(pixels_per_inch);
  page_.Canvas().Font().SetPixelsPerInch(pixels_per_inch);
}

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace vexa
