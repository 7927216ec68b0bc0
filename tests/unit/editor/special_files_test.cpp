// Pipes, folders and devices where the editor expects its files: each is refused at once,
// never waited on. Opening a FIFO that has no writer blocks for ever, so an alarm ends the
// test process, failing it, if anything does wait.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "editor/closing.h"
#include "editor/drop.h"
#include "editor/preset_actions.h"
#include "files/chart_fill.h"
#include "files/file_access.h"
#include "form/slot_text.h"
#include "support/form_fixture.h"
#include "validate/validation.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

enum class Kind { Fifo, Folder, Device };
constexpr Kind kKinds[] = {Kind::Fifo, Kind::Folder, Kind::Device};

const char* nameOf(Kind kind) {
  return kind == Kind::Fifo ? "FIFO" : kind == Kind::Folder ? "folder" : "device";
}

void makeSpecial(const fs::path& path, Kind kind) {
  switch (kind) {
    case Kind::Fifo:
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
      break;
    case Kind::Folder:
      fs::create_directory(path);
      break;
    case Kind::Device:
      fs::create_symlink("/dev/zero", path);  // endless bytes, never an end of file
      break;
  }
}

class SpecialFilesTest : public testing::FormTest {
 protected:
  void SetUp() override {
    ::alarm(20);
    FormTest::SetUp();
  }
  void TearDown() override { ::alarm(0); }
};

TEST_F(SpecialFilesTest, ASaveSetThatIsNoFileIsMovedAsideAtStart) {
  for (Kind kind : kKinds) {
    testing::TempDir folder;
    makeSpecial(folder / "save.set", kind);
    SettingsForm started(platform.platform(), folder.path());
    onWindowCreate(started);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "save.set"))) << nameOf(kind);
    EXPECT_TRUE(fs::exists(fs::symlink_status(folder / "save.set.unreadable"))) << nameOf(kind);
    EXPECT_TRUE(onCloseRequested(started)) << nameOf(kind);
    EXPECT_TRUE(fs::is_regular_file(folder / "save.set")) << nameOf(kind);
  }
  EXPECT_TRUE(platform.host.messages.empty());
}

TEST_F(SpecialFilesTest, OpeningOrDroppingAPresetThatIsNoFileFailsAtOnce) {
  for (Kind kind : kKinds) {
    const fs::path preset = dir / (std::string(nameOf(kind)) + ".set");
    makeSpecial(preset, kind);
    EXPECT_FALSE(loadPreset(*form, preset, false)) << nameOf(kind);
    platform.host.answers.push_back(MessageAnswer::Yes);
    handleDrop(*form, {preset});
    ASSERT_EQ(platform.host.messages.size(), 3u) << nameOf(kind);
    EXPECT_EQ(platform.host.messages[0].text, u"无法读取文件！");
    EXPECT_EQ(platform.host.messages[2].text, u"无法读取文件！");
    platform.host.messages.clear();
  }
}

TEST_F(SpecialFilesTest, AChartOrMediaThatIsNoFileIsNeverRead) {
  for (Kind kind : kKinds) {
    testing::TempDir folder;
    for (const char* name : {"c.json", "c.PNG", "c.WAV"}) makeSpecial(folder / name, kind);
    SettingsForm named(platform.platform(), folder.path());
    onWindowCreate(named);
    setSlotText(named, slot::chartId, u"c");
    setSlotText(named, slot::illustrationExt, u"PNG");
    setSlotText(named, slot::audioExt, u"WAV");
    // A folder passes the media's readability check, as it always has: only the pipe and
    // the device must be flagged there.
    for (int slot : {slot::chartId, slot::illustrationExt, slot::audioExt}) {
      validateAndCommit(named, slot, {.forced = true});
      if (slot == slot::chartId || kind != Kind::Folder) {
        EXPECT_TRUE(hasError(named, slot)) << nameOf(kind) << " " << slot;
      }
    }
    EXPECT_FALSE(scanChartFile(folder / "c.json", Strip::Yes)) << nameOf(kind);
    if (kind != Kind::Folder) {
      EXPECT_FALSE(fileReadable(osFileSystem(), folder / "c.PNG")) << nameOf(kind);
    }
    // A dropped chart that is no file cannot be copied in.
    const fs::path dropped = dir / (std::string("dropped-") + nameOf(kind) + ".json");
    makeSpecial(dropped, kind);
    platform.host.messages.clear();
    handleDrop(named, {dropped});
    ASSERT_EQ(platform.host.messages.size(), 1u) << nameOf(kind);
    EXPECT_EQ(platform.host.messages[0].text, u"Pim酱打不开谱面 ╭(╯^╰)╮") << nameOf(kind);
  }
}

}  // namespace
}  // namespace zarq
#endif
