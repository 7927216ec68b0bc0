#include "editor/commands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/paths.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "support/form_fixture.h"

namespace zarq {
namespace {

class CommandsTest : public testing::FormTest {
 protected:
  // The field takes the keyboard as a click on it would leave it, the caret at the end.
  void edit(int slot) {
    TextField& f = field(slot);
    form->interactionMode = InteractionMode::Editing;
    form->focusedField = static_cast<std::int16_t>(slot);
    f.focused = true;
    f.caret = static_cast<std::int16_t>(f.length());
    f.fitText(form->metrics, true);
  }
  void clipboard(Text text) {
    platform.host.clipboard = {ClipboardText::Status::Text, std::move(text)};
  }
  void dialog(const std::filesystem::path& result) {
    platform.host.dialogResults.push_back(result);
  }
};

TEST_F(CommandsTest, PasteTypesEveryPrintableUnitThroughTheFieldsFilters) {
  const struct {
    int page, slot;
    Text before, clip, after;
    int beeps;
  } cases[] = {
      {2, slot::frameRate, u"", u"12a3", u"123", 1},
      {2, slot::songName, u"", u"first line\r\nsecond\tline", u"first linesecondline", 0},
      {2, slot::songName, Text(100, u's'), Text(99, u'p'), Text(100, u's') + Text(50, u'p'), 49},
      {1, slot::illustrationExt, u"", u"jpg", u"JPG", 0},
      {2, slot::songName, u"", u"\U0001F3B5", u"\U0001F3B5", 0},
  };
  for (const auto& c : cases) {
    showPage(*form, c.page);
    field(c.slot).setText(c.before);
    edit(c.slot);
    clipboard(c.clip);
    platform.host.beeps = 0;
    handleCommand(*form, Command::Paste);
    EXPECT_EQ(field(c.slot).text, c.after) << c.slot;
    EXPECT_EQ(platform.host.beeps, c.beeps) << c.slot;
    EXPECT_TRUE(platform.host.messages.empty());
  }
}

TEST_F(CommandsTest, PasteRefusesWhatTheClipboardCannotGive) {
  const struct {
    ClipboardText clip;
    std::vector<Text> messages;
  } cases[] = {
      {{ClipboardText::Status::Text, Text(100, u'1')}, {u"剪贴板内容过长！"}},
      {{ClipboardText::Status::LockFailed, {}}, {u"获取剪贴板失败！"}},
      {{ClipboardText::Status::Unavailable, {}}, {}},
      {{ClipboardText::Status::NoText, {}}, {}},
  };
  for (const auto& c : cases) {
    platform.host.messages.clear();
    field(slot::chartId).setText(u"");
    edit(slot::chartId);
    platform.host.clipboard = c.clip;
    handleCommand(*form, Command::Paste);
    EXPECT_EQ(field(slot::chartId).text, u"");
    EXPECT_EQ(messageTexts(), c.messages);
    for (const auto& m : platform.host.messages) {
      EXPECT_EQ(m.title, u"Zarq Radoziro 设置填写器 - 粘贴");
    }
  }
}

TEST_F(CommandsTest, PasteWhileNoFieldIsEditedDoesNothing) {
  clipboard(u"123");
  const Text before = field(slot::chartId).text;
  handleCommand(*form, Command::Paste);
  EXPECT_EQ(field(slot::chartId).text, before);
  EXPECT_EQ(platform.host.beeps, 0);
}

TEST_F(CommandsTest, SaveAppendsSetUnlessTheNameEndsInLowerCaseSet) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"preset", "preset.set"},
      {"upper.SET", "upper.SET.set"},
      {"ready.set", "ready.set"},
      {"dotted.name", "dotted.name.set"},
  };
  for (const auto& c : cases) {
    dialog(dir / c.chosen);
    handleCommand(*form, Command::Save);
    EXPECT_TRUE(std::filesystem::exists(dir / c.written)) << c.chosen;
  }
  EXPECT_EQ(platform.host.dialogPrompts.front(), u"预设文件(*.set)");
  EXPECT_EQ(messageTexts(), std::vector<Text>(4, u"保存预设成功！"));
}

TEST_F(CommandsTest, SavingOverAnExistingFileAsksFirst) {
  const std::filesystem::path existing = dir.write("old.set", "old");
  for (MessageAnswer a : {MessageAnswer::No, MessageAnswer::Yes}) {
    platform.host.answers.push_back(a);
    dialog(existing);
    handleCommand(*form, Command::Save);
  }
  ASSERT_GE(platform.host.messages.size(), 2u);
  EXPECT_EQ(platform.host.messages[0].text, u"文件已存在，要替换它吗？");
  EXPECT_EQ(platform.host.messages[0].title, u"Zarq Radoziro 设置填写器 - 保存");
  EXPECT_EQ(platform.host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.host.messages[1].text, u"文件已存在，要替换它吗？");
  EXPECT_EQ(std::filesystem::file_size(existing), maxPresetSize());
}

