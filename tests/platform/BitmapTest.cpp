#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/Exceptions.h"

namespace vexa {
namespace {

TEST(Bitmap, ResizeKeepsPixelsAndFillsNewOnesWhite) {
  TBitmap bmp(2, 2);
  bmp.SetPixelAt(1, 1, 0x123456);
  bmp.SetSize(3, 3);
  EXPECT_EQ(bmp.PixelAt(1, 1), 0x123456u);
  EXPECT_EQ(bmp.PixelAt(2, 2), 0xFFFFFFu);
  EXPECT_EQ(bmp.PixelAt(5, 5), 0u);
}

TEST(Bitmap, SizeBeyondTheLimitRaisesAndKeepsTheBitmap) {
  TBitmap bmp(4, 4);
  EXPECT_THROW(bmp.SetSize(kMaxBitmapDimension + 1, 1), EInvalidGraphic);
  EXPECT_THROW(bmp.SetSize(20000, 20000), EInvalidGraphic);
  EXPECT_EQ(bmp.Width(), 4);
  EXPECT_EQ(bmp.Height(), 4);
}

}  // namespace
}  // namespace vexa
