#pragma once
// Everything the core needs from the outside world, and the words in which a window tells
// the core what happened. The core includes this header and no other platform header; each
// back end (GTK, Win32, the headless renderer of the tools and tests) implements these
// interfaces, and each application maps its own events onto the vocabulary at the end.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "common/picture_format.h"
#include "common/text.h"
#include "platform/file_system.h"

namespace zarq {

struct AccessibleEvent;  // platform/accessibility.h

using Argb = std::uint32_t;

enum class Align : std::int16_t { Near = 0, Centre = 1, Far = 2 };

struct RectF {
  float x = 0, y = 0, w = 0, h = 0;
};

struct Pen {
  Argb colour = 0xFF000000;
  float width = 1;
  bool roundCaps = false;  // start, end and dash caps
  bool roundJoins = false;
};

// A figure of arcs and lines. Consecutive segments are joined, as in a GDI+ path figure:
// each segment starts with a line from the end of the previous one.
struct PathSegment {
  enum class Kind { Arc, Line } kind;
  // Arc: the ellipse inscribed in (a, b, c, d) = (x, y, w, h) from `startDeg` sweeping
  // `sweepDeg`, angles clockwise from the positive x axis (y points down).
  // Line: from (a, b) to (c, d).
  float a, b, c, d;
  float startDeg = 0, sweepDeg = 0;
};

struct Path {
  std::vector<PathSegment> segments;
  void addArc(float x, float y, float w, float h, float startDeg, float sweepDeg) {
    segments.push_back({PathSegment::Kind::Arc, x, y, w, h, startDeg, sweepDeg});
  }
  void addLine(float x1, float y1, float x2, float y2) {
    segments.push_back({PathSegment::Kind::Line, x1, y1, x2, y2});
  }
};

// Read-only 32-bit pixels, row by row from the top, each 0xAARRGGBB.
struct PixelView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  // Every alpha is 0xFF: the picture hides what lies under it, which a canvas may draw
  // faster.
  bool opaque = false;
};

// The drawing surface of one frame. Shapes are anti-aliased; text is anti-aliased with
// grid fitting, in the editor's one font family at an absolute pixel size.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void fillRect(RectF rect, Argb colour) = 0;
  virtual void fillEllipse(RectF bounds, Argb colour) = 0;
  virtual void strokeLine(float x1, float y1, float x2, float y2, const Pen& pen) = 0;
  virtual void strokePath(const Path& path, const Pen& pen) = 0;
  virtual void fillPath(const Path& path, Argb colour) = 0;
  // One line of text in a layout rectangle, aligned near, centre or far horizontally and
  // at the top vertically, laid out as GDI+ does by default: near-aligned text starts
  // 1/6 em inside the rectangle, far-aligned text ends 1/6 em inside it.
  virtual void drawText(TextView text, float sizePx, RectF layout, Align align, Argb colour) = 0;
  virtual void drawPixels(PixelView image, RectF dest) = 0;
};

// Text measurement in the editor's font: the width GDI+'s default layout reports for one
// line, i.e. the advance width plus 1/6 em of margin at each end, trailing spaces included.
// An empty text measures 0.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual float layoutWidth(TextView text, float sizePx) = 0;
  // Caret positions of one line laid out from x = 0 without margins: the offset before
  // each UTF-16 unit and, last, after the whole text (text.size() + 1 values). The width
  // of a run of the text is the difference of its two ends.
  virtual std::vector<float> caretPositions(TextView text, float sizePx) = 0;
};

struct ImageSize {
  int width = 0;
  int height = 0;
};

// Images whose header claims more pixels than this are refused before anything large is
// allocated: no illustration needs them and they would exhaust memory.
inline constexpr long long kMaxImagePixels = 100'000'000;
// What one decode may hold besides the rows it hands out: a whole picture where a format is
// not read row by row, a progressive JPEG's coefficients. A picture that would need more is
// refused.
inline constexpr long long kDecodeMemoryBudget = 512LL << 20;

// Whether a picture with this header may go to a decoder at all: a raster format an
// illustration comes in, of a size within the pixel cap and the memory budget. Decided
// before any decoder sees the file.
inline bool mayDecode(const PictureHeader& header) {
  const long long pixels = header.width * header.height;
  return header.format != PictureFormat::Other && pixels > 0 && pixels <= kMaxImagePixels &&
         pixels * 4 <= kDecodeMemoryBudget;
}

struct DecodedPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, transparent parts composited on black
};

// One pixel of straight (not premultiplied) colour and alpha as a decoder hands it out:
// 0x00RRGGBB composited on black. Every decoder rounds alike, so that an illustration
// previews the same on every platform.
inline std::uint32_t onBlack(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
  return (r * a + 127) / 255 << 16 | (g * a + 127) / 255 << 8 | (b * a + 127) / 255;
}

