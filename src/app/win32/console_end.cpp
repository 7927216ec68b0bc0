#include "app/win32/console_end.h"

#include "editor/closing.h"
#include "editor/end_requests.h"

namespace zarq::win32 {
namespace {

// The console calls its handler on a thread of its own, with no room for a context.
HWND endingWindow = nullptr;
HANDLE savedEvent = nullptr;
EndRequests requests;

// How long a console close waits for the save; Windows ends the process after five seconds.
constexpr DWORD kSaveWaitMs = 4000;

EndRequest requestOf(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      return EndRequest::Interrupt;
    case CTRL_CLOSE_EVENT:
      return EndRequest::HangUp;
    default:
      return EndRequest::Terminate;
  }
}

BOOL WINAPI onConsoleEvent(DWORD event) {
  const EndRequest request = requestOf(event);
  switch (requests.arrived(request)) {
    case EndAction::Save:
      PostMessageW(endingWindow, kEndSessionMessage, 0, 0);
      break;
    case EndAction::CutShort: {
      DWORD written = 0;
      WriteFile(GetStdHandle(STD_ERROR_HANDLE), kSaveCutShortLine, sizeof kSaveCutShortLine - 1,
                &written, nullptr);
      TerminateProcess(GetCurrentProcess(), kExitFormLost);
      return TRUE;
    }
    case EndAction::Ignore:
      break;
  }
  if (request == EndRequest::Interrupt) return TRUE;
  // For a close, a logoff or a shutdown the process ends when this returns: the save under
  // way is waited for, whichever event started it.
  WaitForSingleObject(savedEvent, kSaveWaitMs);
  return TRUE;
}

}  // namespace

ConsoleEnd::ConsoleEnd(HWND window) {
  if (window == nullptr || GetConsoleWindow() == nullptr) return;
  endingWindow = window;
  savedEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

ConsoleEnd::~ConsoleEnd() {
  if (savedEvent == nullptr) return;
  SetEvent(savedEvent);
  SetConsoleCtrlHandler(onConsoleEvent, FALSE);
  CloseHandle(savedEvent);
  savedEvent = nullptr;
  endingWindow = nullptr;
}

}  // namespace zarq::win32
