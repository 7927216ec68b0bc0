// Takes the clipboard with a text it promises to render on request, then never reads its
// messages again: a program hung while it owns the clipboard.  silent_clipboard_owner.exe
// With --owns, says by its exit code whether such an owner holds the clipboard now.

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  constexpr const wchar_t* kName = L"silent clipboard owner";
  if (argc > 1 && std::wcscmp(argv[1], L"--owns") == 0) {
    wchar_t name[64] = {};
    const HWND owner = GetClipboardOwner();
    return owner && GetWindowTextW(owner, name, 64) && std::wcscmp(name, kName) == 0 ? 0 : 1;
  }
  const HWND window =
      CreateWindowW(L"STATIC", kName, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (window == nullptr || !OpenClipboard(window)) return 1;
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, nullptr);
  CloseClipboard();
  Sleep(INFINITE);
  return 0;
}
