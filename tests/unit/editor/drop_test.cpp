#include "editor/drop.h"

#include <gtest/gtest.h>

#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "support/form_fixture.h"
#include "validate/validation.h"

namespace zarq {
namespace {

const Text kDropTitle = u"Zarq Radoziro 设置填写器 - 拖拽文件";
const Text kPresetQuestion = u"是否加载预设？";
const Text kChartQuestion = u"收到谱面辣！\n要Pim酱帮你填信息嘛 (。-ω-)";
const Text kWhatIsThis = u"你拖进来了个什么东西啊 ┐( ‘д’ )┌";

std::string chart(const std::string& name) {
  return R"({"ZarqVersion":120,"name":")" + name + R"(","level":"IN  Lv.15","bpm":150})";
}

using testing::contents;

class DropTest : public testing::FormTest {
 protected:
  void answer(std::initializer_list<MessageAnswer> answers) {
    platform.host.answers.insert(platform.host.answers.end(), answers);
  }
  // A preset whose player name tells it apart from the form's.
  std::filesystem::path presetFile(const std::string& name) {
    const Text saved = field(slot::playerName).text;
    field(slot::playerName).setText(u"from the preset");
    savePreset(*form, elsewhere / name, true);
    field(slot::playerName).setText(saved);
    return elsewhere / name;
  }