TEST_F(CommandsTest, SavingOverAReadOnlyFileSaysItCannotWriteWithoutAsking) {
  const std::filesystem::path locked = dir.write("locked.set", "old");
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  std::filesystem::create_directories(dir / "folder.set");
  const struct {
    const char* name;
    TextView said;
  } cases[] = {
      {"locked.set", u"无法写入文件！\nlocked.set：没有写入的权限"},
      {"folder.set", u"无法写入文件！\nfolder.set：那里不是普通的文件"},
  };
  for (const auto& c : cases) {
    platform.host.messages.clear();
    dialog(dir / c.name);
    handleCommand(*form, Command::Save);
    EXPECT_EQ(messageTexts(), std::vector<Text>{Text(c.said)}) << c.name;
  }
  EXPECT_EQ(std::filesystem::file_size(locked), 3u);
}

TEST_F(CommandsTest, SaveCancelledWritesNothing) {
  handleCommand(*form, Command::Save);
  EXPECT_EQ(platform.host.dialogPrompts.size(), 1u);
  EXPECT_TRUE(platform.host.messages.empty());
}

TEST_F(CommandsTest, OpenLoadsAnExistingPresetAndNamesAMissingOne) {
  field(slot::playerName).setText(u"saved");
  savePreset(*form, dir / "p.set", true);
  field(slot::playerName).setText(u"changed");

  dialog(dir / "missing.set");
  handleCommand(*form, Command::Open);
  EXPECT_EQ(messageTexts(),
            std::vector<Text>{u"文件不存在！\n" + textFromPath(dir / "missing.set")});
  EXPECT_EQ(platform.host.messages[0].title, u"Zarq Radoziro 设置填写器 - 打开");

  dialog(dir / "p.set");
  handleCommand(*form, Command::Open);
  EXPECT_EQ(field(slot::playerName).text, u"saved");
  EXPECT_EQ(platform.host.dialogPrompts, std::vector<Text>(2, u"预设文件(*.set)"));
}

TEST_F(CommandsTest, OpenCancelledStillDrawsAFrame) {
  const int before = platform.headless.frame.framesPresented();
  onCommand(*form, Command::Open);
  EXPECT_EQ(platform.headless.frame.framesPresented(), before + 1);
  EXPECT_TRUE(platform.host.messages.empty());
}

TEST_F(CommandsTest, ThePageDialogCommandOpensTheDialogOfThePageOnView) {
  const struct {
    int page;
    std::vector<Text> prompts;
  } cases[] = {
      {1, {u"打开 Zarq 谱面文件夹"}},
      {2, {}},
      {3, {}},
      {4, {u"图片(*.png;*.jpg;*.jpeg;*.bmp;*.gif)"}},
      {5, {}},
      {6, {}},
  };
  for (const auto& c : cases) {
    platform.host.dialogPrompts.clear();
    showPage(*form, c.page);
    handleCommand(*form, Command::PageDialog);
    EXPECT_EQ(platform.host.dialogPrompts, c.prompts) << c.page;
  }
}

TEST_F(CommandsTest, CtrlShiftSAndUnknownCommandsDoNothing) {
  const int before = platform.headless.frame.framesPresented();
  for (int id : {static_cast<int>(Command::SaveAlternative), 40002, 40010, 0}) {
    handleCommand(*form, static_cast<Command>(id));
  }
  EXPECT_TRUE(platform.host.dialogPrompts.empty());
  EXPECT_TRUE(platform.host.messages.empty());
  EXPECT_EQ(platform.headless.frame.framesPresented(), before);
}

TEST_F(CommandsTest, PageCommandsWithoutTheResultPartSkipPageFourAndCtrl6KeepsTheEditing) {
  form->checkBoxes[box::recordResult].setChecked(false);
  showPage(*form, 2);
  edit(slot::songName);
  handleCommand(*form, Command::Page6);
  EXPECT_EQ(form->currentPage, 2);
  EXPECT_EQ(form->interactionMode, InteractionMode::Editing);
  EXPECT_TRUE(field(slot::songName).focused);

  handleCommand(*form, Command::Page4);
  EXPECT_EQ(form->currentPage, 5);
  EXPECT_FALSE(field(slot::songName).focused);
  EXPECT_TRUE(field(slot::judgeLineThickness).focused);  // the new page's first control
  handleCommand(*form, Command::Page5);
  EXPECT_EQ(form->currentPage, 6);
}

}  // namespace
}  // namespace zarq
