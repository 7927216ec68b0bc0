#pragma once
// GDI+ draws a character its font lacks (an emoji in a song name) as an empty box: it never
// looks for another font. This finds, character by character, an installed family that has
// the glyph, as pango does on Linux: "Segoe UI Emoji", "Segoe UI Symbol", the Chinese
// interface families, and then any installed family. DirectWrite knows which characters a
// family has, and gives the glyphs they are drawn with.

// clang-format off
#include <windows.h>
#include <dwrite.h>
#include <wrl/client.h>
// clang-format on

#include <string>
#include <unordered_map>
#include <vector>

#include "common/text.h"

namespace zarq::win32 {

// The glyphs of a run of characters in one family, one per character, with their advances
// in em.
struct GlyphRun {
  std::vector<UINT16> glyphs;
  std::vector<float> advancesEm;
};

class FontFallback {
 public:
  // `mainFamily` is the family the editor draws in; it keeps every character it has.
  explicit FontFallback(const std::wstring& mainFamily);

  // The family that draws `c`: 0 for the main family, also when no installed family has the
  // character (it shows as the main family's box); otherwise an index into families().
  int familyFor(char32_t c);
  // The families found so far; the first is the main family.
  const std::vector<std::wstring>& families() const { return names_; }
  // The glyphs of `text` in family `family` (found by familyFor).
  GlyphRun glyphs(int family, TextView text) const;

 private:
  using Font = Microsoft::WRL::ComPtr<IDWriteFont>;
  struct Family {
    std::wstring name;  // as GDI+ knows it
    Font font;
  };
  Font regularFontOf(const std::wstring& family) const;
  // The index of `family`, added to the families found when it is new.
  int indexOf(const Family& family);
  // Any installed family with the character; no font when none has it.
  Family anyFamilyWith(char32_t c) const;

  Microsoft::WRL::ComPtr<IDWriteFontCollection> collection_;
  Font main_;
  // The named fallbacks that are installed, in the order they are tried.
  std::vector<Family> chain_;
  std::vector<std::wstring> names_;
  std::vector<Microsoft::WRL::ComPtr<IDWriteFontFace>> faces_;  // as names_
  std::unordered_map<char32_t, int> chosen_;
};

}  // namespace zarq::win32
