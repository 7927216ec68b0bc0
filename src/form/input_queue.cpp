#include "form/input_queue.h"

#include <memory>

#include "form/settings_form.h"

namespace zarq {

void InputQueue::deliver(SettingsForm& form, std::function<void()> input) {
  if (held_.empty() && !form.host().longWorkRunning()) return input();
  held_.push_back(std::move(input));
  if (replayPosted_) return;
  replayPosted_ = true;
  // Posted work runs once no message box is open and no long work runs.
  form.host().postToWindowThread(0, [&form, alive = std::weak_ptr<const bool>(form.lifeline)] {
    if (alive.lock()) form.heldInput.replay(form);
  });
}

void InputQueue::replay(SettingsForm& form) {
  replayPosted_ = false;
  while (!held_.empty() && !form.host().longWorkRunning()) takeNext();
}

void InputQueue::replayAtEnd() {
  while (!held_.empty()) takeNext();
}

void InputQueue::takeNext() {
  const std::function<void()> input = std::move(held_.front());
  held_.pop_front();
  input();
}

}  // namespace zarq
