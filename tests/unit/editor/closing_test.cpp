#include "editor/closing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iterator>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/preset_actions.h"
#include "editor/work_folder_lock.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/slot_text.h"
#include "support/faulty_file_system.h"
#include "support/form_fixture.h"
#include "support/unprivileged_user.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kSaveTitle[] = u"Zarq Radoziro 设置填写器 - 保存";

using testing::contents;

class ClosingTest : public testing::FormTest {
 protected:
  // The editor on `files`, with a chart ID typed since the start.
  void startOn(FileSystem& files) {
    form = std::make_unique<SettingsForm>(platform.platform(files), dir.path());
    onWindowCreate(*form);
    setSlotText(*form, slot::chartId, u"typed");
  }
  // The end of a session with `fallback` as its fallback folder, and what it wrote on the
  // standard error.
  std::pair<SessionEndSave, std::string> endSession(const fs::path& fallback) {
    ::testing::internal::CaptureStderr();
    const SessionEndSave saved = onSessionEnd(*form, fallback);
    return {saved, ::testing::internal::GetCapturedStderr()};
  }
  std::string formBytes() {
    const std::vector<std::uint8_t> bytes = encodePreset(presetFromForm(*form));
    return std::string(bytes.begin(), bytes.end());
  }
};

// A full disk, or a "save.set" that became a folder since the start: either way the form
// cannot go there.
TEST_F(ClosingTest, AFailedAutosaveAsksWhetherToSaveElsewhereCloseOrGoBack) {
  testing::FaultyFileSystem fullDisk;
  fullDisk.diskFull = true;
  const struct {
    const char* name;
    std::vector<MessageAnswer> answers;
    bool chosenFile;
    bool closes;
    int questions;
  } cases[] = {
      {"close without saving", {MessageAnswer::No}, false, true, 1},
      {"back to the window", {MessageAnswer::Cancel}, false, false, 1},
      {"save elsewhere", {MessageAnswer::Yes}, true, true, 1},
      {"save dialog cancelled", {MessageAnswer::Yes, MessageAnswer::Cancel}, false, false, 2},
  };
  for (const auto& c : cases) {
    for (const bool diskFull : {true, false}) {
      fs::remove_all(dir / "save.set");
      startOn(diskFull ? static_cast<FileSystem&>(fullDisk) : osFileSystem());
      if (!diskFull) fs::create_directory(dir / "save.set");
      platform.host.messages.clear();
      platform.host.answers.assign(c.answers.begin(), c.answers.end());
      if (c.chosenFile) platform.host.dialogResults.push_back(dir / "elsewhere");
      // Saving elsewhere fails on a full disk too, and the question comes again.
      const bool saved = c.chosenFile && !diskFull;
      const bool refused = c.chosenFile && diskFull;
      EXPECT_EQ(onCloseRequested(*form), c.closes && !refused) << c.name;
      const auto& messages = platform.host.messages;
      ASSERT_GE(messages.size(), 1u) << c.name;
      EXPECT_EQ(messages[0].title, kSaveTitle);
      EXPECT_EQ(messages[0].buttons, MessageButtons::YesNoCancel);
      EXPECT_NE(messages[0].text.find(diskFull ? u"磁盘满了" : u"那里不是普通的文件"), Text::npos)
          << c.name;
      EXPECT_EQ(
          std::count_if(messages.begin(), messages.end(),
                        [](const auto& m) { return m.buttons == MessageButtons::YesNoCancel; }),
          c.questions + (refused ? 1 : 0))
          << c.name;
      EXPECT_EQ(fs::exists(dir / "elsewhere.set"), saved) << c.name;
      if (saved) {
        EXPECT_EQ(contents(dir / "elsewhere.set"), formBytes()) << c.name;
      }
      fs::remove(dir / "elsewhere.set");
      EXPECT_FALSE(fs::is_regular_file(dir / "save.set")) << c.name;
    }
  }
}

TEST_F(ClosingTest, ASaveSetThatCouldNotBeMovedAsideIsNeitherOverwrittenNorLostSilently) {
  form->keepSavedForm = true;
  platform.host.messages.clear();
  EXPECT_FALSE(onCloseRequested(*form));
  ASSERT_EQ(platform.host.messages.size(), 1u);
  EXPECT_NE(platform.host.messages[0].text.find(u"不敢覆盖"), Text::npos);
  EXPECT_FALSE(fs::exists(dir / "save.set"));
}

