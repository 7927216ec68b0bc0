// The editor without a window, driven by a sequence of user actions read from the bytes:
// typing, keys, presses, moves and releases, page commands, pastes, drops of files made on
// the spot and preset loads. After every action the form must still keep its promises.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "common/utf.h"
#include "editor/closing.h"
#include "editor/keyboard.h"
#include "editor/preset_actions.h"
#include "editor/window_events.h"
#include "files/preset_file.h"
#include "form/form_preset.h"
#include "form/preview.h"
#include "form/settings_form.h"
#include "monkey_input.h"
#include "require.h"
#include "support/headless.h"
#include "support/image_files.h"
#include "support/null_canvas.h"
#include "support/scripted_host.h"
#include "targets.h"

namespace zarq::fuzz {
namespace {

namespace fs = std::filesystem;

// Everything the monkey feeds the editor is whole characters, so no text may ever hold
// half of one.
void checkPromises(const SettingsForm& form) {
  int focused = 0;
  for (int slot = 0; slot < kFieldCount; ++slot) {
    const TextField& f = form.fields[slot];
    require(f.text.size() <= kFieldTextCapacity, "a text holds at most 199 units");
    require(!hasLoneSurrogate(f.text), "a text gains no half characters");
    require(f.caret >= 0 && f.caret <= f.length(), "the caret lies within the text");
    require(f.scroll >= 0 && f.scroll <= f.length(), "the scroll lies within the text");
    require(f.anchor >= -1 && f.anchor <= f.length(), "a selection lies within the text");
    require(f.visibleText.size() <= kVisibleTextCapacity, "a visible run is at most 99 units");
    if (f.focused) ++focused;
    require(!f.focused ||
                (form.interactionMode == InteractionMode::Editing && form.focusedField == slot),
            "a focused field is the edited one");
    if (f.bubble != kNoBubble) {
      require(f.bubble >= 0 && f.bubble < kBubbleCount, "a bubble reference is a record");
      const StatusBubble& b = form.bubbles[f.bubble];
      require(b.visible, "a field's bubble is visible");
      require(b.ownerKind == OwnerKind::TextField && b.ownerId == slot,
              "a field's bubble is its own");
    }
  }
  require(focused <= 1, "at most one field is focused");
  for (const std::int16_t reference : {form.recordPartsBubble, form.longNameBubble,
                                       form.longContentBubble, form.storyboardBubble}) {
    if (reference == kNoBubble) continue;
    require(reference >= 0 && reference < kBubbleCount, "a form message is a record");
    require(form.bubbles[reference].visible, "a form message is visible");
  }
  require(form.currentPage >= 1 && form.currentPage <= 6, "the page is 1 to 6");
  // A preset loaded behind the window's back may hide the focused control until the next
  // event lets go of it; the edited field and another focused control never coexist.
  require(!form.focus || form.interactionMode != InteractionMode::Editing,
          "the edited field alone has the focus");
}

// Frames are drawn through every widget's code but into nothing: a frame of pixels would
// cost most of the time of an action and shows nothing the promises look at.
class NullFrames final : public FrameSink {
 public:
  Canvas& beginFrame() override { return canvas_; }
  void present() override {}

 private:
  testing::NullCanvas canvas_;
};

// Text layout and decoders are the same for every input; built once, they cost nothing more.
HeadlessPlatform& sharedPlatform() {
  static HeadlessPlatform platform;
  return platform;
}

// One fresh editor in fresh folders for every input, so that an input replays alike.
class Monkey {
 public:
  explicit Monkey(const fs::path& base) : work_(base / "work"), source_(base / "source") {
    std::error_code ignored;
    fs::remove_all(work_, ignored);
    fs::remove_all(source_, ignored);
    fs::create_directories(work_);
    fs::create_directories(source_);
    HeadlessPlatform& shared = sharedPlatform();
    form_ =
        std::make_unique<SettingsForm>(Platform{shared.text, shared.images, loop_, frames_}, work_);
    onWindowCreate(*form_);
    settle();
  }

  void run(MonkeyInput& in) {
    while (!in.done()) {
      act(in);
      settle();
    }
    require(onCloseRequested(*form_), "closing is never refused while saving works");
    // The autosave on closing always leaves a sound preset.
    require(readPresetFile(work_ / "save.set").values.has_value(), "closing saves a sound preset");
  }

 private:
  testing::ScriptedHost& host() { return host_; }

  // Lets finished pictures reach the form, as the window's loop would, and checks.
  void settle() {
    waitForPreview(*form_);
    loop_.runPosted();
    checkPromises(*form_);
  }