// A picture a decoder holds whole, its rows converted to pixels when they are asked for.
class HeldPicture {
 public:
  virtual ~HeldPicture() = default;
  // Pixels [first, first + count) of row y into `out`, as RowSink::row hands them out. Any
  // row, in any order, from several threads at once.
  virtual void convertRow(int y, int first, int count, std::uint32_t* out) const = 0;
};

// Takes a decoded picture one row at a time, so that a large picture never has to be held
// whole.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // Called once, before `begin`, with the size the picture is stored at; returns the
  // smallest size whose rows the sink can use. A decoder that can shrink a picture while
  // decoding it (JPEG by 1/2, 1/4 or 1/8) may then hand out a smaller picture, but none
  // smaller than this on either side. By default the whole picture is wanted.
  virtual ImageSize usefulSize(ImageSize stored) { return stored; }
  // Polled between rows: once it is true the picture is no longer wanted, and a decoder may
  // stop and fail.
  virtual bool cancelled() const { return false; }
  // Called once with the size of the rows that follow before any row.
  virtual void begin(int width, int height) = 0;
  // Row y of `width` pixels 0x..RRGGBB, transparent parts composited on black; the top byte
  // carries nothing. Rows come in order from the top; the pointer is valid during the call.
  virtual void row(int y, const std::uint32_t* pixels) = 0;
  // Called after `begin` instead of `row` by a decoder that holds the whole picture, with
  // the size given there: the sink takes what it needs of it, the way that suits it. False
  // when the sink stopped because it was cancelled. By default every row goes to `row`.
  virtual bool allRows(int width, int height, const HeldPicture& picture) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
      if (cancelled()) return false;
      picture.convertRow(y, 0, width, pixels.data());
      row(y, pixels.data());
    }
    return true;
  }
};

// A decoder may be used from several threads at once, each with a file and a sink of its own.
class ImageDecoder {
 public:
  virtual ~ImageDecoder() = default;
  // Reads only the header; nullopt when the file is not a picture in a raster format an
  // illustration comes in (PNG, JPEG, BMP, GIF, WebP: recognised by its bytes, never its
  // name), reports a zero size, or exceeds kMaxImagePixels or kDecodeMemoryBudget.
  virtual std::optional<ImageSize> probe(const std::filesystem::path& file) = 0;
  // Decodes the whole image; nullopt under the same conditions as `probe` or on a decoding
  // failure. By default gathered from decodeRows.
  virtual std::optional<DecodedPixels> decode(const std::filesystem::path& file);
  // Decodes the image into `sink`; false under the same conditions as `decode`, in which
  // case the sink may have seen `begin` and some rows, which it must then disregard.
  virtual bool decodeRows(const std::filesystem::path& file, RowSink& sink) = 0;
};

// The colours a frame is drawn in. In the editor's own look every control has its own colour
// over the chart's illustration; under a high-contrast desktop theme every text, outline and
// bubble takes the theme's foreground on its background instead, and no picture lies behind
// the page. Disabled controls take `disabled` then.
struct Palette {
  bool highContrast = false;
  Argb foreground = 0xFFFFFFFF;
  Argb background = 0xFF000000;
  Argb disabled = 0xFFBEBEBE;
  bool operator==(const Palette&) const = default;
};

// YesNoCancel offers three ways on; closing it without an answer is Cancel.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct ClipboardText {
  enum class Status { Unavailable, NoText, LockFailed, Text } status = Status::NoText;
  Text text;
};

// What a desktop does for the editor's window: message boxes, dialogs, clipboard, sound, the
// caret of the input method, the clock, the window's foreground state, its colours and zoom.
// Declared once for a desktop's primitives (platform/desktop.h) and for the host the core
// calls, which passes them on (editor/window_loop.h) or, without a screen, answers them itself.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  // A message box modal on the editor's window: the button pressed, Cancel when it was closed
  // without one (Escape, its close box).
  virtual MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) = 0;
  // File dialogs with one filter (name and pattern), modal on the window; nullopt when
  // cancelled.
  virtual std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                              TextView pattern) = 0;
  virtual std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                              TextView pattern) = 0;
  virtual std::optional<std::filesystem::path> chooseFolder(TextView prompt) = 0;
  // The clipboard's text. An owner that has not answered within kClipboardWaitMs is given up
  // on (LockFailed), as other desktop programs do, rather than hold the window.
  static constexpr int kClipboardWaitMs = 2000;
  virtual ClipboardText clipboardText() = 0;
  // Puts Unicode text on the system clipboard, replacing what was there.
  virtual void setClipboardText(TextView text) = 0;
  virtual void beep() = 0;
  // Where the input method's candidate window should open: the caret's foot, `height` high
  // from (x, y), in the form's pixels (a desktop gets them in the window's from the loop).
  virtual void setCaretPos(int x, int y, int height) = 0;
  // The input method forgets what it is composing, committing none of it. Without an input
  // method nothing happens.
  virtual void dropComposition() {}
  // Milliseconds of the steady clock since the process first read it; any thread may ask.
  virtual std::int64_t clockMs() {
    static const auto start = std::chrono::steady_clock::now();
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - start)
                                         .count());
  }
  virtual bool isForeground() = 0;
  // The page on view changed as a screen reader should hear: the back end raises its
  // desktop's accessibility event. A host without a screen reader's interface ignores it.
  virtual void announce(const AccessibleEvent& event) { (void)event; }
  // The desktop's colours as they are now; a host without a screen keeps the editor's own.
  virtual Palette palette() { return {}; }
  // The user's zoom of the form, in percent of its size at the desktop's text scale: the
  // window shows the form that much larger or smaller, as far as the screen allows. Returns
  // the zoom it shows, less than asked where the screen has no room for more.
  virtual int zoomTo(int percent) { return percent; }
  // Calls `changed`, on any thread, whenever an entry of `folder` is added, removed, renamed
  // or rewritten, until the window is gone. Without a window nothing is watched. False when
  // the system grants no watch on the folder: nothing will be told, and the caller looks
  // itself.
  virtual bool watchFolder(const std::filesystem::path& folder, std::function<void()> changed) = 0;
};

