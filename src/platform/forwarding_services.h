#pragma once
// Desktop services that hand every call to another desktop's, for a host that changes a few of
// them (the window loop wraps the dialogs and sorts out the caret).

#include "platform/platform.h"

namespace zarq {

template <typename Services>
class ForwardingServices : public Services {
 public:
  explicit ForwardingServices(DesktopServices& to) : to_(to) {}

  MessageAnswer messageBox(TextView text, TextView title, MessageButtons buttons) override {
    return to_.messageBox(text, title, buttons);
  }
  std::optional<std::filesystem::path> chooseSaveFile(TextView filterName,
                                                      TextView pattern) override {
    return to_.chooseSaveFile(filterName, pattern);
  }
  std::optional<std::filesystem::path> chooseOpenFile(TextView filterName,
                                                      TextView pattern) override {
    return to_.chooseOpenFile(filterName, pattern);
  }
  std::optional<std::filesystem::path> chooseFolder(TextView prompt) override {
    return to_.chooseFolder(prompt);
  }
  ClipboardText clipboardText() override { return to_.clipboardText(); }
  void setClipboardText(TextView text) override { to_.setClipboardText(text); }
  void beep() override { to_.beep(); }
  void setCaretPos(int x, int y, int height) override { to_.setCaretPos(x, y, height); }
  void dropComposition() override { to_.dropComposition(); }
  std::int64_t clockMs() override { return to_.clockMs(); }
  bool isForeground() override { return to_.isForeground(); }
  void announce(const AccessibleEvent& event) override { to_.announce(event); }
  Palette palette() override { return to_.palette(); }
  int zoomTo(int percent) override { return to_.zoomTo(percent); }
  bool watchFolder(const std::filesystem::path& folder, std::function<void()> changed) override {
    return to_.watchFolder(folder, std::move(changed));
  }

 private:
  DesktopServices& to_;
};

}  // namespace zarq