// A history that cannot take the old "save.set" asks, as a failed save does, with the reason.
TEST_F(ClosingTest, ASaveSetTheHistoryCannotKeepIsNotReplacedUnasked) {
  dir.write("data", "a file where the history's folder should be");
  const struct {
    MessageAnswer answer;
    bool closes;
  } cases[] = {{MessageAnswer::Cancel, false}, {MessageAnswer::No, true}};
  for (const auto& c : cases) {
    startOn(osFileSystem());
    form->historyRoot.clear();
    ASSERT_TRUE(savePreset(*form, dir / "save.set", true));
    const std::string before = contents(dir / "save.set");
    setSlotText(*form, slot::chartId, u"typed since");
    form->historyRoot = dir / "data" / "history";
    platform.host.messages.clear();
    platform.host.answers.assign({c.answer});
    EXPECT_EQ(onCloseRequested(*form), c.closes);
    ASSERT_EQ(platform.host.messages.size(), 1u);
    const Text& said = platform.host.messages[0].text;
    EXPECT_NE(said.find(u"没能存进历史"), Text::npos);
    EXPECT_NE(said.find(u"那里已经有同名的东西了"), Text::npos);
    EXPECT_EQ(contents(dir / "save.set"), before);
  }
}

TEST_F(ClosingTest, TheEndOfASessionSavesToTheFallbackWhenSaveSetCannotBeWritten) {
  startOn(osFileSystem());
  fs::create_directory(dir / "save.set");
  const struct {
    const char* name;
    fs::path fallbackFolder;
    bool rescued;
  } cases[] = {
      {"a data folder to make", dir / "data" / "zarq-settings", true},
      {"no data folder to be had", dir / "elsewhere.set" / "zarq-settings", false},
  };
  dir.write("elsewhere.set", "a file where a folder should be");
  for (const auto& c : cases) {
    const auto [saved, said] = endSession(c.fallbackFolder);
    EXPECT_FALSE(saved.savedInFolder) << c.name;
    EXPECT_EQ(saved.fallback.empty(), !c.rescued) << c.name;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    if (c.rescued) {
      EXPECT_EQ(saved.fallback.parent_path(), c.fallbackFolder);
      EXPECT_NE(said.find(saved.fallback.string()), std::string::npos) << said;
      EXPECT_EQ(contents(saved.fallback), formBytes());
    } else {
      EXPECT_NE(said.find("it is lost"), std::string::npos) << said;
    }
  }
  // A second end of a session never writes over the first one's file.
  endSession(dir / "data" / "zarq-settings");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "data" / "zarq-settings"), {}), 2);
  EXPECT_TRUE(platform.host.messages.empty());
}

// The form goes where the user says, never into another folder that took the first one's path,
// nor back into the first one where it went.
TEST_F(ClosingTest, AFolderGoneOrReplacedSinceTheStartIsNotWrittenUnasked) {
  const struct {
    const char* name;
    bool renamedAway;
  } cases[] = {
      {"renamed away, and a new one at its path", true},
#ifndef _WIN32
      // Wine keeps a removed folder at its path for as long as a handle holds it.
      {"removed", false},
#endif
  };
  for (const auto& c : cases) {
    const fs::path work = dir / "work", away = dir / "away";
    fs::create_directory(work);
    form = std::make_unique<SettingsForm>(platform.platform(), work);
    onWindowCreate(*form);
    if (c.renamedAway) {
      fs::rename(work, away);
      fs::create_directory(work);
    } else {
      fs::remove_all(work);
    }
    platform.host.messages.clear();
    // A file chosen at the folder's old path would go into the folder gone: refused, and the
    // question again.
    platform.host.answers.assign({MessageAnswer::Yes, MessageAnswer::No});
    platform.host.dialogResults.assign({work / "mine.set"});
    EXPECT_TRUE(onCloseRequested(*form)) << c.name;
    ASSERT_EQ(platform.host.messages.size(), 3u) << c.name;
    for (const auto& message : platform.host.messages) {
      EXPECT_NE(message.text.find(u"不是打开时的那一个"), Text::npos) << c.name;
    }
    EXPECT_FALSE(fs::exists(work / "mine.set") || fs::exists(away / "mine.set")) << c.name;
    const auto [saved, said] = endSession(dir / "data");
    EXPECT_FALSE(saved.savedInFolder) << c.name;
    EXPECT_TRUE(contents(saved.fallback) == formBytes()) << c.name;
    EXPECT_NE(said.find("renamed or replaced since the start"), std::string::npos) << said;
    EXPECT_FALSE(fs::exists(work / "save.set") || fs::exists(away / "save.set")) << c.name;
    form.reset();
    fs::remove_all(work);
    fs::remove_all(away);
  }
}

