// Page 3: a mock-up of the chart screen with the texts the recorder shows on it.

#include "form/form_builder.h"

namespace zarq {

void buildChartPage(SettingsForm& form) {
  const float lp = form.layout.Lp;
  const float ld = form.layout.Ld;
  placeLabel(form, label::titleChart, u"谱面动画设置", 472, 50, 40, Align::Centre);

  placeField(form, slot::chartSongName, 185, 500, 350, 30, u"Zarq Radoziro", Align::Near);
  placeField(form, slot::chartLevel, 559, 500, 200, 30, u"IN  Lv.15", Align::Far);
  placeField(form, slot::chartFullScore, 559, 150, 200, 30, u"1000000", Align::Far,
             kNumeric | kIntegerOnly);

  placeCheckBox(form, box::pauseShadow, 194 + lp, 580, 24, false);
  placeLabel(form, label::pauseShadow, u"暂停后方阴影", 172, 568, 24, Align::Near);
  placeCheckBox(form, box::nameBar, 194 + lp, 615, 24, false);
  placeLabel(form, label::nameBar, u"曲名左侧竖条", 172, 603, 24, Align::Near);

  // Both fields end at x 772, their captions 5 pixels left of them.
  placeField(form, slot::noteSize, 757 - ld, 565, ld + 15, 30, u"175", Align::Far, kNumeric);
  placeLabel(form, label::noteSize, u"音符大小", 752 - ld, 568, 24, Align::Far);
  placeField(form, slot::chartDuration, 757 - ld, 600, ld + 15, 30, u"秒", Align::Far, kNumeric);
  placeLabel(form, label::chartDuration, u"谱面时长", 752 - ld, 603, 24, Align::Far);
}

}  // namespace zarq
