#include "app/win32/console_end.h"

#include "editor/closing.h"

namespace zarq::win32 {
namespace {

// The console calls its handler on a thread of its own, with no room for a context.
HWND endingWindow = nullptr;
HANDLE savedEvent = nullptr;
LONG ending = 0;

// How long a console close waits for the save; Windows ends the process after five seconds.
constexpr DWORD kSaveWaitMs = 4000;

BOOL WINAPI onConsoleEvent(DWORD event) {
  // Another one while the first is being handled: the save is cut short, the form lost.
  if (InterlockedExchange(&ending, 1) != 0) {
    TerminateProcess(GetCurrentProcess(), kExitFormLost);
    return FALSE;
  }
  PostMessageW(endingWindow, kEndSessionMessage, 0, 0);
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;
  // For a close, a logoff or a shutdown the process ends when this returns.
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
