#pragma once
// A freshly built form in its own folder, driven through a scripted host.

#include <gtest/gtest.h>

#include <memory>

#include "editor/window_events.h"
#include "form/settings_form.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace zarq::testing {

class FormTest : public ::testing::Test {
 protected:
  // Builds the form as at start-up, and shows the window's first frame; files the test needs
  // go into `dir` first.
  void build() {
    form = std::make_unique<SettingsForm>(platform.platform(), dir.path());
    onWindowCreate(*form);
    onPaint(*form);
  }
  void SetUp() override { build(); }

  TextField& field(int slot) { return form->fields[slot]; }
  // The texts of the message boxes shown, in order.
  std::vector<Text> messageTexts() const {
    std::vector<Text> out;
    for (const auto& m : platform.host.messages) out.push_back(m.text);
    return out;
  }
  // The status line of the slot's visible bubble; empty when the slot shows nothing.
  Text messageOf(int slot) const {
    const std::int16_t record = form->fields[slot].bubble;
    if (record == kNoBubble || !form->bubbles[record].visible) return u"";
    return form->bubbles[record].status;
  }
  // The texts of every visible bubble, in pool order.
  std::vector<Text> visibleStatuses() const {
    std::vector<Text> out;
    for (const StatusBubble& b : form->bubbles) {
      if (b.visible) out.push_back(b.status);
    }
    return out;
  }

  TempDir dir;
  TestPlatform platform;
  std::unique_ptr<SettingsForm> form;
};

}  // namespace zarq::testing
