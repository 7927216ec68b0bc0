#pragma once
// The fonts made ready on another core while the window's thread opens the display:
// fontconfig's configuration read, the editor's families matched and their faces opened, in
// a font map of the warm-up's own, which the window's thread then takes for all its text.

#include <glib.h>

namespace zarq {

class FontWarmup {
 public:
  FontWarmup() = default;
  // Waits for the work if it was never handed over.
  ~FontWarmup();
  FontWarmup(const FontWarmup&) = delete;
  FontWarmup& operator=(const FontWarmup&) = delete;

  // Starts the work on a thread of its own; where no thread can be had, nothing is done ahead.
  // Call after the environment and the locale are set: the thread reads them.
  void start();
  // Waits for the work and makes its font map the calling thread's default, which PangoText
  // and GTK lay out text with from here on. Without a start, or a second time, does nothing.
  void handOver();

 private:
  GThread* thread_ = nullptr;
};

}  // namespace zarq