// Another program wrote "save.set" while the window was open: the close asks before replacing
// it. Written anew with the same bytes, removed, or saved by the editor itself, it is no change.
TEST_F(ClosingTest, ASaveSetChangedUnderTheEditorIsNotReplacedUnasked) {
  const std::string theirs = "another program's preset";
  const std::function<void()> rewrite = [&] { dir.write("save.set", theirs); };
  const std::function<void()> sameBytes = [&] {
    const std::string same = contents(dir / "save.set");
    fs::remove(dir / "save.set");
    dir.write("save.set", same);
  };
  const std::function<void()> removed = [&] { fs::remove(dir / "save.set"); };
  const std::function<void()> savedWithCtrlS = [&] {
    platform.host.dialogResults.push_back(dir / "save.set");
    platform.host.answers.push_back(MessageAnswer::Yes);
    saveToChosenFile(*form);
  };
  // Another name of the same file, as "SAVE" is on Windows; the form typed into since.
  const std::function<void()> savedUnderOtherName = [&] {
    setSlotText(*form, slot::chartId, u"typed again");
    platform.host.dialogResults.push_back(dir / "." / "save");
    platform.host.answers.push_back(MessageAnswer::Yes);
    saveToChosenFile(*form);
  };
  const struct {
    const char* name;
    bool existedAtStart;
    const std::function<void()>& meanwhile;
    std::vector<MessageAnswer> answers;
    bool asked, closes, replaced;
  } cases[] = {
      {"rewritten, replace", true, rewrite, {MessageAnswer::Yes}, true, true, true},
      {"rewritten, save elsewhere", true, rewrite, {MessageAnswer::No}, true, true, false},
      {"rewritten, back to the window", true, rewrite, {MessageAnswer::Cancel}, true, false, false},
      {"made where there was none", false, rewrite, {MessageAnswer::Cancel}, true, false, false},
      {"written anew, same bytes", true, sameBytes, {}, false, true, true},
      {"removed", true, removed, {}, false, true, true},
      {"saved there with Ctrl+S", true, savedWithCtrlS, {}, false, true, true},
      {"saved there under another name", true, savedUnderOtherName, {}, false, true, true},
  };
  for (const auto& c : cases) {
    fs::remove(dir / "save.set");
    if (c.existedAtStart) {
      ASSERT_TRUE(writePresetFile(dir / "save.set", presetFromForm(*form)));
    }
    startOn(osFileSystem());
    c.meanwhile();
    const std::string before = contents(dir / "save.set");
    platform.host.messages.clear();
    platform.host.answers.assign(c.answers.begin(), c.answers.end());
    platform.host.dialogResults.assign({dir / "elsewhere.set"});
    EXPECT_EQ(onCloseRequested(*form), c.closes) << c.name;
    const bool asked = !platform.host.messages.empty() &&
                       platform.host.messages[0].text.find(u"被别的程序改过了") != Text::npos;
    EXPECT_EQ(asked, c.asked) << c.name;
    EXPECT_TRUE(contents(dir / "save.set") == (c.replaced ? formBytes() : before)) << c.name;
    EXPECT_EQ(fs::exists(dir / "elsewhere.set"), c.asked && c.closes && !c.replaced) << c.name;
    fs::remove(dir / "elsewhere.set");
    platform.host.dialogResults.clear();
  }
  // No one to ask at the end of a session: the changed file stays, and the form goes to the
  // fallback folder.
  startOn(osFileSystem());
  dir.write("save.set", theirs);
  const auto [saved, said] = endSession(dir / "data");
  EXPECT_EQ(contents(dir / "save.set"), theirs);
  EXPECT_TRUE(contents(saved.fallback) == formBytes()) << said;
  EXPECT_NE(said.find("another program changed it"), std::string::npos) << said;
}

// An editor on Windows, or started from a menu, shows no standard error: the next start in
// the folder names the file the end of a session saved the form to, once.
TEST_F(ClosingTest, TheNextStartNamesWhereTheEndOfASessionSavedTheForm) {
  startOn(osFileSystem());
  ASSERT_TRUE(writePresetFile(dir / "save.set", presetFromForm(*form)));
  setSlotText(*form, slot::chartId, u"typed since");
  form->historyRoot = dir / "data" / "history";
  const auto [saved, said] = endSession(dir / "data");
  ASSERT_FALSE(saved.fallback.empty()) << said;
  for (const int told : {1, 0}) {
    platform.host.messages.clear();
    form = std::make_unique<SettingsForm>(platform.platform(osFileSystem()), dir.path());
    form->historyRoot = dir / "data" / "history";
    onWindowCreate(*form);
    platform.loop.runPosted();
    const auto names = [&](const RecordedMessage& message) {
      return message.text.find(textFromPath(saved.fallback)) != Text::npos;
    };
    EXPECT_EQ(std::count_if(platform.host.messages.begin(), platform.host.messages.end(), names),
              told);
  }
  EXPECT_TRUE(fs::exists(saved.fallback));
}

