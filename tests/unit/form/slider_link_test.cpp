#include "form/slider_link.h"

#include <gtest/gtest.h>

#include <limits>

#include "widgets/slider.h"

namespace zarq {
namespace {

// A preset may hold any float for a slider: its field shows that number, never another.
TEST(SliderLink, TheFieldShowsTheSlidersNumberWhateverThePresetHeld) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    bool integerOnly;
    float value;
    const char16_t* text;
  } cases[] = {
      {false, 0.8f, u"0.8"},
      {false, 0.25f, u"0.3"},
      {false, -0.04f, u"0.0"},
      {false, 3e38f, u"300000000549775575777803994281145270272.0"},
      {false, -3e38f, u"-300000000549775575777803994281145270272.0"},
      {true, 150.f, u"150"},
      {true, 1e30f, u"1000000015047466219876688855040"},
      {true, -0.4f, u"0"},
      {false, nan, u"nan"},
  };
  for (const auto& c : cases) {
    Slider slider;
    slider.integerOnly = c.integerOnly;
    slider.setValue(c.value);
    EXPECT_EQ(sliderValueText(slider), c.text) << c.value;
  }
}

}  // namespace
}  // namespace zarq
