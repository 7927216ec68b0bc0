// Page 5: judge line, scales, mirror, hold tempo, storyboard, UI scales and colours.
// Captions end at x 325 (left column) or 672 (right column).

#include "form/form_builder.h"

namespace zarq {

void buildOtherPage(SettingsForm& form) {
  const float lo = form.layout.Lo();
  const float lk = form.layout.Lk();
  placeLabel(form, label::titleOther, u"其它设置", 472, 50, 40, Align::Centre);

  struct Row {
    int slot, labelIndex;
    const char16_t* caption;
    float y;
    const char16_t* value;
  };
  const Row rows[] = {
      {slot::judgeLineThickness, label::judgeLineThickness, u"判定线厚度", 130, u"1.25"},
      {slot::judgeLineLength, label::judgeLineLength, u"判定线长度", 181, u"4000"},
      {slot::scaleX, label::scaleX, u"X轴缩放", 232, u"1.0"},
      {slot::scaleY, label::scaleY, u"Y轴缩放", 283, u"1.0"},
      {slot::holdBpm, label::holdBpm, u"长条BPM", 385, u"0"},
  };
  for (const Row& row : rows) {
    placeField(form, row.slot, 330, row.y, lo, 30, row.value, Align::Near, kNumeric);
    placeLabel(form, row.labelIndex, row.caption, 325, row.y + 3, 24, Align::Far);
  }

  form.optionPairs[pair::mirror].init(form.metrics, 330, 334, 30, u"X", u"Y", false, false, 10);
  placeLabel(form, label::mirror, u"谱面镜像", 325, 337, 24, Align::Far);
  form.optionPairs[pair::storyboardScaleRef].init(form.metrics, 330, 436, 30, u"X", u"Y", true,
                                                  true, 10);
  placeLabel(form, label::storyboardScaleRef, u"故事版缩放参考", 325, 439, 24, Align::Far);
  placeCheckBox(form, box::textExpression, 692, 451, 24, false);
  placeLabel(form, label::textExpression, u"文本表达式", 672, 439, 24, Align::Far);

  placeField(form, slot::pauseUiScale, 330, 487, 2 * lk, 30, u"1.0", Align::Near, kNumeric);
  placeLabel(form, label::pauseUiScale, u"暂停UI缩放", 325, 490, 24, Align::Far);
  placeField(form, slot::nameBarUiScale, 677, 487, 2 * lk, 30, u"1.0", Align::Near, kNumeric);
  placeLabel(form, label::nameBarUiScale, u"曲名竖条UI缩放", 672, 490, 24, Align::Far);

  // Red, green and blue side by side.
  const struct {
    int firstSlot, labelIndex;
    const char16_t* caption;
    float y;
    const char16_t* rgb[3];
  } colours[] = {
      {slot::judgeLineColorR, label::judgeLineColor, u"判定线颜色", 538, {u"255", u"255", u"180"}},
      {slot::hitEffectColorR,
       label::hitEffectColor,
       u"打击特效颜色",
       589,
       {u"255", u"238", u"160"}},
  };
  for (const auto& row : colours) {
    for (int i = 0; i < 3; ++i) {
      placeField(form, row.firstSlot + i, 330 + i * lk, row.y, lk, 30, row.rgb[i], Align::Centre,
                 kNumeric | kIntegerOnly);
    }
    placeLabel(form, row.labelIndex, row.caption, 325, row.y + 3, 24, Align::Far);
  }
}

}  // namespace zarq
