#include "editor/preset_actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/numbers.h"
#include "common/paths.h"
#include "editor/closing.h"
#include "editor/focus.h"
#include "editor/pages.h"
#include "editor/window_events.h"
#include "files/preset_history.h"
#include "form/form_preset.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "support/faulty_file_system.h"
#include "support/preset_bytes.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr char16_t kSaveTitle[] = u"Zarq Radoziro 设置填写器 - 保存";
constexpr char16_t kLoadTitle[] = u"Zarq Radoziro 设置填写器 - 加载预设";

Bytes fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// Every value away from its default: odd boxes clear, even ones ticked, options flipped.
void fillEveryValue(SettingsForm& form) {
  for (int slot = 0; slot < kFieldCount; ++slot) form.fields[slot].setText(u"值" + intText(slot));
  for (int b = 0; b < kCheckBoxCount; ++b) form.checkBoxes[b].setChecked(b % 2 == 0);
  const float sliders[] = {200, 33, 0.3f, 1.7f, 0.1f};
  for (int i = 0; i < kSliderCount; ++i) form.sliders[i].setValue(sliders[i]);
  for (OptionPair& pair : form.optionPairs) {
    pair.setSelected(!pair.selected1(), true);
  }
  form.labels[label::obtainedType].caption = u"曲绘";
}

// Everything a load may change, to show that a failed one changed nothing.
struct FormState {
  Bytes values;
  std::vector<bool> enabled, shown;
  std::vector<float> xs;
  int page;
  bool operator==(const FormState&) const = default;
};

FormState stateOf(const SettingsForm& form) {
  FormState s{encodePreset(presetFromForm(form)), {}, {}, {}, form.currentPage};
  auto add = [&](const auto& pool) {
    for (const auto& item : pool) {
      s.enabled.push_back(item.enabled());
      s.shown.push_back(item.shown());
      s.xs.push_back(item.x);
    }
  };
  add(form.fields);
  add(form.checkBoxes);
  add(form.labels);
  add(form.sliders);
  return s;
}

class PresetFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<SettingsForm> freshForm(const fs::path& historyRoot = {}) {
    auto form = std::make_unique<SettingsForm>(platform.platform(), dir.path());
    form->historyRoot = historyRoot;
    onWindowCreate(*form);
    return form;
  }
  std::unique_ptr<SettingsForm> filledForm() {
    auto form = freshForm();
    fillEveryValue(*form);
    return form;
  }
  // The messages shown so far, forgotten afterwards.
  std::vector<testing::ScriptedHost::Message> takeMessages() {
    return std::exchange(platform.host.messages, {});
  }
  void expectMessage(TextView text, TextView title) {
    const auto messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, title);
  }

  testing::TempDir dir;
  testing::TestPlatform platform;
  const fs::path file = dir / "preset.set";
};

