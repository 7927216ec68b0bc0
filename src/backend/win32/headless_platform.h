#pragma once
// GDI+ text and drawing into an off-screen frame, and image decoding: what the editor's window
// shows, and without a window, with a host that answers every question with "no" and records
// what it was asked, what the command-line companion and the tests draw on.

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
  win32::GdiplusSession session = win32::startGdiplus();
  win32::GdiplusFont font;
  win32::GdiplusText text{font};
  win32::WicDecoder images;
  QuietHost quietHost;
  win32::GdiplusFrame frame{text};
  Platform platform() { return {text, images, quietHost, frame}; }
  Platform platform(Host& host) { return {text, images, host, frame}; }
};

}  // namespace zarq
