#pragma once
// All state of the editor in one place: the pools of fields and widgets, the page on view,
// the interaction state and the background preview. A test builds a fresh form; nothing
// lives in globals. The form belongs to the window's thread: other threads reach it only
// through work posted there.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "common/text.h"
#include "files/atomic_file.h"
#include "files/chart_version.h"
#include "files/file_version.h"
#include "files/kept_listing.h"
#include "form/busy_mark.h"
#include "form/form_ids.h"
#include "form/form_layout.h"
#include "form/input_queue.h"
#include "form/key_tracker.h"
#include "form/preview.h"
#include "form/undo_history.h"
#include "platform/accessibility.h"
#include "platform/platform.h"
#include "widgets/check_box.h"
#include "widgets/click.h"
#include "widgets/field_label.h"
#include "widgets/option_pair.h"
#include "widgets/page_arrow.h"
#include "widgets/slider.h"
#include "widgets/status_bubble.h"
#include "widgets/text_field.h"
#include "widgets/text_metrics.h"

namespace zarq {

enum class InteractionMode : std::int16_t { Idle = 0, Editing = 1, SliderDrag = 4 };

// What the last button press hit, in the order the press tests them.
enum class PressKind : std::int16_t {
  None,
  CloseMark,
  Arrow,
  Bubble,
  Label,
  Field,
  CheckBox,
  FirstOption,
  SecondOption,
  Slider,
};

// A thing of the form the pointer is over, in the order the pointer tests them.
struct Hit {
  PressKind kind = PressKind::None;
  std::int16_t index = 0;  // in the pool of the kind
  bool operator==(const Hit&) const = default;
};

// Values read from a chart by the last import; they stay until the next one.
struct ChartScratch {
  Text background, charter, composer, level, name, song;
};

struct SettingsForm {
  SettingsForm(const Platform& platform, std::filesystem::path workDir);
  SettingsForm(const SettingsForm&) = delete;
  SettingsForm& operator=(const SettingsForm&) = delete;

  Platform platform;  // references to the back end's services
  TextMetrics metrics;
  // The folder the editor's own files live in: "save.set", the chart, its media, the
  // avatar, "runfile.txt". The editor uses the process's current directory.
  std::filesystem::path workDir;
  // Open from the start: every file in it is reached through the open folder, so that a
  // folder unmounted, renamed away or replaced is noticed at the close rather than written
  // through its path. Null when it could not be opened.
  std::unique_ptr<FolderHold> workDirHold;
  // Its entries, for finding the files the form names ignoring case (form/media_file); kept
  // even by lookups that change nothing else.
  mutable KeptListing workDirListing;

  std::array<TextField, kFieldCount> fields;
  std::array<FieldLabel, kLabelCount> labels;
  std::array<CheckBox, kCheckBoxCount> checkBoxes;
  std::array<Slider, kSliderCount> sliders;
  std::array<OptionPair, kOptionPairCount> optionPairs;
  std::array<PageArrow, kArrowCount> arrows;
  std::array<StatusBubble, kBubbleCount> bubbles;

  std::int16_t currentPage = 1;
  InteractionMode interactionMode = InteractionMode::Idle;
  std::int16_t focusedField = 0;
  // The control that has the keyboard while no field is edited: a check box, an option, a
  // slider, the selector, an arrow or the auto-fill offer. `focusedControl()` is the one
  // answer to "which control has the focus" that the screen readers hear.
  ControlRef focus;
  std::int32_t mouseX = 0, mouseY = 0;
  bool mouseDown = false;
  // The first half of a character outside the Basic Multilingual Plane, typed or pasted,
  // waiting for its second half; 0 when none is.
  char16_t pendingHighSurrogate = 0;
  // What the input method is composing in the edited field, not committed yet, and that
  // field (-1: none was edited when the composition began).
  Text composing;
  std::int16_t composingField = -1;
  // What the button went down on while its release has not acted yet. Each press is released
  // once: by the button coming up or by the pointer leaving the window, whichever comes first.
  Click<Hit> press;
  // An action changed what the window shows: the event ends with a frame.
  bool frameDue = false;
  // The window's policies: the keys held down and the input waiting for long work to end.
  KeyTracker keys;
  InputQueue heldInput;
  // Set once the session ends: a copy or a scan under way as long work stops at its next
  // block, and none starts any more, so that the form is saved at once.
  StopFlag stopLongWork = false;
  // The user closed the window choosing not to save the form where it could not be saved.
  bool closedUnsaved = false;

  // Form-level messages, each a bubble index or kNoBubble.
  std::int16_t recordPartsBubble = kNoBubble;
  std::int16_t longNameBubble = kNoBubble;
  std::int16_t longContentBubble = kNoBubble;
  std::int16_t storyboardBubble = kNoBubble;

  FormLayout layout;
  ChartScratch chartScratch;
  // The chart's version as page 1 read it last: typing in a field does not read a large
  // chart again and again.
  ChartVersionSeen chartVersionSeen;
  // The "save.set" found at the start could neither be read nor moved out of the way: the
  // save at the close leaves it alone rather than destroy it.
  bool keepSavedForm = false;
  // "save.set" as the editor read or wrote it last (editor/closing.h).
  FileVersion saveSetSeen;
  // The user's configuration folder, where the zoom is kept between runs; empty for none.
  std::filesystem::path configHome;
  // Where presets the editor replaces are kept first (files/preset_history.h); empty for
  // nowhere.
  std::filesystem::path historyRoot;
  // The user's zoom of the form, in percent (editor/zoom.h); no step of undo.
  int zoomPercent = 100;
  // Window pixels per pixel of the form: where screen readers find the controls.
  double windowScale = 1;
  // Undo and redo, for as long as the window lives.
  UndoHistory history;

  // Work posted to the window's thread holds this weakly, so that it never reaches a form
  // that is gone. Declared before the preview, whose thread posts such work until it ends.
  const std::shared_ptr<const bool> lifeline = std::make_shared<const bool>(true);
  // The page as screen readers last heard of it; what differs from it is announced.
  AccessiblePage announced;
  // The window took the keyboard back: where it is goes with the next announcement.
  bool focusToRetell = false;
  BusyMark busyMark;
  PreviewState preview;

  Host& host() { return platform.host; }
  TextField& field(int slot) { return fields[slot]; }
  const TextField& field(int slot) const { return fields[slot]; }
  // A file of the editor's folder.
  std::filesystem::path fileInWorkDir(const std::filesystem::path& name) const {
    return workDir / name;
  }
  // Text of the selector on the result page ("无", "Data", "曲绘", "文件", "头像").
  const Text& obtainedType() const;
  // The edited field, else `focus`.
  ControlRef focusedControl() const;
};

}  // namespace zarq
