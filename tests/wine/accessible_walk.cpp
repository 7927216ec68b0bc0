// Walks the editor window's accessible objects from another process, as a screen reader
// does: AccessibleObjectFromWindow on its client area, then every child AccessibleChildren
// lists. Prints the page's name and one line per child, UTF-8:
//   role | name | value | states | x,y,width,height | child id | default action
// `accessible_walk.exe press N` runs child N's default action instead;
// `accessible_walk.exe watch SECONDS` prints the window's WinEvents for that long, one line
// each: event | child id.
#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string utf8(const wchar_t* text) {
  if (!text) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

// One of the object's texts of the child, as UTF-8 on one line.
template <typename Getter>
std::string textOf(IAccessible* object, Getter getter, VARIANT child) {
  BSTR text = nullptr;
  const HRESULT result = (object->*getter)(child, &text);
  std::string out = SUCCEEDED(result) ? utf8(text) : "";
  SysFreeString(text);
  for (char& c : out) {
    if (c == '\n') c = ' ';
  }
  return out;
}

const char* roleName(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_TEXT:
      return "text";
    case ROLE_SYSTEM_CHECKBUTTON:
      return "check box";
    case ROLE_SYSTEM_RADIOBUTTON:
      return "radio button";
    case ROLE_SYSTEM_SLIDER:
      return "slider";
    case ROLE_SYSTEM_COMBOBOX:
      return "combo box";
    case ROLE_SYSTEM_PUSHBUTTON:
      return "push button";
    case ROLE_SYSTEM_ALERT:
      return "alert";
    case ROLE_SYSTEM_CLIENT:
      return "client";
    default:
      return "other";
  }
}

std::string states(LONG state) {
  std::string out;
  const struct {
    LONG bit;
    const char* word;
  } words[] = {{STATE_SYSTEM_FOCUSED, "focused"},
               {STATE_SYSTEM_CHECKED, "checked"},
               {STATE_SYSTEM_UNAVAILABLE, "disabled"},
               {STATE_SYSTEM_ALERT_HIGH, "invalid"}};
  for (const auto& w : words) {
    if (!(state & w.bit)) continue;
    if (!out.empty()) out += ",";
    out += w.word;
  }
  return out;
}

const char* eventName(DWORD event) {
  switch (event) {
    case EVENT_OBJECT_FOCUS:
      return "focus";
    case EVENT_OBJECT_STATECHANGE:
      return "state";
    case EVENT_OBJECT_VALUECHANGE:
      return "value";
    case EVENT_OBJECT_NAMECHANGE:
      return "name";
    case EVENT_OBJECT_REORDER:
      return "reorder";
    case EVENT_SYSTEM_ALERT:
      return "alert";
    default:
      return nullptr;
  }
}

HWND watched = nullptr;

void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                         DWORD) {
  const char* name = eventName(event);
  if (window != watched || object != OBJID_CLIENT || !name) return;
  std::printf("%s | %ld\n", name, child);
  std::fflush(stdout);
}

// The window's events until `seconds` have passed.
int watch(HWND window, double seconds) {
  watched = window;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, onWinEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  if (!hook) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  UnhookWinEvent(hook);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Lines end in "\n" alone, as the shell that reads them expects.
  _setmode(_fileno(stdout), _O_BINARY);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND window = FindWindowW(L"Zarq Radoziro Settings", nullptr);
  if (!window) {
    std::fprintf(stderr, "no editor window\n");
    return 1;
  }
  if (argc == 3 && std::wcscmp(argv[1], L"watch") == 0) return watch(window, _wtof(argv[2]));
  IAccessible* page = nullptr;
  const HRESULT found =
      AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&page));
  if (FAILED(found) || !page) {
    std::fprintf(stderr, "AccessibleObjectFromWindow failed: 0x%08lx\n", found);
    return 1;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (argc == 3 && std::wcscmp(argv[1], L"press") == 0) {
    VARIANT child = self;
    child.lVal = _wtol(argv[2]);
    const HRESULT pressed = page->accDoDefaultAction(child);
    page->Release();
    return SUCCEEDED(pressed) ? 0 : 1;
  }
  std::printf("page | %s\n", textOf(page, &IAccessible::get_accName, self).c_str());
  LONG count = 0;
  page->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  LONG listed = 0;
  AccessibleChildren(page, 0, count, children.data(), &listed);
  for (LONG i = 0; i < listed; ++i) {
    const VARIANT child = children[static_cast<std::size_t>(i)];
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    page->get_accRole(child, &role);
    page->get_accState(child, &state);
    const std::string n = textOf(page, &IAccessible::get_accName, child);
    const std::string v = textOf(page, &IAccessible::get_accValue, child);
    const std::string action = textOf(page, &IAccessible::get_accDefaultAction, child);
    LONG x = 0, y = 0, w = 0, h = 0;
    page->accLocation(&x, &y, &w, &h, child);
    std::printf("%s | %s | %s | %s | %ld,%ld,%ld,%ld | %ld | %s\n", roleName(role.lVal), n.c_str(),
                v.c_str(), states(state.lVal).c_str(), x, y, w, h, child.lVal, action.c_str());
  }
  VARIANT focus;
  VariantInit(&focus);
  if (page->get_accFocus(&focus) == S_OK && focus.vt == VT_I4) {
    std::printf("focus | %ld\n", focus.lVal);
  }
  page->Release();
  return 0;
}
