#include "editor/chart_import.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "editor/mouse.h"
#include "editor/pages.h"
#include "files/chart_fill.h"
#include "files/chart_scan.h"
#include "form/slot_text.h"
#include "support/fault_sweep.h"
#include "support/form_fixture.h"
#include "support/sample_chart.h"
#include "validate/messages.h"
#include "validate/validation.h"

namespace zarq {
namespace {

// A chart as its copy made in the platform's text mode reads: Windows ends its lines with
// CR LF.
std::string copiedInTextMode(const std::string& chart) {
#ifdef _WIN32
  std::string copy;
  for (const char c : chart) {
    if (c == '\n') copy.push_back('\r');
    copy.push_back(c);
  }
  return copy;
#else
  return chart;
#endif
}

using testing::contents;
using testing::putFile;

class ChartImportTest : public testing::FormTest {
 protected:
  std::vector<Text> fieldTexts() const {
    std::vector<Text> out;
    for (const TextField& f : form->fields) out.push_back(f.text);
    return out;
  }
  // A chart folder as the chart editor leaves it, outside the editor's folder.
  std::filesystem::path chartFolder(const std::string& id,
                                    const std::string& chart = testing::kSampleChart) {
    putFile(source / id / (id + ".json"), chart);
    return source / id;
  }
  void chooseFolder(const std::filesystem::path& folder) {
    platform.host.dialogResults.push_back(folder);
  }
  // Whether the field's check found the file it names.
  bool found(int slot) {
    const std::int16_t bubble = field(slot).bubble;
    return bubble == kNoBubble || form->bubbles[bubble].status.find(u"未找到") == Text::npos;
  }

