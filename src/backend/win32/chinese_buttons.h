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

// Every standard button of a message box, with its label on a Chinese Windows.
inline constexpr ButtonLabel kChineseButtonLabels[] = {
    {IDOK, L"确定"},     {IDCANCEL, L"取消"},   {IDABORT, L"中止"},    {IDRETRY, L"重试"},
    {IDIGNORE, L"忽略"}, {IDYES, L"是"},        {IDNO, L"否"},         {IDCLOSE, L"关闭"},
    {IDHELP, L"帮助"},   {IDTRYAGAIN, L"重试"}, {IDCONTINUE, L"继续"},
};

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
