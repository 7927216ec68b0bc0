#pragma once
// The self-drawn single-line text box behind every typed value of the form.

#include <array>
#include <cstdint>

#include "common/text.h"
#include "platform/platform.h"
#include "widgets/redraw.h"
#include "widgets/status_bubble.h"
#include "widgets/text_metrics.h"

namespace zarq {

// A refused key flashes the field's outline this long, in this colour.
inline constexpr std::int64_t kRefusalFlashMs = 300;
inline constexpr Argb kRefusalFlashColour = 0xFFFF4D4D;
// Behind selected text: translucent, so the text and the picture behind stay readable.
inline constexpr Argb kSelectionColour = 0x6650A0FF;

// A run of a field's text, [from, to) in UTF-16 units, on whole characters.
struct TextRange {
  int from = 0;
  int to = 0;
  bool empty() const { return from >= to; }
  int size() const { return to - from; }
};

class TextField {
 public:
  float x = 0, y = 0;
  float width = 0, height = 0;  // the font is 0.8 x height pixels
  Text visibleText;             // text from `scroll` on, cut to fit; kVisibleTextCapacity at most
  Text text;                    // the value; kFieldTextCapacity at most
  Text committedText;           // text as of the last validation; "\t" forces the next one
  bool focused = false;
  std::int16_t caret = 0;   // index into text
  std::int16_t scroll = 0;  // index in text of the first visible character
  // The other end of the selection, which runs from here to the caret; -1 for none.
  std::int16_t anchor = -1;
  std::int64_t lastAutoScrollTime = -500;
  std::int16_t autoScrollInterval = 50;
  Align alignment = Align::Near;
  Argb colour = 0xFF000000;
  bool numeric = false;       // only digits and "." may be typed
  bool integerOnly = false;   // with numeric: "." is refused too
  bool sliderLinked = false;  // mirrors slider (slot - 3)
  std::array<bool, 20> dismissed{};
  std::int16_t bubble = kNoBubble;  // index of the attached StatusBubble
  // Clock milliseconds of the last refused key; the outline flashes from then on.
  std::int64_t flashStart = -10 * kRefusalFlashMs;

  // Marked whenever the field is shown, hidden, greyed or made usable.
  Redraw redraw;

  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }
  void setShown(bool on) { redraw.set(shown_, on); }
  void setEnabled(bool on) { redraw.set(enabled_, on); }

  float fontSize() const { return 0.8f * height; }
  int length() const { return static_cast<int>(text.size()); }

  void init(float x, float y, float width, float height, TextView defaultText, Align alignment,
            bool numeric, bool integerOnly, bool sliderLinked);
  // Stores a new value, cut to the field's capacity, and drops the selection: its ends meant
  // places in the old text. Caret and scroll are left alone.
  void setText(TextView value);
  // Recomputes visibleText and, when asked, scrolls so the caret stays mid-run.
  void fitText(TextMetrics& metrics, bool keepCaretCentred);
  // Distance from x to the caret placed before character n of visibleText.
  float caretOffset(TextMetrics& metrics, int n) const;
  // Index into visibleText nearest to the pointer; add scroll for an index into text.
  std::int16_t caretFromPointer(TextMetrics& metrics, int mouseX) const;
  // The selected run, empty when nothing is selected.
  TextRange selection() const;
  void clearSelection() { anchor = -1; }
  // Starts a selection at the caret unless one is under way.
  void anchorAtCaret() {
    if (anchor < 0) anchor = caret;
  }
  bool contains(int mouseX, int mouseY) const;

  // --- Editing (text_field_editing.cpp) ---
  // Typed text goes before this ending, which is never typed after nor removed ("秒").
  Text fixedEnding;
  // What Delete with nothing selected leaves before the ending ("Tip: ").
  Text deleteLeaves;
  enum class Edit { Done, Nothing, Refused };
  // The caret on a whole character, within the text.
  int clampedCaret() const;
  // The selection as far as it may be removed: never the fixed ending.
  TextRange removableSelection() const;
  // Removes the removable selection, the caret at its start; false, and the selection
  // cleared, when there was nothing to remove.
  bool removeSelection(TextMetrics& metrics);
  // Nothing is typed after a fixed ending.
  bool typingRefusedAtCaret() const { return !fixedEnding.empty() && caret >= length(); }
  // `typed` goes in at the caret, which moves after it.
  void insertAtCaret(TextMetrics& metrics, TextView typed);
  // The selection, or else the character before the caret; never the fixed ending (Refused).
  Edit backspace(TextMetrics& metrics);
  // Delete with nothing selected: what Delete leaves and the ending, the caret between them.
  void clear();
  // Left, Right, Home and End; with Ctrl by words, with Shift selecting. Caret and scroll
  // step over whole characters.
  void moveCaret(TextMetrics& metrics, const KeyStroke& stroke);
  void caretLeft(TextMetrics& metrics);
  void caretRight(TextMetrics& metrics);
  // The whole text selected, the caret at its end.
  void selectAll(TextMetrics& metrics);
  // What copying takes: the selection, or the whole text when nothing is selected.
  TextView copied() const;
  // The caret where the pointer is.
  void caretToPointer(TextMetrics& metrics, int mouseX);
  // The button held with the pointer at `mouseX`: above or below the box the caret follows
  // the pointer's column; beside it the text scrolls on, one character per interval.
  void dragTo(TextMetrics& metrics, int mouseX, std::int64_t nowMs);
  // The keyboard goes elsewhere: no caret, no selection, the text from its start.
  void loseKeyboard(TextMetrics& metrics);
  bool flashing(std::int64_t nowMs) const;
  // The window keeps drawing while this holds, a little longer than the flash, so that
  // the frame after it shows the outline back to normal.
  bool flashAnimating(std::int64_t nowMs) const;
  // Draws the text; outline, selection and caret only when focused and enabled, and the
  // outline of a refusal while it flashes. `composing` is the input method's text not yet
  // committed, drawn underlined at the caret. Reports the caret position to the host so an
  // input method opens there.
  void draw(Canvas& canvas, TextMetrics& metrics, Host& host, const Palette& palette,
            TextView composing = {}) const;

 private:
  // The caret moves left (right) to `to`, the text scrolling so that it stays inside the run.
  void placeCaretLeftward(TextMetrics& metrics, std::size_t to);
  void placeCaretRightward(TextMetrics& metrics, std::size_t to);
  void drawComposing(Canvas& canvas, TextMetrics& metrics, Host& host, Argb ink,
                     TextView composing) const;

  bool shown_ = false;
  bool enabled_ = true;
};

}  // namespace zarq
