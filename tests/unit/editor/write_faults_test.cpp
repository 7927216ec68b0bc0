// Every path of the editor that writes, with a fault injected at each of its file-system
// calls in turn (support/fault_sweep.h): the close and its autosave, the end of a session,
// Ctrl+S, a dropped preset, a dropped chart, the chart-folder import, the avatar picker and
// the auto-fill's "runfile.txt".

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/utf.h"
#include "editor/chart_import.h"
#include "editor/closing.h"
#include "editor/commands.h"
#include "editor/drop.h"
#include "editor/pages.h"
#include "editor/preset_actions.h"
#include "editor/window_events.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "support/fault_sweep.h"
#include "support/sample_chart.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "validate/validation.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::putFile;
using testing::sweepFaults;
using testing::SweepPath;
using testing::SweepRun;

// A preset whose chart ID says where it comes from.
std::string presetNamed(testing::TestPlatform& platform, const char* chartId) {
  SettingsForm form(platform.platform(), fs::temp_directory_path() / "zarq-no-such-folder");
  buildForm(form);
  setSlotText(form, slot::chartId, fromUtf8(chartId));
  const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(form));
  return std::string(bytes.begin(), bytes.end());
}

bool isFailure(const Text& text) {
  // A file that cannot even be looked at is told as one that is not there.
  for (const TextView start :
       {TextView(u"无法写入文件！"), TextView(u"无法读取文件！"), TextView(u"Pim酱打不开"),
        TextView(u"Pim酱没能把表单存进"), TextView(u"Pim酱找不到"), TextView(u"头像不存在")}) {
    if (text.starts_with(start)) return true;
  }
  // Saved, but the preset it replaced could not be kept in its history.
  return text.find(u"没能存进历史") != Text::npos;
}

class WriteFaultsTest : public ::testing::Test {
 protected:
  // The editor started in root/work on `files`, as the window starts it; the calls of the
  // start are not counted.
  std::unique_ptr<SettingsForm> start(FaultyFileSystem& files, const fs::path& root, int page) {
    platform.host.messages.clear();
    platform.host.answers.clear();
    platform.host.dialogResults.clear();
    fs::create_directories(root / "work");
    auto form = std::make_unique<SettingsForm>(platform.platform(files), root / "work");
    form->historyRoot = root / "data" / "history";
    onWindowCreate(*form);
    showPage(*form, page);
    return form;
  }
  // Whether a failure was told in a message box or, for a close that saves silently, on the
  // standard error (`said`).
  SweepRun told(bool done = true, const std::string& said = {}) {
    for (const auto& message : platform.host.messages) {
      if (isFailure(message.text)) return {done, true};
    }
    return {done, !said.empty()};
  }

  testing::TestPlatform platform;
  const std::string oldPreset = presetNamed(platform, "old");
};

// A version kept in the history is named by the time it was kept: any one holding the old
// preset is as good as the clean run's.
bool keptVersionOf(const std::string& old, const fs::path& name, const std::string& bytes) {
  return *name.begin() == "data" && bytes == old;
}

// The note that names a fallback file to the next start lies in a history named by the
// folder's path, which differs from run to run.
bool isRescueNote(const fs::path& name, const std::string& bytes) {
  return name.filename() == "rescued.txt" && bytes.find("save-") != std::string::npos;
}

TEST_F(WriteFaultsTest, ClosingTheWindowSavesTheFormOrAsks) {
  SweepPath path{"autosave on close, the old save.set kept in its history",
                 [&](const fs::path& root) { putFile(root / "work/save.set", oldPreset); },
                 [&](FaultyFileSystem& files, const fs::path& root) {
                   auto form = start(files, root, 1);
                   setSlotText(*form, slot::chartId, u"new");
                   // "No": close without saving, once the question has said why.
                   platform.host.answers.push_back(MessageAnswer::No);
                   files.begin();
                   ::testing::internal::CaptureStderr();
                   const bool closes = onCloseRequested(*form);
                   return told(closes, ::testing::internal::GetCapturedStderr());
                 },
                 [&](const fs::path& name, const std::string& bytes) {
                   return keptVersionOf(oldPreset, name, bytes);
                 }};
  sweepFaults(path);
  // In a folder that takes no new files, save.set is written in place: a kill midway may cut
  // it, once its history holds the old one.
  path.name = "autosave on close, written in place";
  path.refuseNewFilesIn = "work";
  path.stopMayCutTarget = true;
  path.oldKeptBelow = "data";
  sweepFaults(path);
}

