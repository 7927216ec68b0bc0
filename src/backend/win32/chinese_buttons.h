#pragma once
// The editor's message boxes speak Chinese on every Windows: while one of these lives, every
// message box its thread opens has its standard buttons relabelled in Chinese as it appears.
// The system's file and folder dialogs keep the system's language.

#include <windows.h>

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

class ChineseButtons {
 public:
  ChineseButtons();
  ~ChineseButtons();
  ChineseButtons(const ChineseButtons&) = delete;
  ChineseButtons& operator=(const ChineseButtons&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace zarq::win32
