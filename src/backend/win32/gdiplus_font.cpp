#include "backend/win32/gdiplus_font.h"

namespace zarq::win32 {
namespace {

constexpr const wchar_t* kFamilies[] = {
    L"Source Han Sans & Saira Hybrid",
    L"Microsoft YaHei UI",
    L"Microsoft YaHei",
    L"SimHei",
    L"Noto Sans CJK SC",
};

// The name GDI+ gives a family.
std::wstring nameOf(GdipFontFamily& family) {
  wchar_t name[LF_FACESIZE] = {};
  GdipGetFamilyName(family.get(), name, LANG_NEUTRAL);
  return name;
}

}  // namespace

GdiplusFont::GdiplusFont() {
  for (const wchar_t* name : kFamilies) {
    GdipFontFamily probe;
    // A family that is not installed fails with FontFamilyNotFound.
    if (GdipCreateFontFamilyFromName(name, nullptr, probe.out()) == Gdiplus::Ok) {
      family_ = name;
      break;
    }
  }
  GdipFontFamily family;
  createFamily(family);
  faces_.push_back({L"", measureAscent(family)});
  fallback_ = std::make_unique<FontFallback>(family_.empty() ? nameOf(family) : family_);
}

GdiplusFont::~GdiplusFont() = default;

float GdiplusFont::measureAscent(GdipFontFamily& family) const {
  UINT16 ascent = 0, em = 0;
  GdipGetCellAscent(family.get(), Gdiplus::FontStyleRegular, &ascent);
  GdipGetEmHeight(family.get(), Gdiplus::FontStyleRegular, &em);
  return ascent > 0 && em > 0 ? static_cast<float>(ascent) / em : 1.f;
}

void GdiplusFont::createFamily(GdipFontFamily& family, int face) const {
  std::wstring name = family_;
  if (face > 0) {
    const std::lock_guard lock(mutex_);
    if (!faces_[face].family.empty()) name = faces_[face].family;
  }
  if (name.empty()) {
    GdipGetGenericFontFamilySansSerif(family.out());
  } else {
    GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.out());
  }
}

void GdiplusFont::createFont(GdipFont& font, float sizePx, int face) const {
  GdipFontFamily family;
  createFamily(family, face);
  GdipCreateFont(family.get(), sizePx, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, font.out());
}

float GdiplusFont::ascentEm(int face) const {
  const std::lock_guard lock(mutex_);
  return faces_[face].ascentEm;
}

int GdiplusFont::faceOf(char32_t c) const {
  const std::lock_guard lock(mutex_);
  const int index = fallback_->familyFor(c);
  const std::vector<std::wstring>& families = fallback_->families();
  while (faces_.size() < families.size()) {
    const std::wstring& name = families[faces_.size()];
    GdipFontFamily family;
    if (GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.out()) == Gdiplus::Ok) {
      faces_.push_back({name, measureAscent(family)});
    } else {
      faces_.push_back({name, 1, false});
    }
  }
  // A family GDI+ cannot open draws nothing: its characters stay with the chosen family.
  return faces_[index].opens ? index : 0;
}

GlyphRun GdiplusFont::glyphs(int face, TextView run) const {
  const std::lock_guard lock(mutex_);
  return fallback_->glyphs(face, run);
}

std::vector<FaceRun> GdiplusFont::faceRuns(TextView text) const {
  std::vector<FaceRun> runs;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t begin = at;
    const int face = faceOf(codePointAt(text, at));
    at = nextCharacter(text, at);
    if (!runs.empty() && runs.back().face == face) {
      runs.back().end = at;
    } else {
      runs.push_back({begin, at, face});
    }
  }
  return runs;
}

}  // namespace zarq::win32
