#include "form/form_layout.h"

namespace zarq {

FormLayout measureLayout(TextMetrics& metrics) {
  const auto tight = [&](TextView sample) { return metrics.measureTextTight(sample, 24); };
  FormLayout l;
  l.Ls = tight(u"Sigma (Haocore Mix)  ~ Regrets of The Yellow  ");
  l.durationWidth = tight(u"200.0秒");
  l.pauseCaptionWidth = tight(u"暂停后方阴影");
  l.scoreWidth = tight(u"0000000");
  l.Lm = tight(u"You are the Miserable(New ");
  l.Lg = tight(u"你获得了");
  l.Lc = tight(u"255");
  return l;
}

float Coord::at(const FormLayout& l) const {
  switch (width) {
    case Measured::None:
      return base;
    case Measured::Lw:
      return base + times * l.Lw();
    case Measured::Lo:
      return base + times * l.Lo();
    case Measured::Lk:
      return base + times * l.Lk();
    case Measured::durationWidth:
      return base + times * l.durationWidth;
    case Measured::pauseCaptionWidth:
      return base + times * l.pauseCaptionWidth;
    case Measured::scoreWidth:
      return base + times * l.scoreWidth;
    case Measured::Lg:
      return base + times * l.Lg;
    case Measured::Lm:
      return base + times * l.Lm;
  }
  return base;
}

}  // namespace zarq
