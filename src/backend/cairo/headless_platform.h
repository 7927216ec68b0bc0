#pragma once
// A platform without a display: real text layout and drawing into an off-screen frame, and
// a host that answers every question with "no" and records what it was asked. Used by the
// command-line companion, the tests and the benchmarks.

#include "backend/cairo/offscreen_frame.h"
#include "backend/cairo/pango_text.h"
#include "backend/cairo/picture_decoder.h"
#include "platform/platform.h"
#include "platform/quiet_host.h"

namespace zarq {

struct HeadlessPlatform {
  PangoText text;
  PictureDecoder images;
  QuietHost quietHost;
  OffscreenFrame frame{text};
  Platform platform() { return {text, images, quietHost, frame}; }
  Platform platform(Host& host) { return {text, images, host, frame}; }
};

}  // namespace zarq
