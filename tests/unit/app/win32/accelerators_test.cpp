// The window's accelerator table is made from the core's shortcuts: each key as Windows names
// it, each action as the command WM_COMMAND carries back.

#include <gtest/gtest.h>

#include "app/win32/accelerator_table.h"

namespace zarq::win32 {
namespace {

TEST(AcceleratorsTest, EachShortcutBecomesAnEntryThatSendsItsActionBack) {
  const std::vector<ACCEL> entries = acceleratorEntries();
  ASSERT_EQ(entries.size(), std::size(kShortcuts));
  const struct {
    WORD key;
    BYTE modifiers;
    ShortcutAction action;
  } expected[] = {
      {'V', FVIRTKEY | FCONTROL, Command::Paste},
      {'S', FVIRTKEY | FCONTROL | FSHIFT, Command::SaveAlternative},
      {VK_TAB, FVIRTKEY | FSHIFT, Command::PreviousField},
      {VK_OEM_PLUS, FVIRTKEY | FCONTROL | FSHIFT, Command::ZoomIn},
      {VK_ADD, FVIRTKEY | FCONTROL, Command::ZoomIn},
      {VK_OEM_MINUS, FVIRTKEY | FCONTROL, Command::ZoomOut},
      {VK_SUBTRACT, FVIRTKEY | FCONTROL, Command::ZoomOut},
      {'W', FVIRTKEY | FCONTROL, WindowAction::Close},
  };
  for (const auto& e : expected) {
    bool found = false;
    for (const ACCEL& a : entries) {
      found =
          found || (a.key == e.key && a.fVirt == e.modifiers && actionOfCommand(a.cmd) == e.action);
    }
    EXPECT_TRUE(found) << "key " << e.key;
  }
  const AcceleratorTable table = makeAcceleratorTable();
  ASSERT_NE(table.get(), nullptr);
  EXPECT_EQ(CopyAcceleratorTableW(table.get(), nullptr, 0), static_cast<int>(entries.size()));
}

}  // namespace
}  // namespace zarq::win32
