#include "backend/win32/gdiplus_font.h"

#include <algorithm>

namespace zarq::win32 {
namespace {

using Microsoft::WRL::ComPtr;

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

// Tried in this order before any other installed family.
constexpr const wchar_t* kFallbackFamilies[] = {
    L"Segoe UI Emoji",  L"Segoe UI Symbol", L"Microsoft YaHei UI",
    L"Microsoft YaHei", L"SimHei",          L"Noto Sans CJK SC",
};

bool has(IDWriteFont* font, char32_t c) {
  BOOL exists = FALSE;
  return font && SUCCEEDED(font->HasCharacter(c, &exists)) && exists;
}

// The first of a set of names of a font: the English one where there is one.
std::wstring firstName(IDWriteLocalizedStrings* names) {
  UINT32 index = 0;
  BOOL exists = FALSE;
  if (FAILED(names->FindLocaleName(L"en-us", &index, &exists)) || !exists) index = 0;
  UINT32 length = 0;
  if (FAILED(names->GetStringLength(index, &length))) return {};
  std::wstring name(length + 1, L'\0');
  if (FAILED(names->GetString(index, name.data(), length + 1))) return {};
  name.resize(length);
  return name;
}

// The name GDI+ knows the font's family by: its GDI family name, else its family's name.
std::wstring gdiFamilyName(IDWriteFontFamily* family, IDWriteFont* font) {
  ComPtr<IDWriteLocalizedStrings> names;
  BOOL exists = FALSE;
  if (SUCCEEDED(font->GetInformationalStrings(DWRITE_INFORMATIONAL_STRING_WIN32_FAMILY_NAMES,
                                              &names, &exists)) &&
      exists) {
    return firstName(names.Get());
  }
  if (FAILED(family->GetFamilyNames(&names))) return {};
  return firstName(names.Get());
}

bool isBlankOrControl(char32_t c) { return c <= 0x20 || (c >= 0x7F && c <= 0xA0); }

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
  faces_.push_back({family_.empty() ? nameOf(family) : family_, measureAscent(family), true, {}});
  ComPtr<IDWriteFactory> factory;
  if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                 reinterpret_cast<IUnknown**>(factory.GetAddressOf()))) ||
      FAILED(factory->GetSystemFontCollection(&collection_, FALSE))) {
    return;
  }
  main_ = regularFontOf(faces_[0].family);
  for (const wchar_t* name : kFallbackFamilies) {
    if (DWriteFont font = regularFontOf(name)) chain_.push_back({name, std::move(font)});
  }
}

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

GdiplusFont::DWriteFont GdiplusFont::regularFontOf(const std::wstring& family) const {
  DWriteFont font;
  UINT32 index = 0;
  BOOL exists = FALSE;
  ComPtr<IDWriteFontFamily> found;
  if (!collection_ || FAILED(collection_->FindFamilyName(family.c_str(), &index, &exists)) ||
      !exists || FAILED(collection_->GetFontFamily(index, &found))) {
    return font;
  }
  found->GetFirstMatchingFont(DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STRETCH_NORMAL,
                              DWRITE_FONT_STYLE_NORMAL, &font);
  return font;
}

GdiplusFont::Fallback GdiplusFont::anyFamilyWith(char32_t c) const {
  const UINT32 count = collection_->GetFontFamilyCount();
  for (UINT32 i = 0; i < count; ++i) {
    ComPtr<IDWriteFontFamily> family;
    DWriteFont font;
    if (FAILED(collection_->GetFontFamily(i, &family)) ||
        FAILED(family->GetFirstMatchingFont(DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STRETCH_NORMAL,
                                            DWRITE_FONT_STYLE_NORMAL, &font))) {
      continue;
    }
    if (!has(font.Get(), c)) continue;
    std::wstring name = gdiFamilyName(family.Get(), font.Get());
    if (!name.empty()) return {std::move(name), std::move(font)};
  }
  return {};
}

int GdiplusFont::faceFor(const Fallback& fallback) const {
  if (!fallback.font) return 0;
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    if (faces_[i].family == fallback.name) return static_cast<int>(i);
  }
  Face face{fallback.name, 1, false, {}};
  GdipFontFamily family;
  if (GdipCreateFontFamilyFromName(face.family.c_str(), nullptr, family.out()) == Gdiplus::Ok) {
    face.ascentEm = measureAscent(family);
    face.opens = true;
  }
  fallback.font->CreateFontFace(&face.glyphs);
  faces_.push_back(std::move(face));
  return static_cast<int>(faces_.size() - 1);
}

int GdiplusFont::faceOf(char32_t c) const {
  // Without DirectWrite, or without the chosen family in its collection, nothing is known of
  // any family: everything stays in the chosen one.
  if (!main_ || isBlankOrControl(c)) return 0;
  const std::lock_guard lock(mutex_);
  if (const auto known = chosen_.find(c); known != chosen_.end()) return known->second;
  int face = 0;
  if (!has(main_.Get(), c)) {
    const auto named = std::find_if(chain_.begin(), chain_.end(),
                                    [c](const Fallback& f) { return has(f.font.Get(), c); });
    face = faceFor(named != chain_.end() ? *named : anyFamilyWith(c));
  }
  // A family GDI+ cannot open draws nothing: its characters stay with the chosen family.
  return chosen_[c] = faces_[face].opens ? face : 0;
}

GlyphRun GdiplusFont::glyphs(int face, TextView text) const {
  GlyphRun run;
  const std::lock_guard lock(mutex_);
  IDWriteFontFace* glyphs = faces_[face].glyphs.Get();
  std::vector<UINT32> codePoints;
  for (std::size_t at = 0; at < text.size(); at = nextCharacter(text, at)) {
    codePoints.push_back(codePointAt(text, at));
  }
  run.glyphs.resize(codePoints.size());
  std::vector<DWRITE_GLYPH_METRICS> metrics(codePoints.size());
  DWRITE_FONT_METRICS font{};
  if (!glyphs || codePoints.empty() ||
      FAILED(glyphs->GetGlyphIndices(codePoints.data(), static_cast<UINT32>(codePoints.size()),
                                     run.glyphs.data())) ||
      FAILED(glyphs->GetDesignGlyphMetrics(
          run.glyphs.data(), static_cast<UINT32>(run.glyphs.size()), metrics.data(), FALSE))) {
    return {};
  }
  glyphs->GetMetrics(&font);
  for (const DWRITE_GLYPH_METRICS& m : metrics) {
    run.advancesEm.push_back(static_cast<float>(m.advanceWidth) / font.designUnitsPerEm);
  }
  return run;
}

}  // namespace zarq::win32
