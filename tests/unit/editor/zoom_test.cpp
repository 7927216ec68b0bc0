// The zoom commands, the zoom kept between runs, and the window's scale arithmetic.
#include "editor/zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "editor/commands.h"
#include "editor/window_scale.h"
#include "files/remembered_zoom.h"
#include "support/fault_sweep.h"
#include "support/form_fixture.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;

TEST(ZoomTest, StepsByTenWithinItsBoundsAndCtrlZeroResets) {
  const struct {
    int from;
    Command command;
    int expected;
  } cases[] = {
      {100, Command::ZoomIn, 110}, {100, Command::ZoomOut, 90},  {290, Command::ZoomIn, 300},
      {300, Command::ZoomIn, 300}, {50, Command::ZoomOut, 50},   {60, Command::ZoomOut, 50},
      {105, Command::ZoomIn, 110}, {105, Command::ZoomOut, 100}, {250, Command::ZoomReset, 100},
      {120, Command::Paste, 120},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zoomAfter(c.from, c.command), c.expected) << c.from << " " << int(c.command);
  }
}

TEST(ZoomTest, OnlyAWholeNumberWithinTheBoundsIsTakenBack) {
  testing::TempDir dir;
  const struct {
    const char* bytes;
    std::optional<int> expected;
  } cases[] = {
      {"120\n", 120},
      {"50", 50},
      {"300\n", 300},
      {"40\n", std::nullopt},
      {"310", {}},
      {"", {}},
      {"12a\n", {}},
      {"-100", {}},
      {" 120", {}},
      {"120\n\n", {}},
      {"99999999999999999999", {}},
  };
  const fs::path file = rememberedZoomFile(dir.path());
  EXPECT_EQ(readRememberedZoom(dir.path()), std::nullopt);  // none kept yet
  fs::create_directories(file.parent_path());
  for (const auto& c : cases) {
    std::ofstream(file, std::ios::binary) << c.bytes;
    EXPECT_EQ(readRememberedZoom(dir.path()), c.expected) << c.bytes;
  }
  fs::remove(file);
  fs::create_directory(file);  // a folder in its place
  EXPECT_EQ(readRememberedZoom(dir.path()), std::nullopt);
}

class ZoomCommandTest : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->configHome = dir.path() / "config";
  }
};

TEST_F(ZoomCommandTest, AZoomIsShownAndKeptForTheNextStart) {
  handleCommand(*form, Command::ZoomIn);
  handleCommand(*form, Command::ZoomIn);
  handleCommand(*form, Command::ZoomOut);
  EXPECT_EQ(platform.host.zooms, (std::vector<int>{110, 120, 110}));
  EXPECT_EQ(readRememberedZoom(form->configHome), 110);

  build();  // the next start
  form->configHome = dir.path() / "config";
  platform.host.zooms.clear();
  restoreZoom(*form);
  EXPECT_EQ(platform.host.zooms, (std::vector<int>{110}));
  handleCommand(*form, Command::ZoomReset);
  EXPECT_EQ(readRememberedZoom(form->configHome), 100);
}

TEST_F(ZoomCommandTest, AZoomAtItsBoundChangesNothingAndWritesNothing) {
  for (int i = 0; i < 30; ++i) handleCommand(*form, Command::ZoomIn);
  EXPECT_EQ(platform.host.zooms.back(), kMaxZoomPercent);
  const std::size_t asked = platform.host.zooms.size();
  fs::remove(rememberedZoomFile(form->configHome));
  handleCommand(*form, Command::ZoomIn);
  EXPECT_EQ(platform.host.zooms.size(), asked);
  EXPECT_FALSE(fs::exists(rememberedZoomFile(form->configHome)));
}

// The window grows no further than the screen: the zoom stops at what it shows, with the bell,
// and only that is kept, so that Ctrl+minus is seen to act at once.
TEST_F(ZoomCommandTest, AZoomBeyondTheScreenStopsAtWhatItShowsWithTheBell) {
  platform.host.zoomRoom = 125;
  const struct {
    Command command;
    int kept, beeps;
  } steps[] = {{Command::ZoomIn, 110, 0},
               {Command::ZoomIn, 120, 0},
               {Command::ZoomIn, 125, 1},
               {Command::ZoomIn, 125, 2},
               {Command::ZoomOut, 120, 2}};
  for (const auto& s : steps) {
    handleCommand(*form, s.command);
    EXPECT_EQ(readRememberedZoom(form->configHome), s.kept);
    EXPECT_EQ(platform.host.beeps, s.beeps);
  }
  // A zoom kept by an earlier run on a larger screen is shown, and taken, as far as this one goes.
  form->zoomPercent = 100;
  ASSERT_TRUE(rememberZoom(form->platform.files, form->configHome, 300));
  restoreZoom(*form);
  EXPECT_EQ(form->zoomPercent, 125);
}

