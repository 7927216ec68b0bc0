#pragma once
// The self-drawn page for screen readers on Windows: the window's client object answers
// WM_GETOBJECT with an IAccessible whose simple children (ids 1 to n, in reading order) are
// the controls the core describes; each change the core announces becomes a WinEvent.

#include <windows.h>

#include <functional>

#include "platform/accessibility.h"

namespace zarq::win32 {

struct AccessibleSource {
  std::function<AccessiblePage()> describe;  // the page on view, as it is now
  // What a click on the control does; called from the window's loop, never inside a
  // screen reader's call.
  std::function<void(ControlRef)> activate;
  // Frame pixels to the window's client pixels.
  std::function<float()> scale;
};

// The window's client object as screen readers ask for it: the WM_GETOBJECT answer for
// OBJID_CLIENT (`objectId`), 0 for any other object.
LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleSource& source);

// The message the client object posts to the window to run a screen reader's click later;
// its wParam is the control's kind, its lParam the control's index.
inline constexpr UINT kActivateMessage = WM_APP + 23;

// The WinEvent of `event` for the control's child id on the page as it is now.
void notifyWinEvent(HWND window, const AccessiblePage& page, const AccessibleEvent& event);

}  // namespace zarq::win32