  testing::TempDir elsewhere;
};

TEST_F(DropTest, APresetIsOfferedOnEveryPageAndYesLoadsIt) {
  const std::filesystem::path preset = presetFile("a.set");
  showPage(*form, 3);
  answer({MessageAnswer::Yes});
  handleDrop(*form, {preset});
  ASSERT_FALSE(platform.host.messages.empty());
  EXPECT_EQ(platform.host.messages[0].text, kPresetQuestion);
  EXPECT_EQ(platform.host.messages[0].title, kDropTitle);
  EXPECT_EQ(platform.host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(field(slot::playerName).text, u"from the preset");
  EXPECT_EQ(form->currentPage, 3);
}

TEST_F(DropTest, NoToThePresetIgnoresTheRestOfTheDrop) {
  const std::filesystem::path preset = presetFile("a.set");
  const std::filesystem::path json = elsewhere.write("Later.json", chart("later"));
  const Text before = field(slot::playerName).text;
  answer({MessageAnswer::No});
  handleDrop(*form, {preset, json});
  EXPECT_EQ(messageTexts(), std::vector<Text>{kPresetQuestion});
  EXPECT_EQ(field(slot::playerName).text, before);
  EXPECT_EQ(field(slot::chartId).text, u"20220924");
  EXPECT_FALSE(std::filesystem::exists(dir / "Later.json"));
}

TEST_F(DropTest, OnlyALowerCaseSetSuffixMakesAPreset) {
  const std::filesystem::path upper = elsewhere.write("A.SET", "k7#Qw2!mT9xL4%tZ");
  const struct {
    int page;
    std::vector<Text> messages;
  } cases[] = {{1, {kWhatIsThis}}, {2, {}}, {3, {}}, {5, {}}, {6, {}}};
  for (const auto& c : cases) {
    platform.host.messages.clear();
    showPage(*form, c.page);
    handleDrop(*form, {upper});
    EXPECT_EQ(messageTexts(), c.messages) << c.page;
  }
}

TEST_F(DropTest, TwoChartsOnPageOneAreTakenInOrderEachWithItsQuestion) {
  const std::filesystem::path first = elsewhere.write("First.json", chart("one"));
  const std::filesystem::path second = elsewhere.write("Second.json", chart("two"));
  answer({MessageAnswer::No, MessageAnswer::Yes});
  handleDrop(*form, {first, second});

  EXPECT_EQ(messageTexts(), (std::vector<Text>{kChartQuestion, kChartQuestion}));
  EXPECT_EQ(field(slot::chartId).text, u"Second");
  EXPECT_EQ(field(slot::chartId).committedText, u"Second");
  EXPECT_EQ(contents(dir / "First.json"), chart("one"));
  EXPECT_EQ(contents(dir / "Second.json"), chart("two"));
  // Yes to the second question filled the form from the second chart.
  EXPECT_EQ(field(slot::songName).text, u"two");
  EXPECT_EQ(field(slot::holdBpm).text, u"150.00");
}

TEST_F(DropTest, AChartAlreadyInTheEditorsFolderIsNeverOverwritten) {
  dir.write("Mine.json", chart("kept"));
  const std::filesystem::path dropped = elsewhere.write("Mine.json", chart("dropped"));
  answer({MessageAnswer::Yes});
  handleDrop(*form, {dropped});
  EXPECT_EQ(contents(dir / "Mine.json"), chart("kept"));
  EXPECT_EQ(field(slot::songName).text, u"kept");
}

TEST_F(DropTest, AChartWhoseIdShowsAnErrorAsksNothing) {
  const std::string longId(51, 'x');
  const std::filesystem::path dropped = elsewhere.write(longId + ".json", chart("long"));
  const std::filesystem::path after = elsewhere.write("After.json", chart("after"));
  handleDrop(*form, {dropped, after});
  EXPECT_TRUE(hasError(*form, slot::chartId));
  EXPECT_TRUE(messageTexts().empty());
  // The error ends the whole drop.
  EXPECT_EQ(field(slot::chartId).text, Text(51, u'x'));
}

// A name no one could type as the ID (a line end or a tab in it) is no ID either, and
// leaves no copy behind.
TEST_F(DropTest, AChartWithoutAUsableNameIsRefusedAndTheDropGoesOn) {
  for (const char* bad : {".json", "two\nlines.json", "tab\there.json", "cr\r.json"}) {
    platform.host.messages.clear();
    const std::filesystem::path unnamed = elsewhere.write(bad, chart("unnamed"));
    const std::filesystem::path named = elsewhere.write("Named.json", chart("named"));
    handleDrop(*form, {unnamed, named});
    EXPECT_EQ(messageTexts(),
              (std::vector<Text>{u"给谱面取个名再拖进来叭 (。-ω-)", kChartQuestion}))
        << bad;
    EXPECT_EQ(field(slot::chartId).text, u"Named") << bad;
    EXPECT_FALSE(std::filesystem::exists(dir / bad)) << bad;
  }
}

TEST_F(DropTest, AChartThatCannotBeCopiedEndsTheDrop) {
  std::filesystem::create_directories(elsewhere / "Folder.json");
  const std::filesystem::path after = elsewhere.write("After.json", chart("after"));
  handleDrop(*form, {elsewhere / "Folder.json", after});
  EXPECT_EQ(messageTexts(), std::vector<Text>{u"Pim酱打不开谱面 ╭(╯^╰)╮"});
  EXPECT_EQ(field(slot::chartId).text, u"Folder");
  EXPECT_EQ(field(slot::chartId).committedText, u"Folder");
}

TEST_F(DropTest, AnyFileOnPageFourNamesTheAvatarWithoutBeingCopied) {
  const std::filesystem::path picture = elsewhere.write("face.png", "not really a picture");
  showPage(*form, 4);
  handleDrop(*form, {picture});
  EXPECT_EQ(field(slot::avatar).text, u"face.png");
  EXPECT_EQ(field(slot::avatar).committedText, u"face.png");
  EXPECT_FALSE(std::filesystem::exists(dir / "face.png"));
  EXPECT_TRUE(hasError(*form, slot::avatar));
  EXPECT_TRUE(platform.host.messages.empty());
}

// A name no one could type is refused by both ways in, and the avatar stays as it was.
TEST_F(DropTest, AnAvatarNameWithALineEndOrATabIsRefused) {
  showPage(*form, 4);
  for (const char* bad : {"two\nlines.png", "tab\there.png"}) {
    const std::filesystem::path picture = elsewhere.write(bad, "image");
    platform.host.messages.clear();
    handleDrop(*form, {picture});
    platform.host.dialogResults.push_back(picture);
    openAvatar(*form);
    EXPECT_EQ(messageTexts(), (std::vector<Text>{kWhatIsThis, u"Pim酱打不开头像 ╭(╯^╰)╮"})) << bad;
    EXPECT_EQ(field(slot::avatar).text, u"头像.png") << bad;
    EXPECT_FALSE(std::filesystem::exists(dir / bad)) << bad;
  }
}

class AvatarDialogTest : public DropTest {
 protected:
  void choose(const std::filesystem::path& file) { platform.host.dialogResults.push_back(file); }
};

// The chosen image is copied in under its name, cut to fifty units; one of that name already
// there is kept.
TEST_F(AvatarDialogTest, CopiesTheChosenImageIntoTheEditorsFolderUnlessOneIsThere) {
  const std::string png("\x89PNG\r\n\x1A\n\x00\x00", 10);
  const struct {
    std::string chosen, already;  // no image there when empty
    Text avatar;
    std::string copy;  // the name the copy takes
  } cases[] = {
      {"me.png", "", u"me.png", "me.png"},
      {"you.png", "the one already here", u"you.png", "you.png"},
      {std::string(60, 'a') + ".png", "", Text(50, u'a'), std::string(50, 'a')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    if (!c.already.empty()) dir.write(c.copy, c.already);
    platform.host.dialogPrompts.clear();
    choose(elsewhere.write(c.chosen, png));
    openAvatar(*form);
    EXPECT_EQ(platform.host.dialogPrompts,
              std::vector<Text>{u"图片(*.png;*.jpg;*.jpeg;*.bmp;*.gif)"});
    EXPECT_EQ(field(slot::avatar).text, c.avatar);
    EXPECT_EQ(field(slot::avatar).committedText, c.avatar);
    EXPECT_EQ(contents(dir / c.copy), c.already.empty() ? png : c.already);
    EXPECT_TRUE(platform.host.messages.empty());
  }
}

// A picture named as one of the editor's own files is not copied in under that name: a
// "save.set" made so would be taken for the form at the next start.
TEST_F(AvatarDialogTest, ANameOfTheEditorsOwnFilesIsRefused) {
  for (const std::string name : {"save.set", "SAVE.Set", "save.set.unreadable-2", "runfile.txt",
                                 ".zarq-settings.lock", ".zarq-abcd1234.tmp"}) {
    SCOPED_TRACE(name);
    platform.host.messages.clear();
    choose(elsewhere.write(name, "not the editor's"));
    openAvatar(*form);
    EXPECT_FALSE(std::filesystem::exists(dir / name));
    EXPECT_EQ(field(slot::avatar).text, u"头像.png");
    ASSERT_EQ(platform.host.messages.size(), 1u);
    EXPECT_EQ(platform.host.messages[0].title, u"Zarq Radoziro 设置填写器 - 打开头像");
  }
}

TEST_F(AvatarDialogTest, AMissingChoiceOrACancelLeavesTheAvatar) {
  openAvatar(*form);
  choose(elsewhere / "gone.png");
  openAvatar(*form);
  ASSERT_EQ(platform.host.messages.size(), 1u);
  EXPECT_EQ(platform.host.messages[0].text, u"头像不存在！");
  EXPECT_EQ(platform.host.messages[0].title, u"Zarq Radoziro 设置填写器 - 打开头像");
  EXPECT_EQ(field(slot::avatar).text, u"头像.png");
}

}  // namespace
}  // namespace zarq
