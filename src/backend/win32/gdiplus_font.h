#pragma once
// The editor's one font family on Windows: its own family when installed, else the first
// installed of the usual Chinese interface families, else GDI+'s generic sans-serif, so a
// missing family never leaves the window without text.

#include <string>

#include "backend/win32/gdiplus_object.h"

namespace zarq::win32 {

class GdiplusFont {
 public:
  // Picks the family; GDI+ must be running.
  GdiplusFont();

  // The family's name, or empty for the generic sans-serif.
  const std::wstring& familyName() const { return family_; }
  // A new family handle of the chosen family, owned by `family`.
  void createFamily(GdipFontFamily& family) const;
  // A font of the family at `sizePx` pixels, regular style.
  void createFont(GdipFont& font, float sizePx) const;
  // How far the family's baseline lies below the top of a line, in em.
  float ascentEm() const { return ascentEm_; }

 private:
  std::wstring family_;
  float ascentEm_ = 1;
};

}  // namespace zarq::win32
