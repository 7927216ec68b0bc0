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

#include <optional>
#include <string>
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

  // A font of face `face` (0: the chosen family) at `sizePx` pixels, regular style.
  void createFont(GdipFont& font, float sizePx, int face = 0) const;
  // How far the face's baseline lies below the top of a line, in em.
  float ascentEm(int face = 0) const { return faces_.face(face).ascentEm; }
  // The text cut where the face that has its characters changes; one run for a text the
  // chosen family draws whole, none for an empty text.
  std::vector<FaceRun> faceRuns(TextView text) const;
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
    bool operator==(const Fallback& other) const { return name == other.name; }
  };
  struct Face {
    std::wstring family;  // as GDI+ knows it; empty for the chosen family
    float ascentEm = 1;
    Microsoft::WRL::ComPtr<IDWriteFontFace> glyphs;  // none for the chosen family
  };
  // The face of `fallback`; none when GDI+ cannot draw in it.
  std::optional<Face> open(const Fallback& fallback) const;
  DWriteFont regularFontOf(const std::wstring& family) const;
  // The family that draws a character the chosen one lacks: the first of the named fallbacks
  // that has it, else any installed family with it.
  std::optional<Fallback> familyFor(char32_t c) const;

  // The chosen family's name; empty for the generic sans-serif.
  std::wstring family_;
  Microsoft::WRL::ComPtr<IDWriteFontCollection> collection_;
  DWriteFont main_;
  // The named fallbacks that are installed, in the order they are tried.
  std::vector<Fallback> chain_;
  // Found while text is measured or drawn.
  mutable FaceChooser<Fallback, Face> faces_;
};

}  // namespace zarq::win32
