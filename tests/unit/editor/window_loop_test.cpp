// The window loop's rules, the same on every desktop: posted work waits its turn, a closed
// question is a No or a Cancel, the session's end answers every dialog and saves once, the
// caret is told only when it moved, the form fits the screen, the pointer counts inside the
// window, a drop waits for its end, an idle window lets its frame go.

#include "editor/window_loop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "editor/mouse.h"
#include "files/preset_file.h"
#include "form/slot_text.h"
#include "input_fixture.h"

namespace zarq {
namespace {

using testing::ScriptedHost;

class WindowLoopTest : public testing::InputTest {};

TEST(AnswerTest, AQuestionClosedWithoutAnAnswerIsNoOrCancelWhereItOffersOne) {
  const struct {
    MessageButtons buttons;
    MessageAnswer pressed, counted;
  } cases[] = {
      {MessageButtons::Ok, MessageAnswer::Cancel, MessageAnswer::Ok},
      {MessageButtons::YesNo, MessageAnswer::Yes, MessageAnswer::Yes},
      {MessageButtons::YesNo, MessageAnswer::No, MessageAnswer::No},
      {MessageButtons::YesNo, MessageAnswer::Cancel, MessageAnswer::No},
      {MessageButtons::YesNoCancel, MessageAnswer::No, MessageAnswer::No},
      {MessageButtons::YesNoCancel, MessageAnswer::Cancel, MessageAnswer::Cancel},
      {MessageButtons::YesNoCancel, MessageAnswer::Ok, MessageAnswer::Cancel},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(answerOf(c.buttons, c.pressed), c.counted) << static_cast<int>(c.buttons);
  }
}

TEST_F(WindowLoopTest, PostedWorkRunsWhenDueAndNeverInsideADialogOrLongWork) {
  std::vector<int> order;
  std::thread([&] {
    loop().postToWindowThread(150, [&] { order.push_back(3); });
    loop().postToWindowThread(0, [&] { order.push_back(1); });
    loop().postToWindowThread(0, [&] { order.push_back(2); });
  }).join();
  EXPECT_EQ(loop().runPosted(), 2);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  host().now += 150;
  // A message box and long work run loops of their own: what falls due waits for their end.
  const auto nothingRuns = [&] { EXPECT_EQ(loop().runPosted(), 0); };
  host().events = {nothingRuns, nothingRuns};
  loop().messageBox(u"!", u"t", MessageButtons::Ok);
  loop().runLongWork([] {}, [] {});
  EXPECT_TRUE(host().events.empty());
  EXPECT_EQ(loop().runPosted(), 1);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

// The clock's milliseconds since the start pass 2^31 after 24.8 days: a window open that
// long still animates only while something moves, and posted work falls due on time.
TEST_F(WindowLoopTest, AWindowOpenForWeeksNeitherSpinsNorLosesItsTimers) {
  constexpr std::int64_t kPast31Bits = std::int64_t{1} << 31;
  host().now = kPast31Bits + 1000;
  EXPECT_FALSE(animationRunning(*form));
  const PageArrow& left = form->arrows[0];
  handleMouseMove(*form, left.x, left.y);
  EXPECT_TRUE(animationRunning(*form));
  host().now += 2 * left.duration;
  EXPECT_FALSE(animationRunning(*form));

  int ran = 0;
  host().now = kPast31Bits - 1000;
  loop().postToWindowThread(2000, [&] { ++ran; });
  EXPECT_EQ(loop().runPosted(), 0);
  host().now = kPast31Bits + 1000;
  EXPECT_EQ(loop().runPosted(), 1);
  EXPECT_EQ(ran, 1);
}

TEST_F(WindowLoopTest, AnIdleWindowLetsItsFrameGoASecondAfterTheLastOneShown) {
  int letGo = 0;
  const auto present = [&] { loop().framePresented([&] { ++letGo; }); };
  present();
  host().now += 600;
  present();
  host().now += 400;
  loop().runPosted();
  EXPECT_EQ(letGo, 0) << "a frame shown 400 ms ago";
  host().now += 600;
  loop().runPosted();
  EXPECT_EQ(letGo, 1);
  host().now += 5000;
  loop().runPosted();
  EXPECT_EQ(letGo, 1) << "let go once per rest";
  present();
  loop().windowGone();
  host().now += 1000;
  loop().runPosted();
  EXPECT_EQ(letGo, 1) << "no window, no frame";
}

TEST_F(WindowLoopTest, LongWorkRunsAwayFromTheWindowWhichPaintsAndHoldsItsInput) {
  std::thread::id worker;
  int painted = 0;
  host().events = {[&] {
    command(Command::Page2);
    host().now += 60;
  }};
  loop().runLongWork([&] { worker = std::this_thread::get_id(); }, [&] { ++painted; });
  EXPECT_NE(worker, std::this_thread::get_id());
  EXPECT_GE(painted, 1);
  EXPECT_EQ(form->currentPage, 1);
  loop().runPosted();
  EXPECT_EQ(form->currentPage, 2);
}

TEST_F(WindowLoopTest, TheCaretIsToldOnlyWhenItMovedOrWasMadeAnew) {
  loop().setCaretPos(10, 20, 15);
  host().caretX = -1;
  loop().setCaretPos(10, 20, 15);
  EXPECT_EQ(host().caretX, -1);
  loop().placeCaretAgain();
  loop().setCaretPos(10, 20, 15);
  EXPECT_EQ(host().caretX, 10);
}

TEST_F(WindowLoopTest, TheFormFitsTheScreenAtTheZoomAndANewScalePlacesTheCaretAgain) {
  const struct {
    ScreenRoom room;
    std::optional<int> zoom;
    double scale;
    int shown;
  } cases[] = {
      {{1.5, 944, 681, 4000, 4000}, 100, 1.5, 100},
      {{1.5, 944, 681, 4000, 4000}, std::nullopt, 1.5, 100},  // the zoom asked for last
      {{1.5, 944, 681, 1888, 4000}, 200, 2, 133},             // the screen holds no more
      {{1, 944, 681, 0, 0}, std::nullopt, 2, 200},            // no room known: no limit
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(loop().fit(*form, c.room, c.zoom), c.scale);
    EXPECT_EQ(loop().shownZoom(), c.shown) << c.room.width;
    EXPECT_DOUBLE_EQ(form->windowScale, c.scale);
  }
  loop().setCaretPos(10, 20, 15);
  host().caretX = -1;
  // The desktop hears of it in the window's pixels.
  loop().fit(*form, {1, 944, 681, 0, 0}, 300);
  loop().setCaretPos(10, 20, 15);
  EXPECT_EQ(host().caretX, 30);
  EXPECT_EQ(host().caretY, 60);
}

TEST_F(WindowLoopTest, ThePointerCountsInsideTheWindowAndAReleaseAfterALeaveIsNone) {
  // At twice the size the window's pixels are halved to the form's.
  loop().fit(*form, {1, 944, 681, 0, 0}, 200);
  const CheckBox& box = form->checkBoxes[0];
  const bool before = box.checked();
  const int formX = static_cast<int>(box.x);
  const double x = 2 * formX + 1.5, y = 2 * static_cast<int>(box.y) + 1.5;
  loop().pointerMoved(*form, x, y);
  loop().pointerMoved(*form, 2 * 944, y);  // held outside the window
  EXPECT_EQ(form->mouseX, formX);
  // Left in the background: no release then, and none when the button comes up later.
  host().foreground = false;
  loop().buttonDown(*form, x, y);
  loop().pointerLeft(*form);
  loop().buttonUp(*form, x, y);
  EXPECT_EQ(box.checked(), before);
  loop().pointerEntered();
  loop().buttonDown(*form, x, y);
  loop().buttonUp(*form, x, y);
  EXPECT_NE(box.checked(), before);
}

TEST_F(WindowLoopTest, ADropIsTakenOnceItHasEndedAndNeverWhileAMessageBoxIsOpen) {
  const auto dropChart = [&] { loop().drop(*form, {dir / "dropped.json"}); };
  host().events = {dropChart};
  loop().messageBox(u"!", u"t", MessageButtons::Ok);
  EXPECT_EQ(loop().runPosted(), 0);
  dropChart();
  EXPECT_EQ(loop().runPosted(), 1);
}

// The window's close asked for while a box or a dialog is open is kept, and acted on once.
TEST_F(WindowLoopTest, ACloseDuringAMessageBoxOrADialogClosesTheWindowAfterIt) {
  const std::function<void()> dialogs[] = {
      [&] {
        loop().messageBox(u"!", u"t", MessageButtons::Ok);
        loop().messageBox(u"!", u"t", MessageButtons::Ok);
      },
      [&] {
        loop().chooseOpenFile(u"f", u"*.set");
        loop().chooseFolder(u"f");
      },
  };
  const auto close = [&] { loop().closeBox(*form); };
  for (const auto& dialog : dialogs) {
    host().windowsClosed = 0;
    host().events = {close, close};
    dialog();
    EXPECT_EQ(host().windowsClosed, 0);
    EXPECT_EQ(loop().runPosted(), 1);
    EXPECT_EQ(host().windowsClosed, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "save.set"));
  }
  // The close box pressed again on the close's own question is that close: going back to the
  // window ends it.
  std::filesystem::remove(dir / "save.set");
  std::filesystem::create_directory(dir / "save.set");
  host().windowsClosed = 0;
  host().messages.clear();
  host().answers = {MessageAnswer::Cancel};
  host().events = {close};
  close();
  EXPECT_EQ(loop().runPosted(), 0);
  EXPECT_EQ(host().messages.size(), 1u);
  EXPECT_EQ(host().windowsClosed, 0);
}

TEST_F(WindowLoopTest, TheEndOfASessionAnswersEveryDialogAsClosedThenSavesOnceAndCloses) {
  editAtEnd(slot::chartId);
  onChar(*form, u'x');
  loop().endSession(*form, 15);
  EXPECT_EQ(host().dialogsClosed, 1);
  // From here on nobody answers: no box shows, no dialog opens.
  host().answers = {MessageAnswer::Yes};
  host().dialogResults = {dir / "x.set"};
  EXPECT_EQ(loop().messageBox(u"?", u"t", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
  EXPECT_EQ(loop().chooseSaveFile(u"f", u"*.set"), std::nullopt);
  EXPECT_TRUE(host().messages.empty());
  loop().endSession(*form, 2);
  loop().closeBox(*form);
  EXPECT_EQ(host().windowsClosed, 0);
  loop().runPosted();
  EXPECT_EQ(host().windowsClosed, 1);
  EXPECT_TRUE(std::filesystem::exists(dir / "save.set"));
  // The close box after it changes nothing; the loop ends once the window is gone, with the
  // signal's status.
  loop().closeBox(*form);
  loop().runPosted();
  EXPECT_EQ(host().windowsClosed, 1);
  host().events = {[&] { loop().windowGone(); }};
  EXPECT_EQ(loop().run(*form), 128 + 15);
}

// Long work that goes on until it is told to stop, as a copy of a huge file does.
bool workUntilStopped(const SettingsForm& form) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!form.stopLongWork && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return form.stopLongWork;
}

TEST_F(WindowLoopTest, ASignalDuringLongWorkStopsItThenSaves) {
  bool stopped = false;
  host().events = {[&] { loop().endSession(*form, 15); }};
  loop().runLongWork([&] { stopped = workUntilStopped(*form); }, [] {});
  EXPECT_TRUE(stopped);
  loop().runPosted();
  EXPECT_TRUE(std::filesystem::exists(dir / "save.set"));
  EXPECT_EQ(host().windowsClosed, 1);
}

TEST_F(WindowLoopTest, ALogoffDuringLongWorkSavesWhatWasTypedWhileItRan) {
  editAtEnd(slot::chartId);
  const Text typed = field(slot::chartId).text + u"x";
  std::optional<int> status;
  // The key waits for the work, and the logoff comes before the work is done.
  host().events = {[&] { onChar(*form, u'x'); }, [&] { status = loop().endSessionNow(*form); }};
  loop().runLongWork([&] { workUntilStopped(*form); }, [] {});
  EXPECT_EQ(status, 0);
  const PresetRead saved = readPresetFile(dir / "save.set", form->platform.files);
  ASSERT_TRUE(saved.values);
  EXPECT_EQ(saved.values->texts[slot::chartId], typed);
}

TEST_F(WindowLoopTest, TheDisplayGoneDuringLongWorkStopsItSavesAndSaysWhere) {
  bool stopped = false;
  int status = -1;
  ::testing::internal::CaptureStderr();
  loop().holdFolderLock(std::make_unique<FolderLock>(dir.path()));
  host().events = {[&] { status = loop().displayGone(*form); }};
  loop().runLongWork([&] { stopped = workUntilStopped(*form); }, [] {});
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir / "save.set"));
  // The process ends at once: the folder's lock has gone with it.
  EXPECT_FALSE(std::filesystem::exists(dir / ".zarq-settings.lock"));
  EXPECT_NE(said.find("display went away"), std::string::npos) << said;
  EXPECT_NE(said.find((dir / "save.set").string()), std::string::npos) << said;
}

TEST_F(WindowLoopTest, TheLoopRunsPostedWorkOnceNoEventWaitsUntilTheWindowIsGone) {
  std::vector<std::string> done;
  loop().postToWindowThread(0, [&] {
    done.push_back("posted");
    loop().closeBox(*form);
    loop().windowGone();
  });
  host().events = {[&] { done.push_back("event"); }, [&] { done.push_back("event"); }};
  host().onZoom([](int) { return 50; });
  EXPECT_EQ(loop().run(*form), 0);
  EXPECT_EQ(done, (std::vector<std::string>{"event", "event", "posted"}));
  EXPECT_EQ(host().windowsClosed, 1);
  // The window's zoom went with it.
  EXPECT_EQ(host().zoomTo(120), 120);
}

}  // namespace
}  // namespace zarq
