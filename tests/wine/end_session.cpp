// Ends the editor's session as a desktop session killed from outside does: WM_ENDSESSION
// alone, with no WM_QUERYENDSESSION before it.  end_session.exe

#include <windows.h>

int wmain() {
  const HWND window = FindWindowW(L"Zarq Radoziro Settings", nullptr);
  if (window == nullptr) return 1;
  DWORD_PTR result = 0;
  // The editor ends inside the message: no answer comes.
  SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &result);
  return 0;
}
