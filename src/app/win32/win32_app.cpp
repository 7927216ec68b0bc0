#include "app/win32/win32_app.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "app/win32/console_end.h"
#include "app/win32/editor_window.h"
#include "app/win32/resource_ids.h"
#include "backend/win32/gdiplus_font.h"
#include "backend/win32/gdiplus_frame.h"
#include "backend/win32/gdiplus_session.h"
#include "backend/win32/gdiplus_text.h"
#include "backend/win32/wic_decoder.h"
#include "backend/win32/win32_host.h"
#include "editor/window_events.h"
#include "editor/work_folder_lock.h"
#include "form/settings_form.h"

namespace zarq::win32 {
namespace {

// Accelerators first; only a message that is none goes on as it is.
void dispatch(HWND window, HACCEL accelerators, MSG& message) {
  if (!TranslateAcceleratorW(window, accelerators, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Another editor works in the folder: its window comes to the front instead.
bool showOtherEditor() {
  const HWND other = FindWindowW(kWindowClass, nullptr);
  if (other == nullptr) return false;
  if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
  return SetForegroundWindow(other) != 0;
}

// One turn after another until the window is gone: while an animation runs, a frame per
// turn and only a peek at the queue; otherwise a wait for the next message.
void runLoop(EditorWindow& window, SettingsForm& form, HACCEL accelerators) {
  MSG message{};
  while (!window.quitRequested()) {
    BOOL obtained;
    if (animationRunning(form)) {
      onPaint(form);
      obtained = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    } else {
      obtained = GetMessageW(&message, nullptr, 0, 0);
    }
    if (obtained == 0 || obtained == -1) continue;
    dispatch(window.handle(), accelerators, message);
  }
}

// The editor's window on the folder, until it is closed; returns the exit code.
int runWindow(HINSTANCE instance, int showCommand, HACCEL accelerators,
              const std::filesystem::path& workDir, GdiplusText& text, WicDecoder& images,
              GdiplusFrame& frame, Win32Host& host) {
  auto form = std::make_unique<SettingsForm>(Platform{text, images, host, frame}, workDir);
  EditorWindow window(*form, frame, host);
  host.setDispatcher([&](MSG& message) { dispatch(window.handle(), accelerators, message); });
  if (!window.create(instance)) return 1;
  ShowWindow(window.handle(), showCommand);
  UpdateWindow(window.handle());
  ConsoleEnd console(window.handle());
  runLoop(window, *form, accelerators);
  console.saved();
  // A closed window is a normal end, whatever message came last (the close command's own
  // number would read as a failure to whoever started the editor); a session that ended with
  // the form elsewhere than in "save.set" is not.
  return window.savedInFolder() ? 0 : 1;
}

}  // namespace

int runEditor(HINSTANCE instance, int showCommand) {
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(ZARQ_ACCELERATORS));
  // The folder picker's new style and the shell's dialogs want a single-threaded apartment.
  const HRESULT ole = OleInitialize(nullptr);
  std::error_code error;
  const std::filesystem::path workDir = std::filesystem::current_path(error);
  if (error) return 1;
  int result = 1;
  {
    GdiplusSession session;
    GdiplusFont font;
    GdiplusText text(font);
    WicDecoder images;
    GdiplusFrame frame(font);
    Win32Host host;
    // Without the lock the other editor's window, brought to the front, is what the user
    // asked for.
    const std::unique_ptr<FolderLock> lock = lockWorkFolder(workDir, host, showOtherEditor);
    result =
        lock ? runWindow(instance, showCommand, accelerators, workDir, text, images, frame, host)
             : 0;
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return result;
}

}  // namespace zarq::win32
