// The background follows the form's chart ID, illustration suffix and blur however they
// change, decodes each picture once, and never holds up the window while it decodes.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/numbers.h"
#include "common/utf.h"
#include "editor/preset_actions.h"
#include "editor/undo.h"
#include "form/preview.h"
#include "form/slot_text.h"
#include "input_fixture.h"
#include "support/image_files.h"

namespace zarq {
namespace {

using testing::ImageFormat;
using testing::makeImage;
using testing::writeImage;

constexpr std::uint32_t kRed = 0xC04020, kBlue = 0x2040C0;

// Where no control of page 1 or 3 lies, so the frame shows the preview itself there.
constexpr std::pair<int, int> kCorners[] = {{20, 20}, {940, 20}, {20, 700}, {940, 700}};

class LivePreviewTest : public testing::InputTest {
 protected:
  void SetUp() override {
    writeImage(dir / "red.PNG", makeImage(800, 600, [](int, int) { return kRed; }),
               ImageFormat::Png);
    writeImage(dir / "blue.PNG", makeImage(800, 600, [](int, int) { return kBlue; }),
               ImageFormat::Png);
    // Hard edges, so that every blur strength looks different in the corners.
    writeImage(dir / "stripes.PNG",
               makeImage(800, 600, [](int x, int) { return (x / 8) % 2 ? 0xFFFFFFu : 0u; }),
               ImageFormat::Png);
    for (const char* id : {"red", "blue", "stripes"}) {
      std::ofstream(dir / (std::string(id) + ".json")) << R"({"ZarqVersion":120})";
      std::ofstream(dir / (std::string(id) + ".WAV")) << "RIFF";
    }
    start();
  }
  void start() {
    build();
    setSlotText(*form, slot::illustrationExt, u"PNG");
    setSlotText(*form, slot::audioExt, u"WAV");
    form->sliders[sliderId::dim].setValue(0);  // the picture undimmed
  }

  // The form names the chart and shows page 1, its picture decoded and every frame it asked
  // for drawn.
  void showChart(TextView id) {
    setSlotText(*form, slot::chartId, id);
    showPage(*form, 1);
    onPaint(*form);
    settle();
    host().now += kBusyMarkDelayMs;
    loop().runPosted();
  }
  // The form names another chart at one stroke, as a paste, a drop or a load does, and a
  // frame is drawn.
  void switchChart(TextView id) {
    setSlotText(*form, slot::chartId, id);
    onPaint(*form);
  }
  // The decode under way ends, and the frame it asks for is drawn.
  void settle() {
    form->preview.loader.waitUntilDone();
    loop().runPosted();
  }
  int decodes() const { return platform.images.decodes(); }

