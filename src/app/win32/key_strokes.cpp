#include "app/win32/key_strokes.h"

namespace zarq::win32 {
namespace {

struct CaretKey {
  WPARAM virtualKey;
  Key key;
};

constexpr CaretKey kCaretKeys[] = {
    {VK_LEFT, Key::Left}, {VK_RIGHT, Key::Right},   {VK_HOME, Key::Home},
    {VK_END, Key::End},   {VK_DELETE, Key::Delete},
};

}  // namespace

KeyStroke keyStrokeOf(WPARAM virtualKey, bool shift, bool ctrl) {
  for (const CaretKey& k : kCaretKeys) {
    if (k.virtualKey == virtualKey) return {k.key, shift, ctrl};
  }
  return {};
}

}  // namespace zarq::win32