TEST_F(WriteFaultsTest, TheEndOfASessionSavesTheFormInTheFolderOrInTheFallback) {
  SweepPath path{"autosave at the end of the session",
                 [&](const fs::path& root) { putFile(root / "work/save.set", oldPreset); },
                 {}};
  path.run = [&](FaultyFileSystem& files, const fs::path& root) {
    auto form = start(files, root, 1);
    setSlotText(*form, slot::chartId, u"new");
    files.begin();
    ::testing::internal::CaptureStderr();
    onSessionEnd(*form, root / "data");
    return told(true, ::testing::internal::GetCapturedStderr());
  };
  // The form in a fallback file is the form saved.
  const std::string expected = presetNamed(platform, "new");
  path.alsoFine = [&](const fs::path& name, const std::string& bytes) {
    return (name.parent_path() == "data" && bytes == expected) ||
           keptVersionOf(oldPreset, name, bytes) || isRescueNote(name, bytes);
  };
  sweepFaults(path);
}

TEST_F(WriteFaultsTest, TheFallbackOfASessionsEndIsWrittenWholeOrSaidToBeLost) {
  const std::string expected = presetNamed(platform, "new");
  sweepFaults(
      {"the fallback file at the end of a session",
       [](const fs::path& root) { fs::create_directories(root / "work"); },
       [&](FaultyFileSystem& files, const fs::path& root) {
         auto form = start(files, root, 1);
         setSlotText(*form, slot::chartId, u"new");
         // A "save.set" that cannot be written: the form goes to the fallback.
         fs::create_directory(root / "work/save.set");
         files.begin();
         ::testing::internal::CaptureStderr();
         const SessionEndSave saved = onSessionEnd(*form, root / "data");
         const std::string said = ::testing::internal::GetCapturedStderr();
         return SweepRun{!saved.fallback.empty(),
                         said.find("it is lost") != std::string::npos ||
                             said.find("the next start cannot name it") != std::string::npos};
       },
       [&](const fs::path& name, const std::string& bytes) {
         return (name.parent_path() == "data" && bytes == expected) || isRescueNote(name, bytes);
       }});
}

TEST_F(WriteFaultsTest, CtrlSReplacesTheChosenPresetOrSaysWhyNot) {
  sweepFaults({"Ctrl+S over an existing preset",
               [&](const fs::path& root) { putFile(root / "elsewhere/p.set", oldPreset); },
               [&](FaultyFileSystem& files, const fs::path& root) {
                 auto form = start(files, root, 1);
                 setSlotText(*form, slot::chartId, u"new");
                 platform.host.dialogResults.push_back(root / "elsewhere/p.set");
                 platform.host.answers.push_back(MessageAnswer::Yes);
                 files.begin();
                 onCommand(*form, Command::Save);
                 return told();
               },
               [&](const fs::path& name, const std::string& bytes) {
                 return keptVersionOf(oldPreset, name, bytes);
               }});
}

// Written, but its folder could not be pushed to the disk: the file is there and said to be,
// with the power cut it may not survive, never as a write that failed or a form lost. So are
// the copies into the editor's folder, each of them.
TEST_F(WriteFaultsTest, AFolderThatCannotBeFlushedIsToldAsSuchNotAsAFailure) {
  const std::string newForm = presetNamed(platform, "new");
  const struct {
    const char* name;
    std::function<void(SettingsForm&, const fs::path& root)> run;
    std::vector<const char*> files;  // what was written, below the root; the new form first
    std::string firstBytes;          // the first one's bytes, or empty when they do not matter
  } cases[] = {
      {"Ctrl+S",
       [&](SettingsForm& form, const fs::path& root) {
         platform.host.dialogResults.push_back(root / "elsewhere.set");
         onCommand(form, Command::Save);
       },
       {"elsewhere.set"},
       newForm},
      {"the close",
       [](SettingsForm& form, const fs::path&) { onCloseRequested(form); },
       {"work/save.set"},
       newForm},
      {"the fallback at the end of a session",
       [](SettingsForm& form, const fs::path& root) {
         fs::create_directory(root / "work/save.set");
         onSessionEnd(form, root / "fallback");
       },
       {"fallback"},
       newForm},
      {"a dropped chart",
       [&](SettingsForm& form, const fs::path& root) {
         putFile(root / "charts/drop.json", testing::kSampleChart);
         platform.host.answers.push_back(MessageAnswer::No);
         onDrop(form, {root / "charts/drop.json"});
       },
       {"work/drop.json"},
       ""},
      {"the chart-folder import",
       [&](SettingsForm& form, const fs::path& root) {
         putFile(root / "charts/song/song.json", testing::kSampleChart);
         putFile(root / "charts/song/song.JPG", "picture");
         putFile(root / "charts/song/song.OGG", "music");
         platform.host.dialogResults.push_back(root / "charts/song");
         onCommand(form, Command::PageDialog);
       },
       {"work/song.json", "work/song.JPG", "work/song.OGG"},
       ""},
      {"the avatar",
       [&](SettingsForm& form, const fs::path& root) {
         putFile(root / "pictures/me.png", "avatar");
         showPage(form, 4);
         platform.host.dialogResults.push_back(root / "pictures/me.png");
         onCommand(form, Command::PageDialog);
       },
       {"work/me.png"},
       ""},
  };
  for (const auto& c : cases) {
    testing::TempDir root;
    FaultyFileSystem files;
    auto form = start(files, root.path(), 1);
    setSlotText(*form, slot::chartId, u"new");
    files.foldersUnflushed = true;
    ::testing::internal::CaptureStderr();
    c.run(*form, root.path());
    const std::string said = ::testing::internal::GetCapturedStderr();
    for (const char* name : c.files) {
      fs::path file = root / name;
      if (fs::is_directory(file)) {
        ASSERT_FALSE(fs::is_empty(file)) << c.name;
        file = fs::directory_iterator(file)->path();
      }
      EXPECT_FALSE(testing::contents(file).empty()) << c.name << ": " << name;
      if (name == c.files.front() && !c.firstBytes.empty()) {
        EXPECT_EQ(testing::contents(file), c.firstBytes) << c.name;
      }
    }
    Text shown;
    for (const auto& message : platform.host.messages) shown += message.text;
    const auto count = [](const auto& text, const auto& word) {
      std::size_t n = 0;
      for (auto at = text.find(word); at != text.npos; at = text.find(word, at + 1)) ++n;
      return n;
    };
    // One warning for each file written.
    EXPECT_EQ(count(said, std::string("may not survive a power cut")) +
                  count(shown, Text(u"突然断电的话")),
              c.files.size())
        << c.name << ": " << said;
    EXPECT_EQ(said.find("lost"), std::string::npos) << c.name << ": " << said;
    EXPECT_EQ(shown.find(u"无法写入文件"), Text::npos) << c.name;
  }
}

