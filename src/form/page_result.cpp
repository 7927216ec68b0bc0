// Page 4: the result screen. Captions end at x 245.

#include "form/form_builder.h"

namespace zarq {

void buildResultPage(SettingsForm& form) {
  const FormLayout& l = form.layout;
  const float lw = l.Lw();
  placeLabel(form, label::titleResult, u"结算动画设置", 472, 50, 40, Align::Centre);

  placeField(form, slot::avatar, 245, 130, lw, 30, u"头像.png", Align::Near);
  placeLabel(form, label::avatar, u"头像", 245, 133, 24, Align::Far);
  placeField(form, slot::playerName, 245, 180, lw, 30, u"不会PerfectのOrvenn", Align::Near);
  placeLabel(form, label::playerName, u"玩家名", 245, 183, 24, Align::Far);
  placeField(form, slot::rks, 245, 230, lw, 30, u"14.99", Align::Near);
  placeLabel(form, label::rks, u"RKS", 245, 233, 24, Align::Far);
  placeField(form, slot::challenge, 245, 280, lw, 30, u"绿2", Align::Near);
  placeLabel(form, label::challenge, u"课题", 245, 283, 24, Align::Far);

  // The score-increase box sits where the three score fields appear once it is ticked.
  placeCheckBox(form, box::scoreIncrease, 265, 345, 24, false);
  placeLabel(form, label::scoreIncrease, u"分数增加", 245, 333, 24, Align::Far);
  placeField(form, slot::originalScore, 245, 330, l.Lz + 12, 30, u"0000000", Align::Centre);
  placeField(form, slot::addedScore, 396, 330, l.Lz + 12, 30, u"1000000", Align::Centre);
  placeField(form, slot::resultFullScore, 542, 330, l.Lz + 12, 30, u"1000000", Align::Centre);

  placeLabel(form, label::obtainedBox, u"已获得框", 245, 383, 24, Align::Far);
  placeObtainedTypeSelector(form, u"无");
  placeField(form, slot::obtainedText, 245, 380, l.Lg + 20, 30, u"已获得", Align::Centre);
  placeCheckBox(form, box::obtainedSplit, 265, 440, 24, false);
  placeLabel(form, label::obtainedSplit, u"分行", 245, 428, 24, Align::Far);
  placeField(form, slot::obtainedContent, 290, 425, l.Lm + 20, 30, u"", Align::Near);
  placeField(form, slot::obtainedContentLine2, 290, 470, l.Lm + 20, 30, u"", Align::Near);

  placeCheckBox(form, box::songNameSplit, 265, 535, 24, false);
  placeLabel(form, label::songNameSplit, u"曲名分行", 245, 523, 24, Align::Far);
  placeField(form, slot::splitNameLine1, 245, 565, lw, 30, u"Zarq Radoziro", Align::Near);
  placeField(form, slot::splitNameLine2, 245, 610, lw, 30, u"", Align::Near);

  // Until an obtained type is chosen, its content and split stay unavailable; the first
  // line of the split name follows its box.
  form.fields[slot::splitNameLine1].enabled = false;
  form.fields[slot::obtainedContent].enabled = false;
  form.checkBoxes[box::obtainedSplit].enabled = false;
  form.labels[label::obtainedSplit].enabled = false;
}

}  // namespace zarq