TEST_F(PresetFileTest, LoadReproducesEverySavedValueAndOnlySilentLoadsTakeTheOutputPath) {
  auto saved = filledForm();
  ASSERT_TRUE(savePreset(*saved, file, false));
  expectMessage(u"保存预设成功！", kSaveTitle);
  EXPECT_EQ(fs::file_size(file), 26'153u);
  PresetValues expected = presetFromForm(*saved);

  auto silent = freshForm();
  ASSERT_TRUE(loadPreset(*silent, file, true));
  EXPECT_TRUE(takeMessages().empty());
  EXPECT_EQ(encodePreset(presetFromForm(*silent)), encodePreset(expected));

  auto interactive = freshForm();
  const Text ownOutputPath = interactive->fields[slot::outputPath].text;
  ASSERT_TRUE(loadPreset(*interactive, file, false));
  expectMessage(u"加载预设成功！", kLoadTitle);
  expected.texts[slot::outputPath] = ownOutputPath;
  EXPECT_EQ(encodePreset(presetFromForm(*interactive)), encodePreset(expected));
}

TEST_F(PresetFileTest, UnusualCheckBoxBytesCountAsTickedAndAreSavedBackUnchanged) {
  Bytes bytes = encodePreset(presetFromForm(*freshForm()));
  bytes[26'018 + box::textExpression] = 7;
  writeBytes(file, bytes);
  auto form = freshForm();
  ASSERT_TRUE(loadPreset(*form, file, true));
  EXPECT_TRUE(form->checkBoxes[box::textExpression].checked());
  ASSERT_TRUE(savePreset(*form, file, true));
  EXPECT_EQ(fileBytes(file), bytes);
}

TEST_F(PresetFileTest, OlderVersionsLeaveLaterValuesAsTheyWere) {
  const PresetValues filled = presetFromForm(*filledForm());
  const Bytes full = encodePreset(filled);
  for (const PresetLayout& layout : kPresetLayouts) {
    writeBytes(file, testing::olderPresetBytes(full, layout));
    auto form = freshForm();
    const PresetValues before = presetFromForm(*form);
    ASSERT_TRUE(loadPreset(*form, file, true)) << layout.version;
    const PresetValues after = presetFromForm(*form);
    for (int s = 0; s < kFieldCount; ++s) {
      EXPECT_EQ(after.texts[s], (s < layout.textSlots ? filled : before).texts[s])
          << layout.version << " slot " << s;
    }
    for (int b = 0; b < kCheckBoxCount; ++b) {
      EXPECT_EQ(after.checkBoxes[b], (b < layout.checkBoxes ? filled : before).checkBoxes[b])
          << layout.version;
    }
    EXPECT_EQ(after.sliders, filled.sliders);
    EXPECT_EQ(after.optionPairs, filled.optionPairs);
    EXPECT_EQ(after.obtainedType, (layout.hasTrailer ? filled : before).obtainedType)
        << layout.version;
  }
}

// A damaged file is read to the end before anything changes: the form stays exactly as it
// was, on the page it was on, and only the reason is shown.
TEST_F(PresetFileTest, FailedLoadsChangeNothingAndSayWhy) {
  const Bytes full = encodePreset(presetFromForm(*filledForm()));
  const struct {
    Bytes bytes;
    const char16_t* message;
  } cases[] = {
      {testing::withVersion(full, 1000), u"读取失败！(ERROR 3)"},
      {testing::withVersion(full, 1006), u"读取失败！(ERROR 3)"},
      {Bytes(full.begin(), full.begin() + 20'000), u"读取失败！(ERROR 4)"},
      {Bytes(full.begin(), full.begin() + 26'020), u"读取失败！(ERROR 5)"},
      {Bytes(full.begin(), full.begin() + 26'030), u"读取失败！(ERROR 6)"},
      {Bytes(full.begin(), full.begin() + 26'049), u"读取失败！(ERROR 7)"},
      {Bytes(full.begin(), full.begin() + 26'050), u"读取失败！(ERROR 8)"},
      {Bytes(full.begin(), full.begin() + 26'100), u"读取失败！(ERROR 9)"},
      {Bytes(full.begin(), full.begin() + 10), u"读取失败！(ERROR 1)"},
  };
  auto form = freshForm();
  showPage(*form, 4);
  const FormState before = stateOf(*form);
  for (const auto& c : cases) {
    writeBytes(file, c.bytes);
    EXPECT_FALSE(loadPreset(*form, file, false));
    expectMessage(c.message, kLoadTitle);
    EXPECT_TRUE(stateOf(*form) == before) << c.bytes.size();
    EXPECT_FALSE(loadPreset(*form, file, true));
    EXPECT_TRUE(takeMessages().empty());
  }
  EXPECT_FALSE(loadPreset(*form, dir / "missing.set", false));
  expectMessage(u"无法读取文件！", kLoadTitle);
  EXPECT_TRUE(stateOf(*form) == before);
}

TEST_F(PresetFileTest, LoadEndsTheEditEvenWhenTheFileIsMissing) {
  auto form = freshForm();
  form->interactionMode = InteractionMode::Editing;
  form->focusedField = slot::backgroundBlur;
  form->fields[slot::backgroundBlur].focused = true;
  form->fields[slot::backgroundBlur].caret = 2;
  EXPECT_FALSE(loadPreset(*form, dir / "missing.set", true));
  EXPECT_EQ(form->interactionMode, InteractionMode::Idle);
  EXPECT_FALSE(form->fields[slot::backgroundBlur].focused);
  EXPECT_EQ(form->fields[slot::backgroundBlur].caret, 0);
}

// The user's own load, done or failed, leaves the focus where it was: a field takes the
// keyboard back with its (new) text selected whole.
TEST_F(PresetFileTest, AUserLoadGivesTheFocusBackToTheControlThatHadIt) {
  ASSERT_TRUE(savePreset(*filledForm(), file, true));
  const ControlRef cases[] = {{ControlRef::Kind::Field, slot::chartId},
                              {ControlRef::Kind::CheckBox, box::recordOpening}};
  for (const ControlRef control : cases) {
    for (const bool found : {true, false}) {
      auto form = freshForm();
      focusControl(*form, control);
      loadPreset(*form, found ? file : dir / "missing.set", false);
      EXPECT_EQ(form->focusedControl(), control) << control.index << " " << found;
      if (control.kind != ControlRef::Kind::Field) continue;
      const TextField& field = form->fields[control.index];
      EXPECT_EQ(field.selection().to - field.selection().from, field.length());
      EXPECT_EQ(field.text == u"值" + intText(slot::chartId), found);
    }
  }
}

// The boxes decide what is greyed out and where two controls sit, and the current page is
// shown afresh with the loaded values.
TEST_F(PresetFileTest, LoadedBoxesDecideDependentControlsAndThePageIsShownAgain) {
  for (const bool ticked : {false, true}) {
    auto source = freshForm();
    for (CheckBox& box : source->checkBoxes) box.setChecked(ticked);
    ASSERT_TRUE(savePreset(*source, file, true));
    auto form = freshForm();
    showPage(*form, 4);
    ASSERT_TRUE(loadPreset(*form, file, true));
    for (int s :
         {sliderId::dim, sliderId::hitSoundVolume, sliderId::musicVolume, sliderId::resultVolume}) {
      EXPECT_EQ(form->sliders[s].enabled(), ticked) << s;
    }
    EXPECT_TRUE(form->sliders[sliderId::blur].enabled());
    for (int s : {slot::backgroundDim, slot::hitSoundVolume, slot::musicVolume, slot::resultVolume,
                  slot::splitNameLine1}) {
      EXPECT_EQ(form->fields[s].enabled(), ticked) << s;
    }
    EXPECT_TRUE(form->fields[slot::backgroundBlur].enabled());
    for (int l :
         {label::backgroundDim, label::hitSoundVolume, label::musicVolume, label::resultVolume}) {
      EXPECT_EQ(form->labels[l].enabled(), ticked) << l;
    }
    EXPECT_EQ(form->fields[slot::chartSongName].x, ticked ? 197 : 185);
    EXPECT_EQ(form->checkBoxes[box::scoreIncrease].x, ticked ? 688 : 270);
    EXPECT_EQ(form->currentPage, 4);
    EXPECT_EQ(form->fields[slot::originalScore].shown(), ticked);
    EXPECT_TRUE(form->labels[label::obtainedType].shown());
  }
}

TEST_F(PresetFileTest, OnlyTheNoneCaptionDisablesTheObtainedContent) {
  const std::pair<const char16_t*, bool> captions[] = {
      {u"无", false}, {u"Data", true}, {u"曲绘", true}, {u"文件", true}, {u"头像", true}};
  for (const auto& [caption, offered] : captions) {
    auto source = freshForm();
    source->labels[label::obtainedType].caption = caption;
    ASSERT_TRUE(savePreset(*source, file, true));
    auto form = freshForm();
    form->labels[label::obtainedType].x = 0;
    ASSERT_TRUE(loadPreset(*form, file, true));
    const FieldLabel& selector = form->labels[label::obtainedType];
    EXPECT_EQ(selector.caption, caption);
    EXPECT_EQ(selector.x, form->metrics.measureTextTight(u"你获得了", 24) + 245 + 22);
    EXPECT_EQ(selector.helpText, u"要是看到这行字就是主播卡bug了");
    EXPECT_EQ(form->fields[slot::obtainedContent].enabled(), offered);
    EXPECT_EQ(form->labels[label::obtainedSplit].enabled(), offered);
    EXPECT_EQ(form->checkBoxes[box::obtainedSplit].enabled(), offered);
  }
}

TEST_F(PresetFileTest, ClosingSavesTheFormAndTheNextStartRestoresIt) {
  auto closing = filledForm();
  EXPECT_TRUE(onCloseRequested(*closing));
  EXPECT_TRUE(takeMessages().empty());
  auto starting = freshForm();
  EXPECT_TRUE(takeMessages().empty());
  EXPECT_EQ(encodePreset(presetFromForm(*starting)), encodePreset(presetFromForm(*closing)));
  EXPECT_EQ(starting->currentPage, 1);
  EXPECT_TRUE(starting->fields[slot::chartId].shown());
}

// Each damaged "save.set" is kept under the next free name; none is ever written over.
TEST_F(PresetFileTest, AStartThatCannotReadSaveSetMovesItAsideBeforeTheCloseCanWriteIt) {
  const Bytes sound = encodePreset(presetFromForm(*filledForm()));
  Bytes newer = sound;
  newer[16] = 0xEE;  // version 1006
  const struct {
    const char* name;
    Bytes bytes;
    const char* aside;
  } cases[] = {
      {"cut short", Bytes(sound.begin(), sound.begin() + 20'000), "save.set.unreadable"},
      {"newer version", newer, "save.set.unreadable-2"},
      {"no preset at all", Bytes{'h', 'i'}, "save.set.unreadable-3"},
      {"empty", Bytes{}, "save.set.unreadable-4"},
  };
  const Bytes defaults = encodePreset(presetFromForm(*freshForm()));
  for (const auto& c : cases) {
    writeBytes(dir / "save.set", c.bytes);
    ::testing::internal::CaptureStderr();
    auto form = freshForm();
    const std::string said = ::testing::internal::GetCapturedStderr();
    // Told in a message box once the window shows.
    EXPECT_TRUE(takeMessages().empty()) << c.name;
    EXPECT_EQ(platform.loop.runPosted(), 1) << c.name;
    expectMessage(u"无法读取上次保存的表单 save.set！\n它已被移到：\n" +
                      textFromPath(dir / c.aside) + u"\n不会被覆盖。表单从默认值开始。",
                  u"Zarq Radoziro 设置填写器 - 加载预设");
    EXPECT_FALSE(fs::exists(dir / "save.set")) << c.name;
    EXPECT_EQ(fileBytes(dir / c.aside), c.bytes) << c.name;
    EXPECT_NE(said.find((dir / c.aside).string()), std::string::npos) << c.name << ": " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.name;
    EXPECT_EQ(encodePreset(presetFromForm(*form)), defaults) << c.name;
    EXPECT_TRUE(onCloseRequested(*form)) << c.name;
    EXPECT_EQ(fileBytes(dir / "save.set"), defaults) << c.name;
    EXPECT_EQ(fileBytes(dir / c.aside), c.bytes) << c.name;
    fs::remove(dir / "save.set");
  }
}

// A save.set the close replaces, one the user never saw in that session included, is kept in
// its history; the next start that cannot read save.set offers the newest version back.
TEST_F(PresetFileTest, EverySaveSetTheCloseReplacesCanBeBroughtBack) {
  const fs::path history = dir / "history";
  ASSERT_TRUE(onCloseRequested(*filledForm()));
  const Bytes filled = fileBytes(dir / "save.set");
  auto other = freshForm(history);
  setSlotText(*other, slot::chartId, u"other");
  ASSERT_TRUE(onCloseRequested(*other));
  std::vector<HistoryVersion> versions;
  ASSERT_EQ(listHistory(osFileSystem(), history, dir / "save.set", versions), FileError::None);
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(fileBytes(versions[0].file), filled);

  writeBytes(dir / "save.set", Bytes{'c', 'u', 't'});
  takeMessages();
  platform.host.answers.push_back(MessageAnswer::Yes);
  ::testing::internal::CaptureStderr();
  auto started = freshForm(history);
  ::testing::internal::GetCapturedStderr();
  platform.loop.runPosted();
  const auto messages = takeMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].buttons, MessageButtons::YesNo);
  EXPECT_NE(messages[1].text.find(u"要把它找回来嘛"), Text::npos);
  EXPECT_EQ(encodePreset(presetFromForm(*started)), filled);
}

// How a write ends is the fault sweep's business (write_faults_test.cpp); here, what it says.
TEST_F(PresetFileTest, AFailedSaveSaysWhichFileAndWhyUnlessSilent) {
  fs::create_directory(dir / "folder.set");
  testing::FaultyFileSystem fullDisk;
  fullDisk.diskFull = true;
  const struct {
    fs::path target;
    FileSystem& files;
    TextView said;
  } cases[] = {
      {dir / "no such folder" / "a.set", osFileSystem(),
       u"无法写入文件！\na.set：文件或文件夹不见了"},
      {dir / "folder.set", osFileSystem(), u"无法写入文件！\nfolder.set：那里不是普通的文件"},
      {dir / "full.set", fullDisk, u"无法写入文件！\nfull.set：磁盘满了"},
  };
  for (const auto& c : cases) {
    SettingsForm form(platform.platform(c.files), dir.path());
    onWindowCreate(form);
    for (bool silent : {false, true}) {
      EXPECT_FALSE(savePreset(form, c.target, silent)) << c.target;
      if (silent) {
        EXPECT_TRUE(takeMessages().empty());
      } else {
        expectMessage(c.said, kSaveTitle);
      }
    }
  }
  EXPECT_TRUE(fs::is_directory(dir / "folder.set"));
  EXPECT_FALSE(fs::exists(dir / "full.set"));
}

}  // namespace
}  // namespace zarq
