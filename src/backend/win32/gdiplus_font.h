#pragma once
// The editor's one font family on Windows: its own family when installed, else the first
// installed of the usual Chinese interface families, else GDI+'s generic sans-serif, so a
// missing family never leaves the window without text.
//
// GDI+ draws a character its font lacks (an emoji in a song name) as an empty box: it never
// looks for another font. Such a character is drawn in another installed family that has the
// glyph (a face of the font other than the first), found character by character as pango does
// on Linux: "Segoe UI Emoji", "Segoe UI Symbol", the Chinese interface families, and then any
// installed family. DirectWrite knows which characters a family has, and gives the glyphs
// they are drawn with.

// clang-format off
#include <windows.h>
#include <dwrite.h>
#include <wrl/client.h>
// clang-format on

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "backend/win32/gdiplus_object.h"
#include "common/text.h"
#include "platform/face_runs.h"

namespace zarq::win32 {

// The glyphs of a run of characters in one face, one per character, with their advances in
// em.
struct GlyphRun {
  std::vector<UINT16> glyphs;
  std::vector<float> advancesEm;
};

class GdiplusFont {
 public:
  // Picks the family; GDI+ must be running.
  GdiplusFont();

  // A new family handle of face `face` (0: the chosen family), owned by `family`.
  void createFamily(GdipFontFamily& family, int face = 0) const;
  // A font of face `face` at `sizePx` pixels, regular style.
  void createFont(GdipFont& font, float sizePx, int face = 0) const;
  // How far the face's baseline lies below the top of a line, in em.
  float ascentEm(int face = 0) const;
  // The text cut where the face that has its characters changes; one run for a text the
  // chosen family draws whole, none for an empty text.
  std::vector<FaceRun> faceRuns(TextView text) const {
    return zarq::faceRuns(text, [this](char32_t c) { return faceOf(c); });
  }
  // The glyphs of a run in a face other than the first. Those faces are drawn glyph by glyph:
  // GDI+ looks characters up one UTF-16 unit at a time in places (Wine), which would turn a
  // character beyond the first plane into two boxes.
  GlyphRun glyphs(int face, TextView run) const;

 private:
  using DWriteFont = Microsoft::WRL::ComPtr<IDWriteFont>;
  // An installed family that may draw what the chosen one lacks.
  struct Fallback {
    std::wstring name;  // as GDI+ knows it
    DWriteFont font;
  };
  struct Face {
    std::wstring family;  // as GDI+ knows it
    float ascentEm = 1;
    bool opens = true;                               // GDI+ can draw in it
    Microsoft::WRL::ComPtr<IDWriteFontFace> glyphs;  // none for the chosen family
  };
  float measureAscent(GdipFontFamily& family) const;
  DWriteFont regularFontOf(const std::wstring& family) const;
  // Any installed family with the character; no font when none has it.
  Fallback anyFamilyWith(char32_t c) const;
  // The face of `fallback`, added to the faces found when it is new; 0 for no font.
  int faceFor(const Fallback& fallback) const;
  // The face of a character; 0 when no other installed family has it, or GDI+ cannot open
  // the one that has.
  int faceOf(char32_t c) const;

  // The chosen family's name; empty for the generic sans-serif.
  std::wstring family_;
  Microsoft::WRL::ComPtr<IDWriteFontCollection> collection_;
  DWriteFont main_;
  // The named fallbacks that are installed, in the order they are tried.
  std::vector<Fallback> chain_;
  // The faces found so far; 0 is the chosen family. Found while text is measured or drawn:
  // guarded, since the font is shared.
  mutable std::mutex mutex_;
  mutable std::vector<Face> faces_;
  mutable std::unordered_map<char32_t, int> chosen_;
};

}  // namespace zarq::win32
