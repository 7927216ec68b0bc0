#include "backend/win32/gdiplus_font.h"

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

// A new family handle of `name`; GDI+'s generic sans-serif for no name.
void createFamily(GdipFontFamily& family, const std::wstring& name) {
  if (name.empty()) {
    GdipGetGenericFontFamilySansSerif(family.out());
  } else {
    GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.out());
  }
}

// The name GDI+ knows `family` by; the generic sans-serif's for no family.
std::wstring nameOf(const std::wstring& family) {
  if (!family.empty()) return family;
  GdipFontFamily generic;
  createFamily(generic, family);
  wchar_t name[LF_FACESIZE] = {};
  GdipGetFamilyName(generic.get(), name, LANG_NEUTRAL);
  return name;
}

// How far the baseline of `name` lies below the top of a line, in em; none when GDI+ cannot
// open the family.
std::optional<float> ascentEmOf(const std::wstring& name) {
  GdipFontFamily family;
  createFamily(family, name);
  if (!family) return std::nullopt;
  UINT16 ascent = 0, em = 0;
  GdipGetCellAscent(family.get(), Gdiplus::FontStyleRegular, &ascent);
  GdipGetEmHeight(family.get(), Gdiplus::FontStyleRegular, &em);
  return ascent > 0 && em > 0 ? static_cast<float>(ascent) / em : 1.f;
}

// The first of the families that is installed; none for the generic sans-serif.
std::wstring installedFamily() {
  for (const wchar_t* name : kFamilies) {
    GdipFontFamily probe;
    // A family that is not installed fails with FontFamilyNotFound.
    if (GdipCreateFontFamilyFromName(name, nullptr, probe.out()) == Gdiplus::Ok) return name;
  }
  return {};
}

}  // namespace

GdiplusFont::GdiplusFont()
    : family_(installedFamily()),
      faces_({nameOf(family_), {}}, {{}, ascentEmOf(family_).value_or(1), {}}) {
  ComPtr<IDWriteFactory> factory;
  if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                 reinterpret_cast<IUnknown**>(factory.GetAddressOf()))) ||
      FAILED(factory->GetSystemFontCollection(&collection_, FALSE))) {
    return;
  }
  main_ = regularFontOf(nameOf(family_));
  for (const wchar_t* name : kFallbackFamilies) {
    if (DWriteFont font = regularFontOf(name)) chain_.push_back({name, std::move(font)});
  }
}

void GdiplusFont::createFont(GdipFont& font, float sizePx, int face) const {
  GdipFontFamily family;
  createFamily(family, face > 0 ? faces_.face(face).family : family_);
  GdipCreateFont(family.get(), sizePx, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, font.out());
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

std::optional<GdiplusFont::Fallback> GdiplusFont::familyFor(char32_t c) const {
  // Without DirectWrite, or without the chosen family in its collection, nothing is known of
  // any family: everything stays in the chosen one.
  if (!main_ || has(main_.Get(), c)) return std::nullopt;
  for (const Fallback& fallback : chain_) {
    if (has(fallback.font.Get(), c)) return fallback;
  }
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
    if (!name.empty()) return Fallback{std::move(name), std::move(font)};
  }
  return std::nullopt;
}

std::optional<GdiplusFont::Face> GdiplusFont::open(const Fallback& fallback) const {
  // A family GDI+ cannot open draws nothing.
  const std::optional<float> ascentEm = ascentEmOf(fallback.name);
  if (!ascentEm) return std::nullopt;
  Face face{fallback.name, *ascentEm, {}};
  fallback.font->CreateFontFace(&face.glyphs);
  return face;
}

std::vector<FaceRun> GdiplusFont::faceRuns(TextView text) const {
  return zarq::faceRuns(text, [this](char32_t c) {
    return faces_.faceOf(
        c, [this](char32_t lacked) { return familyFor(lacked); },
        [this](const Fallback& fallback) { return open(fallback); });
  });
}

GlyphRun GdiplusFont::glyphs(int face, TextView text) const {
  GlyphRun run;
  const ComPtr<IDWriteFontFace> glyphs = faces_.face(face).glyphs;
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
