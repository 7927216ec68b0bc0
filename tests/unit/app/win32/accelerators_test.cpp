// The accelerator table compiled into zarq-settings.exe sends the commands the core knows.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <vector>

#include "app/win32/resource_ids.h"
#include "platform/platform.h"

namespace zarq::win32 {
namespace {

// zarq-settings.exe lies one folder above the test program.
std::filesystem::path editorProgram() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path().parent_path() / "zarq-settings.exe";
}

struct Entry {
  WORD key;
  BYTE modifiers;
  Command command;
};

TEST(AcceleratorsTest, TheTableOfTheEditorHoldsEveryCommandWithItsKeys) {
  HMODULE editor = LoadLibraryExW(editorProgram().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(editor, nullptr) << editorProgram();
  HACCEL table = LoadAcceleratorsW(editor, MAKEINTRESOURCEW(ZARQ_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> entries(CopyAcceleratorTableW(table, nullptr, 0));
  CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
  DestroyAcceleratorTable(table);
  FreeLibrary(editor);

  constexpr BYTE ctrl = FVIRTKEY | FCONTROL;
  constexpr BYTE ctrlShift = FVIRTKEY | FCONTROL | FSHIFT;
  const Entry expected[] = {
      {'V', ctrl, Command::Paste},
      {'1', ctrl, Command::Page1},
      {'2', ctrl, Command::Page2},
      {'3', ctrl, Command::Page3},
      {'4', ctrl, Command::Page4},
      {'5', ctrl, Command::Page5},
      {'6', ctrl, Command::Page6},
      {'S', ctrl, Command::Save},
      {'S', ctrlShift, Command::SaveAlternative},
      {'O', ctrl, Command::Open},
      {'O', ctrlShift, Command::PageDialog},
      {'A', ctrl, Command::SelectAll},
      {'C', ctrl, Command::Copy},
      {'X', ctrl, Command::Cut},
      {'Z', ctrl, Command::Undo},
      {'Y', ctrl, Command::Redo},
      {'Z', ctrlShift, Command::Redo},
      {VK_TAB, FVIRTKEY | FSHIFT, Command::PreviousField},
  };
  ASSERT_EQ(entries.size(), std::size(expected));
  for (const Entry& e : expected) {
    bool found = false;
    for (const ACCEL& a : entries) {
      found = found || (a.key == e.key && (a.fVirt & ~FNOINVERT) == e.modifiers &&
                        a.cmd == static_cast<WORD>(e.command));
    }
    EXPECT_TRUE(found) << "key " << static_cast<char>(e.key) << " command "
                       << static_cast<int>(e.command);
  }
}

}  // namespace
}  // namespace zarq::win32
