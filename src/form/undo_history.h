#pragma once
// The steps the user can take back and redo: each a snapshot of every value of the form
// (the form is small), with the field that had the keyboard and its caret.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "files/preset_codec.h"

namespace zarq {

struct FormState {
  PresetValues values;
  int focusedSlot = -1;  // -1 while no field is being edited
  int caret = 0;
};

struct UndoHistory {
  // At least this many steps can be taken back; older ones are forgotten.
  static constexpr std::size_t kMaxSteps = 200;

  // The form as the last recorded step left it.
  FormState current;
  std::deque<FormState> undo;  // the newest at the back
  std::deque<FormState> redo;  // the next to redo at the back
  // A run of typing in `typingSlot` merges into one step until something else happens.
  bool typingRun = false;
  int typingSlot = -1;
  // A key held down has changed the form: its repeats and its release join that step.
  bool heldKeyRun = false;

  // A new step: `current` is the state to go back to, `now` the state after it.
  void push(FormState now);
  void clear() { *this = UndoHistory{}; }
};

}  // namespace zarq
