#include "backend/win32/font_fallback.h"

namespace zarq::win32 {
namespace {

using Microsoft::WRL::ComPtr;

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

FontFallback::FontFallback(const std::wstring& mainFamily) : names_{mainFamily}, faces_(1) {
  ComPtr<IDWriteFactory> factory;
  if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                 reinterpret_cast<IUnknown**>(factory.GetAddressOf()))) ||
      FAILED(factory->GetSystemFontCollection(&collection_, FALSE))) {
    return;
  }
  main_ = regularFontOf(mainFamily);
  for (const wchar_t* name : kFallbackFamilies) {
    if (Font font = regularFontOf(name)) chain_.push_back({name, std::move(font)});
  }
}

FontFallback::Font FontFallback::regularFontOf(const std::wstring& family) const {
  Font font;
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

int FontFallback::indexOf(const Family& family) {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == family.name) return static_cast<int>(i);
  }
  names_.push_back(family.name);
  faces_.emplace_back();
  family.font->CreateFontFace(&faces_.back());
  return static_cast<int>(names_.size() - 1);
}

FontFallback::Family FontFallback::anyFamilyWith(char32_t c) const {
  const UINT32 count = collection_->GetFontFamilyCount();
  for (UINT32 i = 0; i < count; ++i) {
    ComPtr<IDWriteFontFamily> family;
    Font font;
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

GlyphRun FontFallback::glyphs(int family, TextView text) const {
  GlyphRun run;
  IDWriteFontFace* face = faces_[family].Get();
  std::vector<UINT32> codePoints;
  for (std::size_t at = 0; at < text.size(); at = nextCharacter(text, at)) {
    codePoints.push_back(codePointAt(text, at));
  }
  run.glyphs.resize(codePoints.size());
  std::vector<DWRITE_GLYPH_METRICS> metrics(codePoints.size());
  DWRITE_FONT_METRICS font{};
  if (!face || codePoints.empty() ||
      FAILED(face->GetGlyphIndices(codePoints.data(), static_cast<UINT32>(codePoints.size()),
                                   run.glyphs.data())) ||
      FAILED(face->GetDesignGlyphMetrics(run.glyphs.data(), static_cast<UINT32>(run.glyphs.size()),
                                         metrics.data(), FALSE))) {
    return {};
  }
  face->GetMetrics(&font);
  for (const DWRITE_GLYPH_METRICS& m : metrics) {
    run.advancesEm.push_back(static_cast<float>(m.advanceWidth) / font.designUnitsPerEm);
  }
  return run;
}

int FontFallback::familyFor(char32_t c) {
  // Without DirectWrite, or without the main family in its collection, nothing is known of
  // any family: everything stays in the main one, as it always did.
  if (!main_ || isBlankOrControl(c)) return 0;
  if (const auto known = chosen_.find(c); known != chosen_.end()) return known->second;
  int chosen = 0;
  if (has(main_.Get(), c)) return chosen_[c] = 0;
  for (const Family& family : chain_) {
    if (has(family.font.Get(), c)) {
      chosen = indexOf(family);
      break;
    }
  }
  if (chosen == 0) {
    const Family any = anyFamilyWith(c);
    if (any.font) chosen = indexOf(any);
  }
  chosen_[c] = chosen;
  return chosen;
}

}  // namespace zarq::win32