TEST_F(ZoomCommandTest, AZoomThatCannotBeKeptIsShownAllTheSameAndSaidOnStandardError) {
  std::ofstream(form->configHome) << "a file where the folder should be";
  ::testing::internal::CaptureStderr();
  handleCommand(*form, Command::ZoomIn);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(platform.host.zooms, (std::vector<int>{110}));
  EXPECT_NE(said.find("cannot keep the zoom"), std::string::npos) << said;
}

TEST(ZoomFaultsTest, TheKeptZoomIsTheOldOrTheNewWhateverFails) {
  testing::TestPlatform platform;
  testing::sweepFaults(
      {"the zoom kept for the next start",
       [](const fs::path& root) {
         fs::create_directories(root / "config/zarq-settings");
         std::ofstream(root / "config/zarq-settings/zoom") << "150\n";
       },
       [&](testing::FaultyFileSystem& files, const fs::path& root) {
         fs::create_directories(root / "work");
         SettingsForm form(platform.platform(files), root / "work");
         form.configHome = root / "config";
         form.zoomPercent = 150;
         files.begin();
         ::testing::internal::CaptureStderr();
         changeZoom(form, Command::ZoomIn);
         const bool said = !::testing::internal::GetCapturedStderr().empty();
         return testing::SweepRun{readRememberedZoom(root / "config") == 160, said};
       }});
}

// The window's scale: the text size times the zoom, smaller where the screen is.
TEST(WindowScaleTest, TheFormScalesWithTheTextSizeAndTheZoomWithinTheWorkArea) {
  const struct {
    const char* name;
    double text;
    int zoom;
    double roomWidth, roomHeight;
    double expected;
  } cases[] = {
      {"default", 1, 100, 2048, 1496, 1},
      {"GDK_DPI_SCALE=1.5", 1.5, 100, 2048, 1496, 1.5},
      {"zoomed in", 1, 130, 2048, 1496, 1.3},
      {"text size and zoom", 1.5, 120, 2048, 1496, 1.8},
      {"GDK_SCALE=2 on 1280 x 1024: the width limits", 1, 100, 640, 472, 640.0 / 944},
      {"a wide, low screen: the height limits", 2, 100, 4000, 1000, 1000.0 / 681},
      {"no text size reported", 0, 100, 2048, 1496, 1},
      {"a nonsensical text size", NAN, 100, 2048, 1496, 1},
      {"no work area known", 1.5, 100, 0, 0, 1.5},
      {"a tiny screen", 1, 100, 100, 80, kMinFormScale},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(formScale(c.text, c.zoom, 944, 681, c.roomWidth, c.roomHeight), c.expected)
        << c.name;
  }
}

// The zoom shown is the one asked for unless the screen cut it, even from a scale held as a
// float, as the Windows frame holds it.
TEST(WindowScaleTest, TheZoomShownIsTheOneAskedForUnlessTheScreenCutIt) {
  const struct {
    double text;
    int zoom;
    double scale;
    int expected;
  } cases[] = {
      {1.5, 110, static_cast<float>(1.5 * 1.1), 110},
      {1.25, 130, static_cast<float>(1.25 * 1.3), 130},
      {1, 300, 640.0 / 944, 67},
      {0, 120, 1.2, 120},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shownZoom(c.text, c.zoom, c.scale), c.expected) << c.text << " " << c.zoom;
  }
}

// Along one side of a work area from 0 to 1280, a taskbar past its end.
TEST(WindowScaleTest, AWindowIsMovedIntoTheWorkAreaNoFurtherThanNeeded) {
  const struct {
    int start, length, expected;
  } cases[] = {
      {100, 960, 100},  // inside already
      {600, 960, 320},  // past the end
      {-40, 960, 0},    // before the start
      {100, 1400, 0},   // longer: its start stays inside
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placeWithin(c.start, c.length, 0, 1280), c.expected) << c.start << "+" << c.length;
  }
}

TEST(WindowScaleTest, EveryWindowPixelMapsIntoTheFormAndTheWindowFitsItsRoom) {
  for (const double room : {640.0, 1280.0, 1416.0, 1888.0}) {
    const double scale = formScale(3, 100, 944, 681, room, 10000);
    const int width = scaledLength(944, scale);
    EXPECT_LE(width, room);
    // In order, inside the form, and at a scale of 1 or more no pixel of the form is missed.
    std::vector<bool> reached(944);
    int previous = 0;
    for (int x = 0; x < width; ++x) {
      const int p = formCoordinate(x, scale);
      ASSERT_TRUE(p >= previous && p < 944) << room << " " << x;
      reached[p] = true;
      previous = p;
    }
    if (scale >= 1) {
      EXPECT_EQ(std::count(reached.begin(), reached.end(), false), 0) << room;
    }
  }
}

}  // namespace
}  // namespace zarq
