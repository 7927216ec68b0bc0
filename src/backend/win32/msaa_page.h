#pragma once
// The self-drawn page for screen readers on Windows: the window's client object answers
// WM_GETOBJECT with an IAccessible whose simple children (in reading order, each keeping its
// id) are the controls the core describes; each change the core announces becomes a WinEvent.

#include <windows.h>

#include "platform/accessibility.h"

namespace zarq::win32 {

// The window's client object as screen readers ask for it: the WM_GETOBJECT answer for
// OBJID_CLIENT (`objectId`), 0 for any other object.
LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleSource& source);

// The WinEvent of `event`, for the control's child id, or the page's own where it names none.
void notifyWinEvent(HWND window, const AccessibleEvent& event);

}  // namespace zarq::win32
