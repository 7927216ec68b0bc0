// zarq-settings.exe on Windows.

#include <windows.h>

#include "app/win32/win32_app.h"
#include "image/cover_loader.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const int status = zarq::win32::runEditor(instance, showCommand);
  zarq::CoverLoader::endProcessIfDecoding(status);
  return status;
}
