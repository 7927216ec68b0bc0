#include "app/win32/key_strokes.h"

#include <gtest/gtest.h>

namespace zarq::win32 {
namespace {

TEST(KeyStrokesTest, TheKeysThatActWhenReleasedCarryShiftAndCtrl) {
  const struct {
    WPARAM virtualKey;
    bool shift, ctrl;
    KeyStroke stroke;
  } cases[] = {
      {VK_LEFT, false, false, Key::Left},
      {VK_RIGHT, false, false, Key::Right},
      {VK_HOME, false, false, Key::Home},
      {VK_END, false, false, Key::End},
      {VK_DELETE, false, false, Key::Delete},
      {VK_LEFT, true, false, {Key::Left, true, false}},
      {VK_RIGHT, false, true, {Key::Right, false, true}},
      {VK_HOME, true, true, {Key::Home, true, true}},
      {VK_UP, false, false, Key::Up},
      {VK_DOWN, false, false, Key::Down},
      {VK_PRIOR, false, false, Key::PageUp},
      {VK_NEXT, false, false, Key::PageDown},
      {VK_SPACE, false, false, Key::Space},
      {VK_RETURN, false, false, Key::Enter},
      {VK_F1, false, false, Key::F1},
      {VK_F10, true, false, {Key::F10, true, false}},
      {VK_APPS, false, false, Key::Menu},
      {VK_BACK, false, false, Key::Other},
      {VK_TAB, true, false, Key::Other},
      {VK_NUMPAD4, false, false, Key::Other},
      {'A', false, true, Key::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyStrokeOf(c.virtualKey, c.shift, c.ctrl), c.stroke) << c.virtualKey;
  }
}

}  // namespace
}  // namespace zarq::win32
