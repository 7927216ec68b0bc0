#include "app/win32/win32_app.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "app/win32/console_end.h"
#include "app/win32/editor_window.h"
#include "app/win32/resource_ids.h"
#include "app/win32/start_places.h"
#include "backend/win32/gdiplus_font.h"
#include "backend/win32/gdiplus_frame.h"
#include "backend/win32/gdiplus_session.h"
#include "backend/win32/gdiplus_text.h"
#include "backend/win32/wic_decoder.h"
#include "backend/win32/wide_text.h"
#include "backend/win32/win32_host.h"
#include "common/utf.h"
#include "editor/command_line.h"
#include "editor/window_events.h"
#include "editor/work_folder_lock.h"
#include "editor/working_folder.h"
#include "form/settings_form.h"

namespace zarq::win32 {
namespace {

constexpr wchar_t kProductName[] = L"Zarq Radoziro 设置填写器";

// Accelerators first; only a message that is none goes on as it is.
void dispatch(HWND window, HACCEL accelerators, MSG& message) {
  if (!TranslateAcceleratorW(window, accelerators, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Another editor works in the folder: its window, titled with the folder's name, comes to the
// front instead.
bool showOtherEditor(TextView title) {
  const HWND other = FindWindowW(kWindowClass, wide(title).c_str());
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

// The arguments after the program's name, as Windows splits its command line.
std::vector<std::filesystem::path> commandLineArguments() {
  std::vector<std::filesystem::path> args;
  int count = 0;
  if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);
  }
  return args;
}

// A program without a console says what it has to say in a message box.
void say(const std::string& utf8, UINT icon) {
  MessageBoxW(nullptr, wide(fromUtf8(utf8)).c_str(), kProductName, MB_OK | icon);
}

// The editor's window on the folder, until it is closed; returns the exit code.
int runWindow(HINSTANCE instance, int showCommand, HACCEL accelerators, const StartPlaces& places,
              const EditorCommandLine& line, const std::filesystem::path& workDir,
              GdiplusText& text, WicDecoder& images, GdiplusFrame& frame, Win32Host& host) {
  auto form = std::make_unique<SettingsForm>(Platform{text, images, host, frame}, workDir);
  form->configHome = places.configHome;
  EditorWindow window(*form, frame, host);
  host.setDispatcher([&](MSG& message) { dispatch(window.handle(), accelerators, message); });
  if (!window.create(instance, wide(windowTitle(workDir)))) return 1;
  ShowWindow(window.handle(), showCommand);
  UpdateWindow(window.handle());
  if (line.preset) {
    const std::filesystem::path preset = places.current / *line.preset;
    host.postToWindowThread(0, [&form, preset] { onOpenPreset(*form, preset); });
  }
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
  const EditorCommandLine line = readCommandLine(commandLineArguments());
  switch (line.action) {
    case EditorCommandLine::Action::Help:
      say(editorHelp(""), MB_ICONINFORMATION);
      return 0;
    case EditorCommandLine::Action::Version:
      say(editorVersion(ZARQ_VERSION), MB_ICONINFORMATION);
      return 0;
    case EditorCommandLine::Action::Refuse:
      say("zarq-settings: " + line.problem, MB_ICONERROR);
      return 2;
    case EditorCommandLine::Action::Run:
      break;
  }
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(ZARQ_ACCELERATORS));
  // The folder picker's new style and the shell's dialogs want a single-threaded apartment.
  const HRESULT ole = OleInitialize(nullptr);
  std::error_code error;
  const StartPlaces places = windowsStartPlaces(error);
  int result = 1;
  if (!error) {
    // The working folder, chosen before anything else happens: from here on every file
    // the editor keeps lies in it, and the dialogs start there.
    WorkingFolder work;
    {
      Win32Host startHost(places.home);
      work = enterWorkingFolder(line, places, startHost, osFileSystem());
    }
    if (!work.problem.empty()) {
      say("zarq-settings: " + work.problem, MB_ICONERROR);
    } else if (!work.folder) {
      result = 0;
    } else {
      const std::filesystem::path& workDir = *work.folder;
      GdiplusSession session;
      GdiplusFont font;
      GdiplusText text(font);
      WicDecoder images;
      GdiplusFrame frame(text);
      Win32Host host(workDir);
      // Without the lock the other editor's window, brought to the front, is what the user
      // asked for.
      const std::unique_ptr<FolderLock> lock =
          lockWorkFolder(workDir, host, [&] { return showOtherEditor(windowTitle(workDir)); });
      result = lock ? runWindow(instance, showCommand, accelerators, places, line, workDir, text,
                                images, frame, host)
                    : 0;
    }
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return result;
}

}  // namespace zarq::win32
