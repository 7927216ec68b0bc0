#include "form/render_frame.h"

#include <gtest/gtest.h>

#include <limits>

#include "editor/pages.h"
#include "form/preview.h"
#include "form/slot_text.h"
#include "support/form_fixture.h"
#include "support/image_files.h"

namespace zarq {
namespace {

constexpr std::uint32_t kGrey = 0xFF808080;

class RenderFrameTest : public testing::FormTest {
 protected:
  // A mid-grey illustration, undimmed, so that dark and light marks both show.
  void greyBackground() {
    testing::writeImage(dir / "20220924.PNG",
                        testing::makeImage(800, 600, [](int, int) { return kGrey; }),
                        testing::ImageFormat::Png);
    // As the watch on the folder tells the form.
    previewFileMayHaveChanged(*form);
    setSlotText(*form, slot::chartId, u"20220924");
    setSlotText(*form, slot::illustrationExt, u"PNG");
    waitForPreview(*form);
    form->sliders[sliderId::dim].setValue(0);
  }
  std::uint32_t render(int x, int y) {
    renderFrame(*form);
    return platform.headless.frame.pixel(x, y);
  }
  int green(std::uint32_t pixel) { return (pixel >> 8) & 0xFF; }
  // Light pixels in a rectangle of the last frame.
  int lightPixels(int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) count += green(platform.headless.frame.pixel(x, y)) > 160;
    }
    return count;
  }
};

TEST_F(RenderFrameTest, DimDarkensTheIllustrationAndHidesItAbove255) {
  greyBackground();
  const struct {
    float dim;
    int expectedGreen;
  } cases[] = {{0, 128}, {128, 64}, {255, 0},    {256, 0},
               {300, 0}, {-5, 128}, {-300, 128}, {std::numeric_limits<float>::quiet_NaN(), 128}};
  for (const auto& c : cases) {
    form->sliders[sliderId::dim].setValue(c.dim);
    EXPECT_NEAR(green(render(5, 5)), c.expectedGreen, 1) << c.dim;
  }
}

// A preset may give a slider any float, NaN too: it is drawn at its track's start, and the
// controls drawn after it are drawn all the same.
TEST_F(RenderFrameTest, ASliderAtNaNLeavesTheRestOfThePageDrawn) {
  Slider& result = form->sliders[sliderId::resultVolume];
  const auto below = [&] {
    return lightPixels(
        static_cast<int>(result.x - result.width / 2) - 30, static_cast<int>(result.y) - 6,
        static_cast<int>(result.x + result.width / 2) + 30, static_cast<int>(result.y) + 6);
  };
  renderFrame(*form);
  const int drawn = below();
  ASSERT_GT(drawn, 0);
  form->sliders[sliderId::musicVolume].setValue(std::numeric_limits<float>::quiet_NaN());
  renderFrame(*form);
  EXPECT_EQ(below(), drawn);
}

TEST_F(RenderFrameTest, ChartPageDrawsTheScreenFrameAndThePauseButton) {
  showPage(*form, 3);
  greyBackground();
  field(slot::chartSongName).setText(u"");
  field(slot::chartSongName).fitText(form->metrics, true);
  render(0, 0);
  EXPECT_EQ(platform.headless.frame.pixel(172, 340), 0xFFFFFFFF);  // left edge of the frame
  EXPECT_EQ(platform.headless.frame.pixel(472, 140), 0xFFFFFFFF);  // top edge
  EXPECT_EQ(platform.headless.frame.pixel(192, 165), 0xFFFFFFFF);  // first pause bar
  EXPECT_EQ(platform.headless.frame.pixel(201, 165), 0xFFFFFFFF);  // second pause bar
  EXPECT_EQ(platform.headless.frame.pixel(195, 165), kGrey);       // no shadow
  EXPECT_EQ(platform.headless.frame.pixel(193, 515), kGrey);       // no name bar

  form->checkBoxes[box::pauseShadow].setChecked(true);
  form->checkBoxes[box::nameBar].setChecked(true);
  render(0, 0);
  // The shadow lies 2 pixels right of and 1 below each bar, under it.
  EXPECT_LT(green(platform.headless.frame.pixel(195, 165)), 75);
  EXPECT_LT(green(platform.headless.frame.pixel(204, 165)), 75);
  EXPECT_LT(green(platform.headless.frame.pixel(193, 173)), 110);
  EXPECT_EQ(platform.headless.frame.pixel(192, 165), 0xFFFFFFFF);
  EXPECT_EQ(platform.headless.frame.pixel(193, 515), 0xFFFFFFFF);
}