  testing::TempDir source;
};

TEST_F(ChartImportTest, AutoFillWritesEveryFieldTheChartGives) {
  dir.write("20220924.json", testing::kSampleChart);
  autoFillFromChart(*form);

  const struct {
    int slot;
    const char16_t* text;
  } expected[] = {
      {slot::holdBpm, u"180.00"},
      {slot::illustrationExt, u"JPG"},
      {slot::audioExt, u"OGG"},
      {slot::songName, u"Sigma (Haocore Mix)"},
      {slot::chartSongName, u"Sigma (Haocore Mix)"},
      {slot::splitNameLine1, u"Sigma (Haocore Mix)"},
      {slot::composer, u"曲师A"},
      {slot::charter, u"谱师B"},
      {slot::difficulty, u"HD"},
      {slot::level, u"14"},
      {slot::chartLevel, u"HD  Lv.14"},
  };
  for (const auto& e : expected) EXPECT_EQ(field(e.slot).text, e.text) << e.slot;
  EXPECT_EQ(form->chartScratch.background, u"cover.jpg");
  EXPECT_EQ(form->chartScratch.level, u"HD Lv14");
  EXPECT_EQ(contents(dir / "runfile.txt"), minifyChart(testing::kSampleChart));
  EXPECT_TRUE(platform.host.messages.empty());
}

TEST_F(ChartImportTest, AutoFillWithoutTheChartSaysSoAndChangesNothing) {
  const std::vector<Text> before = fieldTexts();
  autoFillFromChart(*form);
  ASSERT_EQ(messageTexts(), std::vector<Text>{u"Pim酱打不开谱面 ╭(╯^╰)╮"});
  EXPECT_EQ(platform.host.messages[0].title, u"Zarq Radoziro 设置填写器 - 拖拽文件");
  EXPECT_EQ(platform.host.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(fieldTexts(), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "runfile.txt"));
}

TEST_F(ChartImportTest, KeysTheChartLacksLeaveTheirFieldsAndScratchTextsAlone) {
  dir.write("20220924.json", testing::kSampleChart);
  autoFillFromChart(*form);
  dir.write("20220924.json", R"({"ZarqVersion":120,"name":"Only a name"})");
  field(slot::composer).setText(u"typed by hand");
  autoFillFromChart(*form);

  EXPECT_EQ(field(slot::songName).text, u"Only a name");
  EXPECT_EQ(field(slot::composer).text, u"typed by hand");
  EXPECT_EQ(field(slot::holdBpm).text, u"180.00");
  EXPECT_EQ(field(slot::illustrationExt).text, u"JPG");
  EXPECT_EQ(field(slot::chartLevel).text, u"HD  Lv.14");
  EXPECT_EQ(form->chartScratch.name, u"Only a name");
  EXPECT_EQ(form->chartScratch.composer, u"曲师A");
}

// zarq-preset reads the chart itself, stripped as it is read, where the editor reads the
// stripped copy it leaves: both must find the same in charts that are not strict JSON, and
// the companion refuses exactly those the editor fills nothing from.
TEST_F(ChartImportTest, TheCompanionsVerdictIsWhatTheAutoFillWrites) {
  const std::string charts[] = {
      "{\"name\":\"a\tb\",\"bpm\":120}",                 // a raw tab in a string
      "{\"name\":\"cut\n here\", \"composer\": \"C\"}",  // a string cut by a line end
      "{\"name\":\"\xff\xfe\",\"level\":\"IN Lv.3\"}",   // bytes that are not UTF-8
      "{ZarqVersion: 120, \"song\" : \"a.ogg\"}",        // a key without its quotes
      "{\"background\":\"x.jpeg\",} // a comment",       // a trailing comma, a comment
      "\x89PNG\r\n\x1a\n\"charter\":\"in a picture\"",   // no JSON at all
      "{\"ZarqVersion\":120, \"bpm\": 0}",               // nothing the auto-fill takes
  };
  for (const std::string& chart : charts) {
    const std::filesystem::path file = dir.write("20220924.json", chart);
    const std::optional<ChartValues> values = scanChartFile(file, Strip::Yes);
    ASSERT_TRUE(values) << chart;
    const ChartFill fill = chartFill(*values);
    const std::vector<Text> before = fieldTexts();
    autoFillFromChart(*form);
    const struct {
      int slot;
      std::optional<Text> value;
    } fields[] = {
        {slot::holdBpm, fill.holdBpm},
        {slot::illustrationExt, fill.illustrationExt},
        {slot::audioExt, fill.audioExt},
        {slot::songName, fill.songName},
        {slot::composer, fill.composer},
        {slot::charter, fill.charter},
        {slot::difficulty, fill.level ? std::optional(fill.level->difficulty) : std::nullopt},
        {slot::level, fill.level ? std::optional(fill.level->level) : std::nullopt},
    };
    for (const auto& f : fields) {
      EXPECT_EQ(field(f.slot).text, f.value.value_or(before[f.slot])) << chart << " " << f.slot;
    }
    EXPECT_EQ(fillsAnything(fill), fieldTexts() != before) << chart;
  }
}

TEST_F(ChartImportTest, AutoFillValidatesOnlyTheFieldsOfThePageOnView) {
  const struct {
    int page;
    std::vector<int> validated, notValidated;
  } cases[] = {
      {1, {slot::illustrationExt, slot::audioExt}, {slot::songName, slot::composer}},
      {2,
       {slot::songName, slot::level, slot::difficulty, slot::composer, slot::charter},
       {slot::illustrationExt, slot::chartLevel}},
      {3, {}, {slot::illustrationExt, slot::songName, slot::chartSongName}},
  };
  for (const auto& c : cases) {
    build();
    dir.write("20220924.json", testing::kSampleChart);
    showPage(*form, c.page);
    autoFillFromChart(*form);
    for (int s : c.validated)
      EXPECT_EQ(field(s).committedText, field(s).text) << c.page << " " << s;
    for (int s : c.notValidated)
      EXPECT_NE(field(s).committedText, field(s).text) << c.page << " " << s;
  }
}

TEST_F(ChartImportTest, AFieldBeingEditedKeepsItsCaretInsideTheNewText) {
  dir.write("20220924.json", R"({"background":"bg.jp"})");
  TextField& ext = field(slot::illustrationExt);
  form->interactionMode = InteractionMode::Editing;
  form->focusedField = slot::illustrationExt;
  ext.focused = true;
  ext.caret = 3;
  autoFillFromChart(*form);
  EXPECT_EQ(ext.text, u"JP");
  EXPECT_EQ(ext.caret, 2);
  EXPECT_LE(ext.scroll, ext.caret);
}

TEST_F(ChartImportTest, FolderImportCopiesChartAndMediaUnderTheFolderName) {
  const std::filesystem::path folder = chartFolder("MyChart");
  putFile(folder / "MyChart.JPG", std::string("\xFF\xD8\x00\x01jpeg", 8));
  putFile(folder / "MyChart.ogg", std::string("OggS\x00\r\n\x1A", 8));
  chooseFolder(folder);
  importChartFolder(*form);

  EXPECT_EQ(platform.host.dialogPrompts, std::vector<Text>{u"打开 Zarq 谱面文件夹"});
  EXPECT_TRUE(platform.host.messages.empty());
  EXPECT_EQ(field(slot::chartId).text, u"MyChart");
  EXPECT_EQ(contents(dir / "MyChart.json"), copiedInTextMode(testing::kSampleChart));
  EXPECT_EQ(contents(dir / "MyChart.JPG"), contents(folder / "MyChart.JPG"));
  // The music is found whatever the case of its suffix, and copied as the field names it.
  EXPECT_EQ(contents(dir / "MyChart.OGG"), contents(folder / "MyChart.ogg"));
  EXPECT_EQ(contents(dir / "runfile.txt"), minifyChart(testing::kSampleChart));
  EXPECT_EQ(field(slot::songName).text, u"Sigma (Haocore Mix)");
  EXPECT_EQ(field(slot::holdBpm).text, u"180.00");
  EXPECT_EQ(field(slot::chartId).committedText, u"MyChart");
  EXPECT_EQ(field(slot::audioExt).committedText, u"OGG");
  // The form is filled: no offer to fill it again.
  EXPECT_FALSE(form->bubbles[kAutoFillRecord].visible);
}

// Names that differ from the chart ID only in case are found, as on Windows; two files that
// both could be the illustration leave it not found.
TEST_F(ChartImportTest, FolderImportFindsTheChartAndMediaWhateverTheirCase) {
  const std::filesystem::path folder = source / "Demo";
  putFile(folder / "demo.json", testing::kSampleChart);
  putFile(folder / "dEmO.ogg", "music");
  for (const char* name : {"demo.jpg", "DEMO.jpg"}) putFile(folder / name, name);
  chooseFolder(folder);
  platform.host.answers.push_back(MessageAnswer::No);
  importChartFolder(*form);
  EXPECT_EQ(field(slot::chartId).text, u"Demo");
  EXPECT_EQ(contents(dir / "Demo.json"), copiedInTextMode(testing::kSampleChart));
  EXPECT_EQ(contents(dir / "Demo.OGG"), "music");
#ifndef _WIN32
  EXPECT_EQ(messageTexts(), std::vector<Text>{u"Pim酱找不到曲绘 ╭(╯^╰)╮"});
  EXPECT_FALSE(std::filesystem::exists(dir / "Demo.JPG"));
#endif
}

// The editor's own checks find the chart, the media and the avatar whatever their case.
TEST_F(ChartImportTest, ChecksFindFilesThatDifferOnlyInCase) {
  dir.write("song.JSON", testing::kSampleChart);
  dir.write("song.png", "picture");
  dir.write("Song.Ogg", "music");
  setSlotText(*form, slot::chartId, u"Song");
  setSlotText(*form, slot::illustrationExt, u"PNG");
  setSlotText(*form, slot::audioExt, u"OGG");
  for (int slot : {slot::chartId, slot::illustrationExt, slot::audioExt}) {
    validateAndCommit(*form, slot, {.forced = true});
    EXPECT_TRUE(found(slot)) << slot;
  }
}

TEST_F(ChartImportTest, FolderImportCopiesAsLongWorkWithTheBusyMarkOnScreen) {
  const std::filesystem::path folder = chartFolder("Big");
  putFile(folder / "Big.JPG", std::string(1 << 20, 'j'));
  putFile(folder / "Big.OGG", std::string(1 << 20, 'o'));
  chooseFolder(folder);
  // Each copy and the scan take half a second; the frames shown meanwhile carry the turning
  // mark in the bottom-right corner: a white ring around (916, 653), on a black page without
  // a chart.
  platform.host.turnMs = 500;
  std::vector<int> ringPixels;
  platform.headless.frame.onPresent([&] {
    if (!platform.loop.longWorkRunning()) return;
    int white = 0;
    for (int y = 641; y <= 665; ++y) {
      for (int x = 904; x <= 928; ++x) white += (platform.headless.frame.pixel(x, y) & 0xFF) > 0xE0;
    }
    ringPixels.push_back(white);
  });
  importChartFolder(*form);
  platform.headless.frame.onPresent(nullptr);

  // The chart's copy, its scan, the illustration, the music: a frame or more each.
  ASSERT_GE(ringPixels.size(), 4u);
  for (const int white : ringPixels) EXPECT_GT(white, 20);
  EXPECT_EQ(contents(dir / "Big.OGG"), std::string(1 << 20, 'o'));
}

TEST_F(ChartImportTest, FolderImportReportsMissingMediaAndGoesOn) {
  chooseFolder(chartFolder("NoMedia"));
  importChartFolder(*form);
  const std::vector<Text> expected{u"Pim酱找不到曲绘 ╭(╯^╰)╮", u"Pim酱找不到音乐 ╭(╯^╰)╮"};
  ASSERT_EQ(platform.host.messages.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(platform.host.messages[i].text, expected[i]);
    EXPECT_EQ(platform.host.messages[i].title, u"Zarq Radoziro 设置填写器 - 打开 Zarq 谱面文件夹");
    EXPECT_EQ(platform.host.messages[i].buttons, MessageButtons::YesNo);
  }
  EXPECT_EQ(field(slot::chartId).text, u"NoMedia");
  EXPECT_EQ(field(slot::illustrationExt).text, u"JPG");
  EXPECT_EQ(field(slot::charter).text, u"谱师B");
}

TEST_F(ChartImportTest, AFolderWithoutAChartToCopyOrACancelledDialogChangesNothing) {
  std::filesystem::create_directories(source / "Empty");
  // A folder where the chart should be: it exists but cannot be read as a file.
  std::filesystem::create_directories(source / "Odd" / "Odd.json");
  const struct {
    const char* name;
    std::optional<std::filesystem::path> chosen;  // none: the dialog cancelled
    std::vector<Text> messages;
    MessageButtons buttons;
  } cases[] = {
      {"cancelled", std::nullopt, {}, MessageButtons::Ok},
      {"no chart", source / "Empty", {u"Pim酱找不到谱面 ╭(╯^╰)╮"}, MessageButtons::YesNo},
      {"a name no one could type as the ID",
       source / "two\nlines",
       {u"Pim酱打不开谱面 ╭(╯^╰)╮"},
       MessageButtons::Ok},
      {"a folder as the chart", source / "Odd", {u"Pim酱打不开谱面 ╭(╯^╰)╮"}, MessageButtons::Ok},
  };
  const std::vector<Text> before = fieldTexts();
  for (const auto& c : cases) {
    platform.host.messages.clear();
    if (c.chosen) chooseFolder(*c.chosen);
    importChartFolder(*form);
    ASSERT_EQ(messageTexts(), c.messages) << c.name;
    if (!c.messages.empty()) {
      EXPECT_EQ(platform.host.messages[0].buttons, c.buttons) << c.name;
    }
    EXPECT_EQ(fieldTexts(), before) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "Empty.json"));
}

// The chart copied but its scan not written (a folder in the way of runfile.txt): the ID
// the form now holds is checked, not the one it replaced.
TEST_F(ChartImportTest, AChartCopiedButNotScannedIsCheckedUnderItsNewId) {
  std::filesystem::create_directories(dir / "runfile.txt");
  chooseFolder(chartFolder("Copied"));
  importChartFolder(*form);
  EXPECT_EQ(messageTexts().size(), 1u);
  EXPECT_EQ(field(slot::chartId).text, u"Copied");
  EXPECT_EQ(field(slot::chartId).committedText, u"Copied");
  EXPECT_TRUE(found(slot::chartId));
}

TEST_F(ChartImportTest, ChoosingTheEditorsOwnFolderKeepsItsChart) {
  const Text id = fileNameText(dir.path());
  const std::filesystem::path chart = dir / pathFromText(id + u".json");
  putFile(chart, testing::kSampleChart);
  chooseFolder(dir.path() / "");  // as a dialog may give it, with a trailing separator
  importChartFolder(*form);
  EXPECT_EQ(contents(chart), testing::kSampleChart);
  EXPECT_EQ(field(slot::chartId).text, id);
  EXPECT_EQ(field(slot::composer).text, u"曲师A");
}

// A chart folder named "save" whose music is "x.set" would copy it to "save.SET": on
// Windows the editor's own save.set. That file is not replaced by the import.
TEST_F(ChartImportTest, AMediumNamedLikeTheEditorsSaveSetIsNotCopiedOverIt) {
  std::string chart = testing::kSampleChart;
  chart.replace(chart.find("music.Ogg"), 9, "x.set");
  const std::filesystem::path folder = chartFolder("save", chart);
  putFile(folder / "save.set", "the chart folder's preset");
  putFile(dir / "save.set", "the user's form");
#ifndef _WIN32
  // Another name of the same file, as Windows' names that differ only in case are.
  std::filesystem::create_hard_link(dir / "save.set", dir / "save.SET");
#endif
  chooseFolder(folder);
  platform.host.answers.push_back(MessageAnswer::No);
  importChartFolder(*form);
  EXPECT_EQ(contents(dir / "save.set"), "the user's form");
  EXPECT_EQ(field(slot::audioExt).text, u"SET");
  EXPECT_EQ(messageTexts(), (std::vector<Text>{u"Pim酱找不到曲绘 ╭(╯^╰)╮",
                                               u"save.SET 就是编辑器自己的 save.set，Pim酱不会"
                                               u"用音乐替换它 ╭(╯^╰)╮"}));
}

// A chart over 256 MB, picked in a folder or named by the chart ID, is refused before a byte
// of it is copied or stripped.
TEST_F(ChartImportTest, AChartLargerThanAnyRecorderReadsIsRefusedBeforeAnyCopy) {
  const std::filesystem::path folder = chartFolder("Huge");
  dir.write("20220924.json", testing::kSampleChart);
  for (const auto& chart : {folder / "Huge.json", dir / "20220924.json"}) {
    std::filesystem::resize_file(chart, (std::uintmax_t{256} << 20) + 1);
  }
  const std::vector<Text> before = fieldTexts();
  chooseFolder(folder);
  importChartFolder(*form);
  autoFillFromChart(*form);

  ASSERT_EQ(platform.host.messages.size(), 2u);
  for (const auto& message : platform.host.messages) {
    EXPECT_NE(message.text.find(u"256 MB"), Text::npos);
  }
  EXPECT_EQ(fieldTexts(), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "Huge.json"));
  EXPECT_FALSE(std::filesystem::exists(dir / "runfile.txt"));
}

