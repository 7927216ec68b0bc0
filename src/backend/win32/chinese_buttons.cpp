#include "backend/win32/chinese_buttons.h"

#include <string_view>

namespace zarq::win32 {

bool isDialog(HWND window) {
  wchar_t name[8] = {};
  GetClassNameW(window, name, 8);
  return std::wstring_view(name) == L"#32770";
}

namespace {

// A window about to be activated: a message box is, before it is first drawn.
LRESULT CALLBACK relabelButtons(int code, WPARAM wParam, LPARAM lParam) {
  const HWND box = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && isDialog(box)) {
    for (const ButtonLabel& button : kChineseButtonLabels) {
      if (const HWND control = GetDlgItem(box, button.id)) SetWindowTextW(control, button.label);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ChineseButtons chineseButtons() {
  return ChineseButtons(SetWindowsHookExW(WH_CBT, relabelButtons, nullptr, GetCurrentThreadId()));
}

}  // namespace zarq::win32