TEST_F(ClosingTest, OneEditorPerFolder) {
  const FolderLock first(dir.path());
  ASSERT_EQ(first.state(), FolderLock::State::Held);
  const struct {
    const char* name;
    bool otherShown;
    const char* preset;  // the one this start was to open, or ""
    std::size_t messages;
  } cases[] = {
      {"the other window comes to the front", true, "", 0},
      {"it cannot: a message says so", false, "", 1},
      {"the preset to open is not in the other window: a message says so", true, "p.set", 1},
  };
  for (const auto& c : cases) {
    platform.host.messages.clear();
    int asked = 0;
    ::testing::internal::CaptureStderr();
    const auto second = lockWorkFolder(
        dir.path(), platform.loop,
        [&] {
          ++asked;
          return c.otherShown;
        },
        c.preset);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(second, nullptr) << c.name;
    EXPECT_EQ(asked, 1) << c.name;
    EXPECT_NE(said.find("is open in another editor window"), std::string::npos) << c.name;
    ASSERT_EQ(platform.host.messages.size(), c.messages) << c.name;
    if (c.messages) {
      EXPECT_NE(platform.host.messages[0].text.find(u"另一个设置填写器窗口"), Text::npos);
      EXPECT_NE(platform.host.messages[0].text.find(fromUtf8(c.preset)), Text::npos) << c.name;
    }
  }
  testing::TempDir other;
  EXPECT_NE(lockWorkFolder(other.path(), platform.loop, [] { return false; }), nullptr);
}

TEST_F(ClosingTest, TheLockEndsWithItsHolder) {
  { const FolderLock first(dir.path()); }
  EXPECT_FALSE(fs::exists(dir / ".zarq-settings.lock"));
  EXPECT_EQ(FolderLock(dir.path()).state(), FolderLock::State::Held);
}

#ifndef _WIN32
// A drop folder: its user may put files in it but not list it.
TEST_F(ClosingTest, AFolderThatCannotBeListedIsLockedAndHeldToo) {
  fs::permissions(dir.path(), static_cast<fs::perms>(0333));
  const std::optional<bool> secondKeptOut = testing::asUnprivilegedUser([&] {
    const FolderLock first(dir.path());
    const auto hold = osFileSystem().holdFolder(dir.path());
    return first.state() == FolderLock::State::Held &&
           FolderLock(dir.path()).state() == FolderLock::State::Taken && hold &&
           osFileSystem().heldFolderInPlace(dir.path()) == FileError::None;
  });
  fs::permissions(dir.path(), fs::perms::owner_all);
  ASSERT_TRUE(secondKeptOut.has_value());
  EXPECT_TRUE(*secondKeptOut);
}
#endif

TEST_F(ClosingTest, TheStartRemovesWhatAKilledEditorLeftHalfWritten) {
  const fs::path killed = dir.write(".zarq-k1lled00.tmp", "half a preset");
  fs::last_write_time(killed, fs::last_write_time(killed) - std::chrono::hours(2));
  dir.write("notes.tmp", "the user's");
  SettingsForm started(platform.platform(), dir.path());
  onWindowCreate(started);
  EXPECT_FALSE(fs::exists(dir / ".zarq-k1lled00.tmp"));
  EXPECT_TRUE(fs::exists(dir / "notes.tmp"));
}

TEST_F(ClosingTest, TheExitStatusTellsASaveFromAFallbackFromALoss) {
  const SessionEndSave inFolder{true, {}}, inFallback{false, "/data/save-1.set"}, lost{};
  const struct {
    bool closedUnsaved;
    std::optional<SessionEndSave> end;
    int signal, status;
  } cases[] = {
      {false, std::nullopt, 0, 0},
      {true, std::nullopt, 0, kExitFormLost},
      {false, inFolder, 15, 128 + 15},
      {false, inFolder, 0, 0},
      {false, inFallback, 15, kExitFormInFallback},
      {false, inFallback, 0, kExitFormInFallback},
      {false, lost, 2, kExitFormLost},
      {false, lost, 0, kExitFormLost},
  };
  for (const auto& c : cases) {
    form->closedUnsaved = c.closedUnsaved;
    EXPECT_EQ(exitStatus(*form, c.end, c.signal), c.status) << c.signal;
  }
}

}  // namespace
}  // namespace zarq