TEST_F(RenderFrameTest, ScoreSumSignsOnlyOnTheResultPageWithScoreIncrease) {
  const struct {
    int page;
    bool scoreIncrease;
    bool signs;
  } cases[] = {{4, false, false}, {4, true, true}, {3, true, false}, {6, true, false}};
  for (const auto& c : cases) {
    form->checkBoxes[box::scoreIncrease].setChecked(c.scoreIncrease);
    showPage(*form, c.page);
    render(0, 0);
    EXPECT_EQ(lightPixels(379, 338, 394, 362) > 0, c.signs) << c.page << c.scoreIncrease;  // "+"
    EXPECT_EQ(lightPixels(525, 338, 540, 362) > 0, c.signs) << c.page << c.scoreIncrease;  // "="
  }
}

TEST_F(RenderFrameTest, ArrowsAreDrawnOnEveryPage) {
  for (int page = 1; page <= 6; ++page) {
    showPage(*form, page);
    render(0, 0);
    EXPECT_GT(lightPixels(75, 320, 96, 360), 10) << page;
    EXPECT_GT(lightPixels(849, 320, 870, 360), 10) << page;
  }
}

TEST_F(RenderFrameTest, BubblesLieAboveFields) {
  showPage(*form, 2);
  form->bubbles[5] = StatusBubble{};
  form->bubbles[5].x = 230;
  form->bubbles[5].y = 128;
  form->bubbles[5].size = 20;
  form->bubbles[5].status = u"错误：曲名不能为空！";
  form->bubbles[5].isError = true;
  form->bubbles[5].visible = true;
  render(0, 0);
  // The translucent white box covers the song name's first letters.
  const std::uint32_t inside = platform.headless.frame.pixel(232, 131);
  EXPECT_GT(green(inside), 100);
  EXPECT_LT(green(inside), 255);
}

// Under high contrast the page lies on the theme's background, without the picture, and
// every caption is in the theme's foreground; a disabled one in a colour of its own.
TEST_F(RenderFrameTest, HighContrastDrawsTheThemesColoursWithoutThePicture) {
  greyBackground();
  constexpr Argb kYellow = 0xFFFFFF00, kNavy = 0xFF000080, kGreen = 0xFF00FF00;
  platform.host.themePalette = {true, kYellow, kNavy, kGreen};
  FieldLabel* enabled = nullptr;
  FieldLabel* disabled = nullptr;
  for (FieldLabel& label : form->labels) {
    if (!label.shown() || label.caption.empty()) continue;
    (enabled ? disabled : enabled) = &label;
    if (disabled) break;
  }
  ASSERT_TRUE(enabled && disabled);
  disabled->setEnabled(false);
  render(0, 0);
  const auto count = [&](const FieldLabel& label, Argb colour) {
    int n = 0;
    const float w = form->metrics.measureText(label.caption, label.size);
    const int left = static_cast<int>(label.anchor == Align::Far      ? label.x - 1.2f * w
                                      : label.anchor == Align::Centre ? label.x - 0.6f * w
                                                                      : label.x);
    for (int y = static_cast<int>(label.y); y < label.y + label.size; ++y) {
      for (int x = std::max(0, left); x < std::min(kFrameWidth, left + static_cast<int>(w)); ++x) {
        n += platform.headless.frame.pixel(x, y) == colour;
      }
    }
    return n;
  };
  EXPECT_EQ(platform.headless.frame.pixel(5, 5), kNavy);
  EXPECT_GT(count(*enabled, kYellow), 0);
  EXPECT_EQ(count(*enabled, kGreen), 0);
  EXPECT_GT(count(*disabled, kGreen), 0);
  EXPECT_EQ(count(*disabled, kYellow), 0);
  int picture = 0;
  for (int y = 0; y < kFrameHeight; y += 4) {
    for (int x = 0; x < kFrameWidth; x += 4)
      picture += platform.headless.frame.pixel(x, y) == kGrey;
  }
  EXPECT_EQ(picture, 0);

  // A bubble is a box of the background, outlined and written in the foreground, hiding
  // what lies under it: every pixel in it is one of the two or a blend of them.
  StatusBubble& bubble = form->bubbles[5];
  bubble = StatusBubble{};
  bubble.x = enabled->x;
  bubble.y = enabled->y;
  bubble.size = 20;
  bubble.status = u"错误：曲名不能为空！";
  bubble.isError = true;
  bubble.visible = true;
  render(0, 0);
  const int left = static_cast<int>(bubble.boxLeft(form->metrics));
  const int width = static_cast<int>(bubble.boxWidth(form->metrics));
  int written = 0;
  for (int y = static_cast<int>(bubble.y) + 1; y < bubble.y + bubble.size + 9; ++y) {
    for (int x = left + 1; x < left + width - 1; ++x) {
      const Argb p = platform.headless.frame.pixel(x, y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      ASSERT_NEAR(r, g, 2) << x << "," << y;
      ASSERT_NEAR(b, 128 - r * 128 / 255, 3) << x << "," << y;
      written += p == kYellow;
    }
  }
  EXPECT_GT(written, 0);
}

}  // namespace
}  // namespace zarq
