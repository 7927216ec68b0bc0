// Page 2: what the opening screen shows. Captions end at x 225, left of their fields.

#include "form/form_builder.h"

namespace zarq {

void buildOpeningPage(SettingsForm& form) {
  const float lw = form.layout.Lw();
  placeLabel(form, label::titleOpening, u"开场动画设置", 472, 50, 40, Align::Centre);

  struct Row {
    int slot, labelIndex;
    const char16_t* caption;
    float y;
    const char16_t* value;
    unsigned flags;
  };
  const Row rows[] = {
      {slot::songName, label::songName, u"曲名", 130, u"Zarq Radoziro", kPlain},
      {slot::difficulty, label::difficulty, u"难度", 232, u"IN", kPlain},
      {slot::composer, label::composer, u"曲师", 283, u"不会混音のOrvenn", kPlain},
      {slot::charter, label::charter, u"谱师", 334, u"不会特效のOrvenn", kPlain},
      {slot::illustrator, label::illustrator, u"画师", 385, u"不会上色のOrvenn", kPlain},
      {slot::tip, label::tip, u"Tip", 436, u"Tip: ", kPlain},
      {slot::aspectRatio, label::aspectRatio, u"比例", 487, u"4:3", kPlain},
      {slot::frameRate, label::frameRate, u"帧率", 538, u"60", kNumeric | kIntegerOnly},
  };
  for (const Row& row : rows) {
    placeField(form, row.slot, 230, row.y, lw, 30, row.value, Align::Near, row.flags);
    placeLabel(form, row.labelIndex, row.caption, 225, row.y + 3, 24, Align::Far);
  }

  // The level shares its row with the superscript and subscript of the difficulty.
  placeField(form, slot::level, 230, 181, lw / 2, 30, u"15", Align::Near);
  placeLabel(form, label::level, u"等级", 225, 184, 24, Align::Far);
  placeField(form, slot::superscript, 230 + 5 * lw / 8, 181, lw / 8, 30, u"", Align::Near);
  placeLabel(form, label::superscript, u"上标", 230 + 9 * lw / 16, 184, 24, Align::Centre);
  placeField(form, slot::subscript, 230 + 7 * lw / 8, 181, lw / 8, 30, u"", Align::Near);
  placeLabel(form, label::subscript, u"下标", 230 + 13 * lw / 16, 184, 24, Align::Centre);

  form.optionPairs[pair::quality].init(form.metrics, 230, 589, 30, u"1080P", u"2K", true, false, 5);
  placeLabel(form, label::quality, u"画质", 225, 592, 24, Align::Far);
}

}  // namespace zarq
