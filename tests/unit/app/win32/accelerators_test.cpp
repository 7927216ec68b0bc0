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
  WORD command;
};

constexpr WORD id(Command command) { return static_cast<WORD>(command); }

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
      {'V', ctrl, id(Command::Paste)},
      {'1', ctrl, id(Command::Page1)},
      {'2', ctrl, id(Command::Page2)},
      {'3', ctrl, id(Command::Page3)},
      {'4', ctrl, id(Command::Page4)},
      {'5', ctrl, id(Command::Page5)},
      {'6', ctrl, id(Command::Page6)},
      {'S', ctrl, id(Command::Save)},
      {'S', ctrlShift, id(Command::SaveAlternative)},
      {'O', ctrl, id(Command::Open)},
      {'O', ctrlShift, id(Command::PageDialog)},
      {'A', ctrl, id(Command::SelectAll)},
      {'C', ctrl, id(Command::Copy)},
      {'X', ctrl, id(Command::Cut)},
      {'Z', ctrl, id(Command::Undo)},
      {'Y', ctrl, id(Command::Redo)},
      {'Z', ctrlShift, id(Command::Redo)},
      {VK_TAB, FVIRTKEY | FSHIFT, id(Command::PreviousField)},
      {VK_OEM_PLUS, ctrl, id(Command::ZoomIn)},
      {VK_OEM_PLUS, ctrlShift, id(Command::ZoomIn)},
      {VK_ADD, ctrl, id(Command::ZoomIn)},
      {VK_OEM_MINUS, ctrl, id(Command::ZoomOut)},
      {VK_SUBTRACT, ctrl, id(Command::ZoomOut)},
      {'0', ctrl, id(Command::ZoomReset)},
      {'Q', ctrl, ZARQ_CLOSE_WINDOW},
      {'W', ctrl, ZARQ_CLOSE_WINDOW},
  };
  ASSERT_EQ(entries.size(), std::size(expected));
  for (const Entry& e : expected) {
    bool found = false;
    for (const ACCEL& a : entries) {
      found =
          found || (a.key == e.key && (a.fVirt & ~FNOINVERT) == e.modifiers && a.cmd == e.command);
    }
    EXPECT_TRUE(found) << "key " << static_cast<char>(e.key) << " command " << e.command;
  }
}

}  // namespace
}  // namespace zarq::win32
