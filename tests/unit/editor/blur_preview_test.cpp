#include <gtest/gtest.h>

#include "image/background_preview.h"
#include "input_fixture.h"
#include "support/image_files.h"

namespace zarq {
namespace {

// A chart illustration with hard edges, so that every blur strength looks different.
class BlurPreviewTest : public testing::InputTest {
 protected:
  void SetUp() override {
    testing::writeImage(
        dir / "20220924.PNG",
        testing::makeImage(
            96, 72, [](int x, int y) { return ((x / 8 + y / 8) % 2) ? 0xFFFFFFFFu : 0xFF000000u; }),
        testing::ImageFormat::Png);
    build();
  }
  // The preview of the illustration at `blur`.
  Image previewAt(int blur) {
    return buildBackgroundPreview(form->platform.images, dir / "20220924.PNG", blur);
  }
  bool previewIs(const Image& expected) const {
    return std::equal(expected.pixelBuffer(), expected.pixelBuffer() + kFrameWidth * kFrameHeight,
                      form->previewBitmap.pixelBuffer());
  }
};

TEST_F(BlurPreviewTest, LeavingTheBlurFieldOrReleasingItsSliderRebuildsThePreview) {
  const Image at80 = previewAt(80), at30 = previewAt(30), at0 = previewAt(0);
  ASSERT_TRUE(previewIs(at80));
  ASSERT_FALSE(previewIs(at30));

  edit(slot::backgroundBlur, u"3", 1);
  type(u"0");
  EXPECT_TRUE(previewIs(at80));  // typing alone leaves the picture
  type(u"\t");
  EXPECT_TRUE(previewIs(at30));

  const Slider& blur = form->sliders[sliderId::blur];
  press(blur.x, blur.y);
  move(0, blur.y);
  EXPECT_TRUE(previewIs(at30));  // nor does dragging
  release(0, blur.y);
  EXPECT_TRUE(previewIs(at0));

  edit(slot::backgroundBlur, u"", 0);
  type(u"30");
  click(20, 20);
  EXPECT_TRUE(previewIs(at30));
}

}  // namespace
}  // namespace zarq
