#include "platform/shortcuts.h"

#include <gtest/gtest.h>

#include <set>

namespace zarq {
namespace {

constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kCtrlShift{.ctrl = true, .shift = true};
constexpr Modifiers kCtrlAlt{.ctrl = true, .alt = true};

TEST(ShortcutsTest, AShortcutNeedsExactlyTheModifiersItNames) {
  const struct {
    char32_t key;
    Modifiers mods;
    std::optional<ShortcutAction> action;
  } cases[] = {
      {u'S', kCtrl, Command::Save},
      {u'S', kCtrlShift, Command::SaveAlternative},
      {u'S', {}, std::nullopt},
      {u'S', kShift, std::nullopt},
      {u'S', kCtrlAlt, std::nullopt},
      {u'V', kCtrlShift, std::nullopt},
      {u'Z', kCtrlShift, Command::Redo},
      {u'7', kCtrl, std::nullopt},
      {key_name::kTab, kShift, Command::PreviousField},
      {key_name::kTab, {}, std::nullopt},  // Tab types its character
      {key_name::kTab, kCtrlShift, std::nullopt},
      {key_name::kPlus, kCtrlShift, Command::ZoomIn},
      {key_name::kMinus, kCtrlShift, std::nullopt},
      {key_name::kKeypadMinus, kCtrl, Command::ZoomOut},
      {u'Q', kCtrl, WindowAction::Close},
      {u'Q', kCtrlShift, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shortcutFor(c.key, c.mods), c.action) << static_cast<int>(c.key);
  }
}

TEST(ShortcutsTest, EveryCommandHasAShortcutAndNoKeyTwo) {
  std::set<int> commands;
  std::set<std::pair<char32_t, ShortcutModifiers>> keys;
  for (const Shortcut& s : kShortcuts) {
    if (const Command* command = std::get_if<Command>(&s.action)) {
      commands.insert(static_cast<int>(*command));
    }
    EXPECT_TRUE(keys.insert({s.key, s.modifiers}).second) << static_cast<int>(s.key);
  }
  EXPECT_EQ(commands.size(), 20u);
}

}  // namespace
}  // namespace zarq
