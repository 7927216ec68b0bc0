#include "form/undo_history.h"

#include <utility>

namespace zarq {

void UndoHistory::push(FormState now) {
  undo.push_back(std::exchange(current, std::move(now)));
  if (undo.size() > kMaxSteps) undo.pop_front();
  redo.clear();
}

}  // namespace zarq