// What the core asks of the world around its window: the desktop's services, and the window's
// thread for work posted from elsewhere and for long work.
class Host : public DesktopServices {
 public:
  // Runs `task` on the window's thread, between two events and outside any message box,
  // once `delayMs` milliseconds have passed. Safe to call from any thread; this is how
  // work done elsewhere reaches the form.
  virtual void postToWindowThread(int delayMs, std::function<void()> task) = 0;
  // Runs `work`, which touches nothing of the editor's state, away from the window's thread
  // and returns once it is done. Meanwhile the window does not freeze: it calls `paint` now
  // and then to show a fresh frame, and input that arrives waits until the work is done.
  virtual void runLongWork(const std::function<void()>& work,
                           const std::function<void()>& paint) = 0;
  // True while long work runs: input the window receives meanwhile waits for its end.
  virtual bool longWorkRunning() const = 0;
};

// The size of one frame, in pixels; the window shows its top-left part.
inline constexpr int kFrameWidth = 960;
inline constexpr int kFrameHeight = 720;

// The off-screen 960 x 720 frame: `beginFrame` hands out a canvas on a fresh black frame,
// `present` shows the finished frame in the window in one go.
class FrameSink {
 public:
  virtual ~FrameSink() = default;
  virtual Canvas& beginFrame() = 0;
  virtual void present() = 0;
};

struct Platform {
  TextMeasurer& text;
  ImageDecoder& images;
  Host& host;
  FrameSink& frames;
  // Every write and copy goes through it; tests put a failing one in its place.
  FileSystem& files = osFileSystem();
};

// --- The event vocabulary ---

// Keys that act when released (the caret and slider keys also on each repeat while they are
// held); every other key is Other. Tab, Enter and Escape also type their characters as they
// go down, and Space types a blank.
enum class Key {
  Left,
  Right,
  Delete,
  Home,
  End,
  Up,
  Down,
  PageUp,
  PageDown,
  Space,
  Enter,
  F1,
  F10,   // with Shift, the context-menu key's stand-in
  Menu,  // the context-menu key
  Other
};

// A key with the modifiers held with it: Shift selects, Ctrl steps by words.
struct KeyStroke {
  KeyStroke(Key key_ = Key::Other, bool shift_ = false, bool ctrl_ = false)
      : key(key_), shift(shift_), ctrl(ctrl_) {}
  Key key;
  bool shift;
  bool ctrl;
  bool operator==(const KeyStroke&) const = default;
};

// The commands of the keyboard shortcuts (platform/shortcuts.h); the Windows window's
// accelerators send these numbers.
enum class Command : int {
  Paste = 40001,            // Ctrl+V
  Page1 = 40003,            // Ctrl+1
  Page2 = 40004,            // Ctrl+2
  Page3 = 40005,            // Ctrl+3
  Page4 = 40006,            // Ctrl+4
  Page5 = 40007,            // Ctrl+5
  Save = 40009,             // Ctrl+S
  SaveAlternative = 40012,  // Ctrl+Shift+S
  Open = 40013,             // Ctrl+O
  PageDialog = 40015,       // Ctrl+Shift+O
  Page6 = 40017,            // Ctrl+6
  SelectAll = 40020,        // Ctrl+A
  Copy = 40021,             // Ctrl+C
  Cut = 40022,              // Ctrl+X
  Undo = 40023,             // Ctrl+Z
  Redo = 40024,             // Ctrl+Y, Ctrl+Shift+Z
  PreviousField = 40025,    // Shift+Tab
  ZoomIn = 40026,           // Ctrl+plus
  ZoomOut = 40027,          // Ctrl+minus
  ZoomReset = 40028,        // Ctrl+0
};

}  // namespace zarq
