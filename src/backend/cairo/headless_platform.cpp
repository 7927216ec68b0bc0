#include "backend/cairo/headless_platform.h"

namespace zarq {

MessageAnswer QuietHost::messageBox(TextView text, TextView title, MessageButtons buttons) {
  messages.push_back({Text(text), Text(title), buttons});
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::int32_t QuietHost::clockMs() {
  return static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now() - start_)
                                       .count());
}

}  // namespace zarq