TEST_F(WriteFaultsTest, ADroppedPresetLoadsOrSaysWhyNot) {
  sweepFaults({"a preset dropped and loaded",
               [&](const fs::path& root) { putFile(root / "elsewhere/p.set", oldPreset); },
               [&](FaultyFileSystem& files, const fs::path& root) {
                 auto form = start(files, root, 3);
                 platform.host.answers.push_back(MessageAnswer::Yes);
                 files.begin();
                 onDrop(*form, {root / "elsewhere/p.set"});
                 return told(form->fields[slot::chartId].text == u"old");
               }});
}

TEST_F(WriteFaultsTest, ADroppedChartIsCopiedWholeOrNotAtAll) {
  sweepFaults(
      {"the chart drop and its auto-fill",
       [&](const fs::path& root) { putFile(root / "charts/drop.json", testing::kSampleChart); },
       [&](FaultyFileSystem& files, const fs::path& root) {
         auto form = start(files, root, 1);
         platform.host.answers.push_back(MessageAnswer::Yes);
         files.begin();
         onDrop(*form, {root / "charts/drop.json"});
         // A copy that cannot be read back is told by the chart ID's error.
         SweepRun run = told();
         run.told = run.told || hasError(*form, slot::chartId);
         return run;
       }});
}

TEST_F(WriteFaultsTest, TheChartFolderImportCopiesChartPictureAndMusicWholeOrNotAtAll) {
  sweepFaults({"the chart-folder import (chart, picture, music)",
               [&](const fs::path& root) {
                 putFile(root / "charts/song/song.json", testing::kSampleChart);
                 putFile(root / "charts/song/song.JPG", std::string(3000, 'p'));
                 putFile(root / "charts/song/song.OGG", std::string(70'000, 'm'));  // two blocks
                 // An earlier import's music, to be replaced.
                 putFile(root / "work/song.OGG", "old music");
               },
               [&](FaultyFileSystem& files, const fs::path& root) {
                 auto form = start(files, root, 1);
                 platform.host.dialogResults.push_back(root / "charts/song");
                 files.begin();
                 onCommand(*form, Command::PageDialog);
                 return told();
               }});
}

TEST_F(WriteFaultsTest, TheAvatarIsCopiedWholeOrNotAtAll) {
  sweepFaults(
      {"the avatar dialog",
       [&](const fs::path& root) { putFile(root / "pictures/me.png", std::string(70'000, 'a')); },
       [&](FaultyFileSystem& files, const fs::path& root) {
         auto form = start(files, root, 4);
         platform.host.dialogResults.push_back(root / "pictures/me.png");
         files.begin();
         onCommand(*form, Command::PageDialog);
         return told();
       }});
}

TEST_F(WriteFaultsTest, TheAutoFillReplacesRunfileWholeOrNotAtAll) {
  sweepFaults({"runfile.txt of the auto-fill",
               [&](const fs::path& root) {
                 putFile(root / "work/20220924.json", testing::kSampleChart);
                 putFile(root / "work/runfile.txt", "an earlier chart");
               },
               [&](FaultyFileSystem& files, const fs::path& root) {
                 auto form = start(files, root, 1);
                 files.begin();
                 autoFillFromChart(*form);
                 return told();
               }});
}

}  // namespace
}  // namespace zarq