// The chart ID holds 50 units; the chart and its media are copied under that ID, so that
// the checks find what was just copied, and the user is told of the shorter name.
TEST_F(ChartImportTest, ALongFolderNameGivesTheShortenedIdToTheIdAndTheCopiesAlike) {
  const std::string name = "Artist_-_A_Long_Song_Title_Extended_Mix_Hard_v2_final_2024";
  const std::string id = name.substr(0, 50);
  const std::filesystem::path folder = chartFolder(name);
  putFile(folder / (name + ".JPG"), "picture");
  putFile(folder / (name + ".ogg"), "music");
  chooseFolder(folder);
  importChartFolder(*form);

  EXPECT_EQ(field(slot::chartId).text, textFromPath(id));
  EXPECT_EQ(contents(dir / (id + ".json")), copiedInTextMode(testing::kSampleChart));
  EXPECT_EQ(contents(dir / (id + ".JPG")), "picture");
  EXPECT_EQ(contents(dir / (id + ".OGG")), "music");
  for (const char* suffix : {".json", ".JPG", ".OGG"}) {
    EXPECT_FALSE(std::filesystem::exists(dir / (name + suffix))) << suffix;
  }
  EXPECT_TRUE(found(slot::chartId));
  EXPECT_TRUE(found(slot::audioExt));
  ASSERT_EQ(platform.host.messages.size(), 1u);
  EXPECT_NE(platform.host.messages[0].text.find(textFromPath(id) + u"\n"), Text::npos);
}

