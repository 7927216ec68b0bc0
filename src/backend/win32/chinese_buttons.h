#pragma once
// The editor's message boxes speak Chinese on every Windows: while the hook lives, every
// message box its thread opens has its standard buttons relabelled in Chinese as it appears.
// The system's file and folder dialogs keep the system's language.

#include <windows.h>

#include "backend/win32/owned_handle.h"

namespace zarq::win32 {

struct ButtonLabel {
  int id;  // IDOK, IDCANCEL, ...
  const wchar_t* label;
};

// Every standard button of a message box, with its label on a Chinese Windows: the letter
// after & stays the key that presses it, as there.
inline constexpr ButtonLabel kChineseButtonLabels[] = {
    {IDOK, L"确定"},           {IDCANCEL, L"取消"},       {IDABORT, L"中止(&A)"},
    {IDRETRY, L"重试(&R)"},    {IDIGNORE, L"忽略(&I)"},   {IDYES, L"是(&Y)"},
    {IDNO, L"否(&N)"},         {IDCLOSE, L"关闭(&C)"},    {IDHELP, L"帮助"},
    {IDTRYAGAIN, L"重试(&T)"}, {IDCONTINUE, L"继续(&C)"},
};

// Whether `window` is of the dialogs' window class: message boxes and the file dialogs are.
bool isDialog(HWND window);

// Relabels the buttons of each message box the thread opens, until its owner goes.
using ChineseButtons = OwnedHandle<HHOOK, UnhookWindowsHookEx>;
ChineseButtons chineseButtons();

}  // namespace zarq::win32