  // The preview of "<id>.PNG" at `blur`, as the frame must show it.
  Image expected(const char* id, int blur) {
    Image preview;
    std::optional<Cover> cover =
        decodeCover(platform.headless.images, dir / (std::string(id) + ".PNG"));
    if (cover) blurCover(*cover, blur, preview);
    return preview;
  }
  // Whether the last frame shows `picture` (opaque black when it is empty) in its corners.
  ::testing::AssertionResult frameShows(const Image& picture) {
    for (auto [x, y] : kCorners) {
      const std::uint32_t want = picture.getWidth() ? picture.pixel(x, y) : 0xFF000000u;
      const std::uint32_t got = platform.headless.frame.pixel(x, y);
      if (got != want) {
        return ::testing::AssertionFailure()
               << "at " << x << "," << y << ": " << std::hex << got << " instead of " << want;
      }
    }
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult frameBlack() { return frameShows(Image()); }
  void typeIntoChartId(TextView units) {
    editAtEnd(slot::chartId);
    type(units);
  }
};

TEST_F(LivePreviewTest, TypingTheChartIdDecodesThePictureOnceWhateverItPassesThrough) {
  editAtEnd(slot::chartId);
  key(Key::Delete);
  const int before = decodes();
  // Ten keystrokes: no file, the chart with its media, no file again, and back.
  for (char16_t unit : Text(u"stripe") + u"s" + u"x" + u"\b" + u"\b") {
    type(Text(1, unit));
    settle();
  }
  EXPECT_EQ(form->field(slot::chartId).text, u"stripe");
  EXPECT_TRUE(frameBlack());
  type(u"s");
  EXPECT_TRUE(frameShows(expected("stripes", 80)));  // kept, so shown at once
  EXPECT_EQ(decodes() - before, 1);
}

TEST_F(LivePreviewTest, UndoAndRedoBringThePictureBackWithTheValues) {
  showChart(u"stripes");
  startHistory(*form);
  const Slider& blur = form->sliders[sliderId::blur];
  press(blur.x - blur.width / 2, blur.y);
  release(blur.x - blur.width / 2, blur.y);
  ASSERT_TRUE(frameShows(expected("stripes", 0)));
  editAtEnd(slot::chartId);
  key(Key::Delete);
  ASSERT_TRUE(frameBlack());

  onCommand(*form, Command::Undo);
  EXPECT_TRUE(frameShows(expected("stripes", 0)));
  onCommand(*form, Command::Undo);
  EXPECT_TRUE(frameShows(expected("stripes", 80)));
  onCommand(*form, Command::Redo);
  EXPECT_TRUE(frameShows(expected("stripes", 0)));
  onCommand(*form, Command::Redo);
  EXPECT_TRUE(frameBlack());
}

TEST_F(LivePreviewTest, TheBlurFollowsTypingAndDraggingWithoutDecodingAgain) {
  showChart(u"stripes");
  const int before = decodes();
  const Slider& blur = form->sliders[sliderId::blur];

  edit(slot::backgroundBlur, u"", 0);
  type(u"3");
  EXPECT_TRUE(frameShows(expected("stripes", 3)));
  type(u"0");
  EXPECT_TRUE(frameShows(expected("stripes", 30)));
  key(Key::Delete);  // the slider keeps its value, and so does the picture
  EXPECT_TRUE(frameShows(expected("stripes", 30)));

  press(blur.x - blur.width / 2, blur.y);
  EXPECT_TRUE(frameShows(expected("stripes", 0)));
  move(blur.x, blur.y);  // held mid-drag, not validated yet
  const int mid = static_cast<int>(roundHalfAway(blur.value()));
  EXPECT_GT(mid, 0);
  EXPECT_TRUE(frameShows(expected("stripes", mid)));
  release(blur.x + blur.width, blur.y);
  EXPECT_TRUE(frameShows(expected("stripes", 100)));
  EXPECT_EQ(decodes(), before);
}

TEST_F(LivePreviewTest, TheDimmedPictureFollowsTheBlurAndTheDim) {
  showChart(u"stripes");
  for (const auto& [dim, blur] : {std::pair{128, u"80"}, {128, u"0"}, {200, u"0"}, {200, u"9"}}) {
    form->sliders[sliderId::dim].setValue(static_cast<float>(dim));
    edit(slot::backgroundBlur, u"", 0);
    type(blur);
    const Image picture = expected("stripes", static_cast<int>(leadingInt(blur)));
    for (auto [x, y] : kCorners) {
      const std::uint32_t got = platform.headless.frame.pixel(x, y);
      for (int shift : {0, 8, 16}) {
        // Under a black layer of opacity dim / 255.
        const double want = ((picture.pixel(x, y) >> shift) & 0xFF) * (255 - dim) / 255.0;
        EXPECT_NEAR((got >> shift) & 0xFF, want, 0.5 + 1e-9)
            << "dim " << dim << " blur " << toUtf8(blur) << " at " << x << "," << y;
      }
    }
  }
}

// A picture another program rewrites shows once the folder's watch tells, or where the system
// grants no watch, once the editor has looked again within two seconds.
TEST_F(LivePreviewTest, AChangedFileIsDecodedAgainAndAnUnchangedOneNever) {
  for (const bool watched : {true, false}) {
    writeImage(dir / "red.PNG", makeImage(800, 600, [](int, int) { return kRed; }),
               ImageFormat::Png);
    host().watchGranted = watched;
    start();
    showChart(u"red");
    const int before = decodes();
    for (int i = 0; i < 3; ++i) onPaint(*form);
    showPage(*form, 1);  // validating the suffixes consults the picture too
    onPaint(*form);
    EXPECT_EQ(decodes(), before);

    // Same name, new contents, written by another program.
    writeImage(dir / "red.PNG", makeImage(800, 600, [](int, int) { return kBlue; }),
               ImageFormat::Png);
    std::filesystem::last_write_time(
        dir / "red.PNG",
        std::filesystem::last_write_time(dir / "red.PNG") + std::chrono::seconds(5));
    EXPECT_EQ(host().watchedFolder, dir.path());
    settle();
    EXPECT_EQ(decodes(), before) << watched;
    if (watched) host().folderChanged();
    host().now += watched ? 0 : 2000;
    loop().runPosted();
    settle();
    EXPECT_EQ(decodes(), before + 1) << watched;
    EXPECT_TRUE(frameShows(expected("blue", 80))) << watched;
  }
}

// A copy into the folder tells of a change with every block it writes, while posted work
// waits for it: the changes told meanwhile are looked at once, and one told after that look
// is looked at again.
TEST_F(LivePreviewTest, ChangesToldWhileNoLookRanAreLookedAtOnce) {
  showChart(u"red");
  loop().runPosted();
  for (int i = 0; i < 1000; ++i) host().folderChanged();
  EXPECT_EQ(loop().runPosted(), 1);
  host().folderChanged();
  EXPECT_EQ(loop().runPosted(), 1);
}

TEST_F(LivePreviewTest, APictureThatCannotBeDecodedIsBlackAndTriedOnce) {
  std::ofstream(dir / "broken.PNG") << "not a picture";
  showChart(u"red");
  const int before = decodes();
  typeIntoChartId(u"\b\b\bbroken");
  settle();
  EXPECT_TRUE(frameBlack());
  onPaint(*form);
  settle();
  EXPECT_EQ(decodes(), before + 1);
}

// A header that passes with pixels cut short: the page stays black and the field says that
// the illustration cannot be loaded, until the file is whole again.
TEST_F(LivePreviewTest, APictureWhosePixelsDoNotDecodeIsReportedOnceItsDecodeEnds) {
  const std::filesystem::path red = dir / "red.PNG";
  std::ifstream in(red, std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ofstream(red, std::ios::binary) << whole.substr(0, whole.size() / 2);
  showChart(u"red");
  loop().runPosted();
  EXPECT_TRUE(frameBlack());
  EXPECT_EQ(messageOf(slot::illustrationExt), u"错误：无法加载曲绘！");

  std::ofstream(red, std::ios::binary) << whole;
  std::filesystem::last_write_time(red,
                                   std::filesystem::last_write_time(red) + std::chrono::seconds(5));
  host().folderChanged();
  loop().runPosted();
  settle();
  loop().runPosted();
  EXPECT_TRUE(frameShows(expected("red", 80)));
  EXPECT_EQ(messageOf(slot::illustrationExt), u"");
}

// The cases where the picture used to stay as it was: each frame drawn by the action itself
// already shows what the form now says.
TEST_F(LivePreviewTest, EveryWayTheFormChangesShowsTheRightPictureAtOnce) {
  const std::filesystem::path stripesPreset = dir / "stripes.set", nonePreset = dir / "none.set";
  showChart(u"stripes");
  ASSERT_TRUE(savePreset(*form, stripesPreset, true));
  setSlotText(*form, slot::chartId, u"nothing");
  ASSERT_TRUE(savePreset(*form, nonePreset, true));
  showChart(u"stripes");

  const struct {
    const char* what;
    std::function<void()> act;
    const char* shows;  // the picture's chart, or nullptr for black
  } cases[] = {
      {"a typed chart ID naming no picture", [&] { typeIntoChartId(u"x"); }, nullptr},
      {"a chart ID typed back", [&] { type(u"\b"); }, "stripes"},
      {"a suffix naming no picture",
       [&] {
         editAtEnd(slot::illustrationExt);
         type(u"X");
       },
       nullptr},
      {"the suffix typed back", [&] { type(u"\b"); }, "stripes"},
      {"Delete on the chart ID",
       [&] {
         editAtEnd(slot::chartId);
         key(Key::Delete);
       },
       nullptr},
      {"a pasted chart ID",
       [&] {
         host().clipboard = {ClipboardText::Status::Text, u"stripes"};
         onCommand(*form, Command::Paste);
       },
       "stripes"},
      {"a preset loaded on page 3 naming no picture",
       [&] {
         onCommand(*form, Command::Page3);
         host().dialogResults.push_back(nonePreset);
         onCommand(*form, Command::Open);
       },
       nullptr},
      {"a preset loaded on page 5 naming the picture",
       [&] {
         onCommand(*form, Command::Page5);
         host().dialogResults.push_back(stripesPreset);
         onCommand(*form, Command::Open);
       },
       "stripes"},
      {"a typed blur left with Escape",
       [&] {
         onCommand(*form, Command::Page1);
         edit(slot::backgroundBlur, u"", 0);
         type(u"20\x1b");
       },
       "stripes"},
  };
  for (const auto& c : cases) {
    c.act();
    const int blur = static_cast<int>(roundHalfAway(form->sliders[sliderId::blur].value()));
    EXPECT_TRUE(c.shows ? frameShows(expected(c.shows, blur)) : frameBlack()) << c.what;
  }
  EXPECT_EQ(roundHalfAway(form->sliders[sliderId::blur].value()), 20);
}

TEST_F(LivePreviewTest, WhileAPictureDecodesTheWindowAnswersAndShowsItsBusyMarkLate) {
  showChart(u"red");
  platform.images.hold();
  switchChart(u"blue");
  ASSERT_TRUE(platform.images.waitUntilHeld());
  EXPECT_TRUE(previewLoading(*form));
  EXPECT_TRUE(frameShows(expected("red", 80)));  // the previous picture meanwhile

  // Keys are answered at once, each with a frame.
  editAtEnd(slot::musicVolume);
  const int frames = this->frames();
  type(u"5\b");
  EXPECT_EQ(this->frames(), frames + 2);
  EXPECT_TRUE(previewLoading(*form));
  EXPECT_FALSE(form->busyMark.shownAt(host().now));

  // Nothing else happens; the frame asked for when the mark is due shows it.
  host().now += kBusyMarkDelayMs;
  EXPECT_EQ(loop().runPosted(), 1);
  EXPECT_EQ(this->frames(), frames + 3);
  EXPECT_TRUE(form->busyMark.shownAt(host().now));
  EXPECT_NE(platform.headless.frame.pixel(916, 653), platform.headless.frame.pixel(940, 700));

  platform.images.letGo();
  settle();
  EXPECT_FALSE(previewLoading(*form));
  EXPECT_FALSE(form->busyMark.busy());
  EXPECT_TRUE(frameShows(expected("blue", 80)));
}

TEST_F(LivePreviewTest, APictureNoLongerNamedIsDroppedBeforeItIsShown) {
  showChart(u"red");
  platform.images.hold();
  const int before = decodes();
  switchChart(u"blue");
  ASSERT_TRUE(platform.images.waitUntilHeld());
  switchChart(u"nothing");  // black at once, and the decode of blue stops
  EXPECT_TRUE(frameBlack());
  platform.images.letGo();
  settle();
  EXPECT_FALSE(previewLoading(*form));
  EXPECT_TRUE(frameBlack());
  switchChart(u"red");  // still kept
  EXPECT_TRUE(frameShows(expected("red", 80)));
  EXPECT_EQ(decodes(), before + 1);
}

}  // namespace
}  // namespace zarq