// The offer hangs under the chart ID once the chart is found; Yes on it runs the auto-fill,
// and the offer goes until the chart ID changes.
TEST(AutoFillOfferTest, YesOnTheOfferFillsTheFormFromTheChart) {
  testing::TempDir dir;
  dir.write("20220924.json", testing::kSampleChart);
  testing::TestPlatform platform;
  SettingsForm form(platform.platform(), dir.path());
  onWindowCreate(form);
  const StatusBubble& offer = form.bubbles[0];
  ASSERT_TRUE(offer.visible);
  ASSERT_EQ(offer.status, u"点击此处自动填写！");

  const int x = static_cast<int>(offer.boxLeft(form.metrics) + 5);
  const int y = static_cast<int>(offer.y + 5);
  platform.host.answers = {MessageAnswer::No, MessageAnswer::Yes};
  for (int answer = 0; answer < 2; ++answer) {
    handlePress(form, x, y);
    handleRelease(form, x, y, true);
    EXPECT_EQ(form.fields[slot::songName].text,
              answer == 0 ? u"Zarq Radoziro" : u"Sigma (Haocore Mix)");
  }
  EXPECT_EQ(form.fields[slot::composer].text, u"曲师A");
  EXPECT_EQ(form.fields[slot::chartLevel].text, u"HD  Lv.14");
  EXPECT_EQ(form.fields[slot::holdBpm].text, u"180.00");
  EXPECT_FALSE(offer.visible);
  dir.write("other.json", testing::kSampleChart);
  setSlotText(form, slot::chartId, u"other");
  validateAndCommit(form, slot::chartId);
  EXPECT_TRUE(offer.visible);
}

}  // namespace
}  // namespace zarq
