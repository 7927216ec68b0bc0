#pragma once
// The US keyboard, as a reference for where a key is: what a US layout gives at each
// hardware key code of the display (the keymap of the XKB database).

#include <gdk/gdk.h>

struct xkb_context;
struct xkb_keymap;

namespace zarq::gtk {

class UsKeyboard {
 public:
  UsKeyboard();
  ~UsKeyboard();
  UsKeyboard(const UsKeyboard&) = delete;
  UsKeyboard& operator=(const UsKeyboard&) = delete;

  // The unshifted keyval of the key with this hardware code on a US keyboard; 0 when the
  // code has none or the keymap could not be loaded.
  guint keyvalAt(guint hardwareKeycode) const;

 private:
  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
};

// The one US keyboard of the process, loaded when first asked for.
const UsKeyboard& usKeyboard();

}  // namespace zarq::gtk
