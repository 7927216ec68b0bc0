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
  UINT16 ascent = 0, em = 0;
  family.track(GdipGetCellAscent(family.get(), Gdiplus::FontStyleRegular, &ascent));
  family.track(GdipGetEmHeight(family.get(), Gdiplus::FontStyleRegular, &em));
  if (ascent > 0 && em > 0) ascentEm_ = static_cast<float>(ascent) / em;
}

void GdiplusFont::createFamily(GdipFontFamily& family) const {
  if (family_.empty()) {
    family.track(GdipGetGenericFontFamilySansSerif(family.out()));
  } else {
    family.track(GdipCreateFontFamilyFromName(family_.c_str(), nullptr, family.out()));
  }
}

void GdiplusFont::createFont(GdipFont& font, float sizePx) const {
  GdipFontFamily family;
  createFamily(family);
  font.track(GdipCreateFont(family.get(), sizePx, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel,
                            font.out()));
}

}  // namespace zarq::win32
