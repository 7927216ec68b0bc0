// Page 1: the chart, the parts to record, the media suffixes, dim, blur and volumes.

#include "form/form_builder.h"

namespace zarq {
namespace {

constexpr Argb kBasicCaption = 0xE6FFFFFF;

struct SliderRow {
  int slot;
  int labelIndex;
  const char16_t* caption;
  float labelY, trackY, fieldY;
  std::int16_t min, max;
  float step, value;
  bool integerOnly;
};

// Slider i mirrors slot i + 3 and is captioned above its track.
constexpr SliderRow kSliders[] = {
    {slot::backgroundDim, label::backgroundDim, u"背景暗化", 322.8f, 346.25f, 351, 123, 255, 1, 150,
     true},
    {slot::backgroundBlur, label::backgroundBlur, u"背景模糊", 382.8f, 406.25f, 411, 0, 100, 1, 80,
     true},
    {slot::hitSoundVolume, label::hitSoundVolume, u"音效音量", 462.8f, 486.25f, 491, 0, 1, 0.1f,
     1.0f, false},
    {slot::musicVolume, label::musicVolume, u"音乐音量", 522.8f, 546.25f, 551, 0, 2, 0.1f, 0.8f,
     false},
    {slot::resultVolume, label::resultVolume, u"结算音量", 582.8f, 606.25f, 611, 0, 2, 0.1f, 0.8f,
     false},
};

}  // namespace

void placeBasicFields(SettingsForm& form) {
  placeField(form, slot::chartId, 322, 160, 300, 45, u"20220924", Align::Centre);
  placeField(form, slot::illustrationExt, 247, 375, 150, 45, u"PNG", Align::Centre);
  placeField(form, slot::audioExt, 247, 545, 150, 45, u"MP3", Align::Centre);
  for (const SliderRow& row : kSliders) {
    // The linked text is printed from the slider once the sliders exist.
    const unsigned flags = kNumeric | kSliderLinked | (row.integerOnly ? kIntegerOnly : kPlain);
    placeField(form, row.slot, 557, row.fieldY, 50, 18, u"", Align::Centre, flags);
  }
}

void placeBasicControls(SettingsForm& form) {
  placeLabel(form, label::titleBasic, u"Zarq Radoziro 设置填写器", 472, 50, 40, Align::Centre);
  placeLabel(form, label::chartId, u"谱面ID", 472, 127.5f, 25, Align::Centre, kBasicCaption);
  placeLabel(form, label::recordOpening, u"开场", 392, 234.5f, 15, Align::Centre, kBasicCaption);
  placeLabel(form, label::recordChart, u"谱面", 472, 234.5f, 15, Align::Centre, kBasicCaption);
  placeLabel(form, label::recordResult, u"结算", 552, 234.5f, 15, Align::Centre, kBasicCaption);
  placeLabel(form, label::illustrationExt, u"曲绘", 322, 342.5f, 25, Align::Centre, kBasicCaption);
  placeLabel(form, label::audioExt, u"音乐", 322, 512.5f, 25, Align::Centre, kBasicCaption);
  placeCheckBox(form, box::recordOpening, 392, 265, 25, true);
  placeCheckBox(form, box::recordChart, 472, 265, 25, true);
  placeCheckBox(form, box::recordResult, 552, 265, 25, true);

  for (int i = 0; i < kSliderCount; ++i) {
    const SliderRow& row = kSliders[i];
    placeLabel(form, row.labelIndex, row.caption, 582, row.labelY, 14.4f, Align::Centre,
               kBasicCaption);
    Slider& slider = form.sliders[i];
    slider.x = 582;
    slider.y = row.trackY;
    slider.width = 150;
    slider.min = row.min;
    slider.max = row.max;
    slider.step = row.step;
    slider.value = row.value;
    slider.integerOnly = row.integerOnly;
    slider.colour = 0xFFFFFFFF;
    slider.enabled = true;
    slider.shown = false;
  }
}

}  // namespace zarq
