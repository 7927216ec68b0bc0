#include "app/win32/key_strokes.h"

namespace zarq::win32 {
namespace {

struct NamedKey {
  WORD virtualKey;
  char32_t name;
};

constexpr NamedKey kNamedKeys[] = {
    {VK_BACK, key_name::kBackspace},
    {VK_TAB, key_name::kTab},
    {VK_RETURN, key_name::kEnter},
    {VK_ESCAPE, key_name::kEscape},
    {VK_SPACE, key_name::kSpace},
    {VK_OEM_PLUS, key_name::kPlus},
    {VK_OEM_MINUS, key_name::kMinus},
    {VK_LEFT, key_name::kLeft},
    {VK_RIGHT, key_name::kRight},
    {VK_HOME, key_name::kHome},
    {VK_END, key_name::kEnd},
    {VK_DELETE, key_name::kDelete},
    {VK_UP, key_name::kUp},
    {VK_DOWN, key_name::kDown},
    {VK_PRIOR, key_name::kPageUp},
    {VK_NEXT, key_name::kPageDown},
    {VK_F1, key_name::kF1},
    {VK_F10, key_name::kF10},
    {VK_APPS, key_name::kMenu},
    {VK_ADD, key_name::kKeypadPlus},
    {VK_SUBTRACT, key_name::kKeypadMinus},
};

// Letters and digits are their own virtual keys.
bool isLetterOrDigit(WPARAM key) {
  return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

}  // namespace

char32_t keyNameOf(WPARAM virtualKey) {
  for (const NamedKey& k : kNamedKeys) {
    if (k.virtualKey == virtualKey) return k.name;
  }
  return isLetterOrDigit(virtualKey) ? static_cast<char32_t>(virtualKey) : 0;
}

WORD virtualKeyOf(char32_t name) {
  for (const NamedKey& k : kNamedKeys) {
    if (k.name == name) return k.virtualKey;
  }
  return isLetterOrDigit(name) ? static_cast<WORD>(name) : 0;
}

}  // namespace zarq::win32
