// zarq-settings.exe on Windows.

#include <windows.h>

#include "app/win32/win32_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return zarq::win32::runEditor(instance, showCommand);
}
