#pragma once
// The editor's one font family on Windows: its own family when installed, else the first
// installed of the usual Chinese interface families, else GDI+'s generic sans-serif, so a
// missing family never leaves the window without text. A character the family lacks is
// drawn in another installed family that has it (a face of the font other than the first).

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "backend/win32/font_fallback.h"
#include "backend/win32/gdiplus_object.h"
#include "common/text.h"

namespace zarq::win32 {

// Units [begin, end) of a text drawn in one face.
struct FaceRun {
  std::size_t begin = 0;
  std::size_t end = 0;
  int face = 0;
};

class GdiplusFont {
 public:
  // Picks the family; GDI+ must be running.
  GdiplusFont();
  ~GdiplusFont();

  // The family's name, or empty for the generic sans-serif.
  const std::wstring& familyName() const { return family_; }
  // A new family handle of face `face` (0: the chosen family), owned by `family`.
  void createFamily(GdipFontFamily& family, int face = 0) const;
  // A font of face `face` at `sizePx` pixels, regular style.
  void createFont(GdipFont& font, float sizePx, int face = 0) const;
  // How far the face's baseline lies below the top of a line, in em.
  float ascentEm(int face = 0) const;
  // The text cut where the face that has its characters changes; one run for a text the
  // chosen family draws whole, none for an empty text.
  std::vector<FaceRun> faceRuns(TextView text) const;
  // The glyphs of a run in a face other than the first. Those faces are drawn glyph by glyph:
  // GDI+ looks characters up one UTF-16 unit at a time in places (Wine), which would turn a
  // character beyond the first plane into two boxes.
  GlyphRun glyphs(int face, TextView run) const;

 private:
  struct Face {
    std::wstring family;  // empty: the chosen family
    float ascentEm = 1;
    bool opens = true;  // GDI+ can draw in it
  };
  float measureAscent(GdipFontFamily& family) const;
  // The face of a character; 0 when no other installed family has it.
  int faceOf(char32_t c) const;

  std::wstring family_;
  // The faces found so far, as the fallback numbers its families; 0 is the chosen family.
  // Found while text is measured or drawn: guarded, since the font is shared.
  mutable std::mutex mutex_;
  mutable std::vector<Face> faces_;
  std::unique_ptr<FontFallback> fallback_;
};

}  // namespace zarq::win32