  void act(MonkeyInput& in) {
    SettingsForm& form = *form_;
    switch (in.byte() % 18) {
      case 0:
        for (char16_t unit : in.character()) onChar(form, unit);
        break;
      case 1:
        onChar(form, in.controlUnit());
        break;
      case 2:
        onChar(form, static_cast<char16_t>(in.byte() | in.byte() << 8));
        break;
      case 3:
        onKeyUp(form, in.keyStroke());
        break;
      case 4:
        onKeyRepeat(form, in.keyStroke());
        break;
      case 5: {
        const Point p = in.anywhere();
        onButtonDown(form, p.x, p.y);
        break;
      }
      case 6: {
        const Point p = in.anywhere();
        onButtonUp(form, p.x, p.y);
        break;
      }
      case 7: {
        const Point p = in.anywhere();
        onMouseMove(form, p.x, p.y);
        break;
      }
      case 8: {
        const Point p = in.onControl(form);
        onButtonDown(form, p.x, p.y);
        onButtonUp(form, p.x, p.y);
        break;
      }
      case 9: {
        const Point p = in.onControl(form);
        onButtonDown(form, p.x, p.y);
        break;
      }
      case 10:
        onMouseLeave(form);
        break;
      case 11:
        onCommand(form, in.command());
        break;
      case 12:
        host().clipboard = in.clipboard();
        onCommand(form, Command::Paste);
        break;
      case 13:
        onDrop(form, {makeFile(in)});
        break;
      case 14: {
        const std::vector<std::uint8_t> bytes = in.preset(presetFromForm(form));
        loadPresetBytes(form, bytes, in.byte() % 2 == 0);
        break;
      }
      case 15:
        answerNext(in);
        break;
      case 16:
        // What an input method shows while composing: cleared again before it commits.
        onComposition(form, in.text(12));
        break;
      default:
        host().now += in.byte() * 10;
        host().foreground = in.byte() % 4 != 0;
        onFocusGained(form);
        onPaint(form);
        break;
    }
  }

  // What the next message box and dialog will be answered.
  void answerNext(MonkeyInput& in) {
    host().answers.push_back(in.byte() % 2 ? MessageAnswer::Yes : MessageAnswer::No);
    const int kind = in.byte() % 4;
    if (kind == 0) {
      host().dialogResults.push_back(std::nullopt);
    } else if (kind == 1) {
      host().dialogResults.push_back(makeFile(in));
    } else if (kind == 2) {
      host().dialogResults.push_back(makeChartFolder(in));
    } else {
      host().dialogResults.push_back(work_);
    }
  }

  fs::path fresh(const Text& name) {
    const fs::path folder = source_ / std::to_string(made_++);
    fs::create_directories(folder);
    return folder / pathFromName(name);
  }

  // A name the file system takes: no separators and not empty.
  static fs::path pathFromName(const Text& name) {
    std::string utf8 = toUtf8(name);
    for (char& c : utf8) {
      if (c == '/' || c == '\0') c = '_';
    }
    if (utf8.empty() || utf8 == "." || utf8 == "..") utf8 = "_";
    return fs::path(utf8.substr(0, 200));
  }

  static void write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }

  fs::path makeFile(MonkeyInput& in) {
    switch (in.byte() % 6) {
      case 0: {
        const fs::path file = fresh(in.fileName(u".set"));
        const std::vector<std::uint8_t> bytes = in.preset(presetFromForm(*form_));
        write(file, std::string(bytes.begin(), bytes.end()));
        return file;
      }
      case 1: {
        const fs::path file = fresh(in.fileName(u".json"));
        write(file, in.chart());
        return file;
      }
      case 2: {
        // A picture under a name the form may already name.
        const fs::path file = fresh(in.fileName(u".png"));
        testing::writeImage(file, testing::randomImage(1 + in.byte(), 1 + in.byte(), in.byte()),
                            in.byte() % 2 ? testing::ImageFormat::Png : testing::ImageFormat::Jpeg);
        return file;
      }
      case 3: {
        const fs::path folder = fresh(in.fileName(u".json"));
        fs::create_directories(folder);
        return folder;
      }
      case 4:
        return source_ / "missing.json";
      default: {
        const fs::path file = fresh(in.fileName(u""));
        write(file, in.chart());
        return file;
      }
    }
  }

  // A chart folder as the chart editor leaves it: the chart and, maybe, its media.
  fs::path makeChartFolder(MonkeyInput& in) {
    const Text id = in.fileName(u"");
    const fs::path folder = fresh(id);
    fs::create_directories(folder);
    write(folder / pathFromName(id + u".json"), in.chart());
    if (in.byte() % 2) {
      testing::writeImage(folder / pathFromName(id + u".png"), testing::randomImage(4, 4, 1),
                          testing::ImageFormat::Png);
    }
    if (in.byte() % 2) write(folder / pathFromName(id + u".ogg"), "OggS");
    return folder;
  }

  fs::path work_, source_;
  testing::ScriptedHost host_;
  WindowLoop loop_{host_};
  NullFrames frames_;
  std::unique_ptr<SettingsForm> form_;
  int made_ = 0;
};

const fs::path& baseFolder() {
  static const fs::path base = [] {
    std::string pattern = (fs::temp_directory_path() / "zarq-monkey-XXXXXX").string();
    const char* folder = ::mkdtemp(pattern.data());
    require(folder != nullptr, "a folder for the editor can be made");
    return fs::path(folder);
  }();
  return base;
}

}  // namespace

void monkey(const std::uint8_t* data, std::size_t size) {
  MonkeyInput in(data, size);
  Monkey(baseFolder()).run(in);
}

}  // namespace zarq::fuzz
