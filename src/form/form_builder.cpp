#include "form/form_builder.h"

#include "form/field_table.h"
#include "form/settings_form.h"

namespace zarq {
namespace {

// Every page title's help ends with the keys, so that clicking any title teaches how to
// save, open, turn pages and bring files in.
constexpr TextView kKeysHelp =
    u"\n\n快捷键看这里：Ctrl+S 保存预设，Ctrl+O 打开预设，Ctrl+1 到 Ctrl+6 翻到第1到第6页，"
    u"Ctrl+V 粘贴到正在填的框里，Ctrl+Shift+O 在第1页导入谱面文件夹、在第4页选头像，"
    u"Ctrl+Z 撤销、Ctrl+Y 重做~\n"
    u"不用鼠标也行：Tab 和 Shift+Tab 在框、勾选框、选项、滑块和箭头之间走，空格勾选，回车或空格按下"
    u"箭头和选择器，方向键、PageUp/PageDown、Home/End 拖滑块，F1 看正在选的东西的说明，Esc 放开~\n"
    u"把预设(.set)拖进窗口就能加载；在第1页拖谱面(.json)进来，Pim酱会帮你填信息；在第4页拖图片"
    u"进来就是头像哦！";

// A white caption at the top centre of every page.
constexpr float kTitleY = 50, kTitleSize = 40;
constexpr float kPageCentre = 472;

void placeLabel(SettingsForm& form, const Caption& c, TextView help) {
  if (c.label == kNoLabel) return;
  FieldLabel& label = form.labels[c.label];
  label.x = c.x.at(form.layout);
  label.y = c.y;
  label.size = c.size;
  label.caption = capped(c.text, kCaptionCapacity);
  label.helpText = capped(help, kHelpTextCapacity);
  label.anchor = c.anchor;
  label.colour = c.colour;
  label.setShown(false);
  label.setEnabled(true);
}

void placeCheckBox(SettingsForm& form, const CheckBoxRow& row) {
  CheckBox& box = form.checkBoxes[row.index];
  box.x = row.x.at(form.layout);
  box.y = row.y;
  box.size = row.size;
  box.setChecked(row.checked);
  box.colour = 0xFFFFFFFF;
  box.setShown(false);
  box.setEnabled(true);
  placeLabel(form, row.caption, row.help);
}

void placeSlider(SettingsForm& form, const SliderRow& row) {
  Slider& slider = form.sliders[row.index];
  slider.x = row.x;
  slider.y = row.y;
  slider.width = row.width;
  slider.min = row.min;
  slider.max = row.max;
  slider.step = row.step;
  slider.setValue(row.value);
  slider.integerOnly = row.integerOnly;
  slider.colour = 0xFFFFFFFF;
  slider.setEnabled(true);
  slider.setShown(false);
  placeLabel(form, row.caption, row.help);
}

void placeOptionPair(SettingsForm& form, const OptionPairRow& row) {
  form.optionPairs[row.index].init(form.metrics, row.x, row.y, row.height, row.first, row.second,
                                   row.firstSelected, row.secondSelected, row.gap, row.exclusive);
  placeLabel(form, row.caption, row.help);
}

}  // namespace

void placeFields(SettingsForm& form, const PageRows& page) {
  const FormLayout& l = form.layout;
  for (const FieldRow& row : page.fields) {
    TextField& field = form.fields[row.slot];
    field.init(row.place.x.at(l), row.place.y.at(l), row.place.width.at(l), row.place.height.at(l),
               Text(row.value) + Text(row.fixedEnding), row.alignment, (row.filters & kNumber) != 0,
               (row.filters & kInteger) != 0, linkedSlider(row.slot) >= 0);
    field.fixedEnding = Text(row.fixedEnding);
    field.deleteLeaves = Text(row.deleteLeaves);
    field.fitText(form.metrics, true);
  }
}

void placeControls(SettingsForm& form, const PageRows& page) {
  const TitleRow& title = page.title;
  placeLabel(form, {title.label, title.caption, kPageCentre, kTitleY, kTitleSize, Align::Centre},
             Text(title.help) + Text(kKeysHelp));
  for (const FieldRow& row : page.fields) placeLabel(form, row.caption, row.help);
  for (const CheckBoxRow& row : page.checkBoxes) placeCheckBox(form, row);
  for (const SliderRow& row : page.sliders) placeSlider(form, row);
  for (const OptionPairRow& row : page.optionPairs) placeOptionPair(form, row);
  for (const SelectorRow& row : page.selectors) {
    placeLabel(form, row.caption, row.help);
    placeObtainedTypeSelector(form, row.value);
  }
}

void placeObtainedTypeSelector(SettingsForm& form, TextView caption) {
  const SelectorRow& row = obtainedTypeSelector();
  placeLabel(form, {row.label, caption, row.x, row.y, row.size, Align::Near}, row.selectorHelp);
}

}  // namespace zarq
