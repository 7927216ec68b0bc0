#include "form/form_builder.h"

#include "form/help_texts.h"

namespace zarq {

void placeField(SettingsForm& form, int slot, float x, float y, float width, float height,
                TextView defaultText, Align alignment, unsigned flags) {
  TextField& field = form.fields[slot];
  field.init(x, y, width, height, defaultText, alignment, (flags & kNumeric) != 0,
             (flags & kIntegerOnly) != 0, (flags & kSliderLinked) != 0);
  field.fitText(form.metrics, true);
}

void placeLabel(SettingsForm& form, int index, TextView caption, float x, float y, float size,
                Align anchor, Argb colour) {
  FieldLabel& label = form.labels[index];
  label.x = x;
  label.y = y;
  label.size = size;
  label.caption = capped(caption, kCaptionCapacity);
  label.helpText = capped(helpTextFor(caption), kHelpTextCapacity);
  label.anchor = anchor;
  label.colour = colour;
  label.shown = false;
  label.enabled = true;
}

void placeCheckBox(SettingsForm& form, int index, float x, float y, float size, bool checked) {
  CheckBox& box = form.checkBoxes[index];
  box.x = x;
  box.y = y;
  box.size = size;
  box.checked = checked;
  box.colour = 0xFFFFFFFF;
  box.shown = false;
  box.enabled = true;
}

void placeObtainedTypeSelector(SettingsForm& form, TextView caption) {
  placeLabel(form, label::obtainedType, caption,
             form.metrics.measureTextTight(u"你获得了", 24) + 245 + 22, 383, 24, Align::Near);
  // The selector explains nothing about its caption: its own text is fixed.
  form.labels[label::obtainedType].helpText = u"要是看到这行字就是主播卡bug了";
}

}  // namespace zarq
