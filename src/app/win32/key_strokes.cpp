#include "app/win32/key_strokes.h"

namespace zarq::win32 {
namespace {

struct ActingKey {
  WPARAM virtualKey;
  Key key;
};

constexpr ActingKey kActingKeys[] = {
    {VK_LEFT, Key::Left},   {VK_RIGHT, Key::Right},   {VK_HOME, Key::Home},
    {VK_END, Key::End},     {VK_DELETE, Key::Delete}, {VK_UP, Key::Up},
    {VK_DOWN, Key::Down},   {VK_PRIOR, Key::PageUp},  {VK_NEXT, Key::PageDown},
    {VK_SPACE, Key::Space}, {VK_RETURN, Key::Enter},  {VK_F1, Key::F1},
    {VK_F10, Key::F10},     {VK_APPS, Key::Menu},
};

}  // namespace

KeyStroke keyStrokeOf(WPARAM virtualKey, bool shift, bool ctrl) {
  for (const ActingKey& k : kActingKeys) {
    if (k.virtualKey == virtualKey) return {k.key, shift, ctrl};
  }
  return {};
}

}  // namespace zarq::win32
