#pragma once
// A platform without a window on Windows: GDI+ text and drawing into an off-screen frame,
// image decoding, and a host that answers every question with "no" and records what it was
// asked. Used by the command-line companion and the tests.

#include "backend/win32/gdiplus_font.h"
#include "backend/win32/gdiplus_frame.h"
#include "backend/win32/gdiplus_session.h"
#include "backend/win32/gdiplus_text.h"
#include "backend/win32/wic_decoder.h"
#include "platform/platform.h"
#include "platform/quiet_host.h"

namespace zarq {

struct HeadlessPlatform {
  // First in, last out: GDI+ runs for as long as any of its objects lives.
  win32::GdiplusSession session;
  win32::GdiplusFont font;
  win32::GdiplusText text{font};
  win32::WicDecoder images;
  QuietHost quietHost;
  win32::GdiplusFrame frame{text};
  Platform platform() { return {text, images, quietHost, frame}; }
  Platform platform(Host& host) { return {text, images, host, frame}; }
};

}  // namespace zarq
