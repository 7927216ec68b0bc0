// Page 6: replacements for the words the recorder prints, each captioned above its field.

#include "form/form_builder.h"

namespace zarq {

void buildUiTextPage(SettingsForm& form) {
  placeLabel(form, label::titleUiText, u"UI文本设置", 472, 50, 40, Align::Centre);

  struct Row {
    int slot, labelIndex;
    const char16_t* caption;
    float x, y;
    const char16_t* value;
  };
  const Row rows[] = {
      {slot::uiSyncing, label::uiSyncing, u"同步中", 197, 150, u"同步中"},
      {slot::uiSynced, label::uiSynced, u"已同步", 497, 150, u"已同步"},
      {slot::uiLoading, label::uiLoading, u"Loading", 197, 215, u"Loading..."},
      {slot::uiCombo, label::uiCombo, u"COMBO", 497, 215, u"RECORD"},
      {slot::uiNewBest, label::uiNewBest, u"NEW BEST", 197, 280, u"NEW BEST"},
      {slot::uiMaxCombo, label::uiMaxCombo, u"Max Combo", 497, 280, u"Max Combo"},
      {slot::uiAccuracy, label::uiAccuracy, u"Accuracy", 197, 345, u"Accuracy"},
      {slot::uiAccuracyValue, label::uiAccuracyValue, u"准度", 497, 345, u"100.00%"},
      {slot::uiPerfect, label::uiPerfect, u"Perfect", 197, 410, u"Perfect"},
      {slot::uiGood, label::uiGood, u"Good", 497, 410, u"Good"},
      {slot::uiBad, label::uiBad, u"Bad", 197, 475, u"Bad"},
      {slot::uiMiss, label::uiMiss, u"Miss", 497, 475, u"Miss"},
      {slot::uiEarly, label::uiEarly, u"Early", 197, 540, u"Early"},
      {slot::uiLate, label::uiLate, u"Late", 497, 540, u"Late"},
  };
  for (const Row& row : rows) {
    placeField(form, row.slot, row.x, row.y, 250, 30, row.value, Align::Centre);
    placeLabel(form, row.labelIndex, row.caption, row.x + 125, row.y - 19.5f, 15, Align::Centre);
  }
  placeField(form, slot::remarks, 197, 605, 550, 30, u"无", Align::Centre);
  placeLabel(form, label::remarks, u"备注信息", 472, 585.5f, 15, Align::Centre);
}

}  // namespace zarq
