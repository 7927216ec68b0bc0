#pragma once
// What the window does with each of its events, whatever the platform. A back end maps its
// own events onto these calls. Every user action becomes one step that Ctrl+Z takes back.

#include <filesystem>
#include <vector>

#include "editor/keyboard.h"
#include "platform/accessibility.h"

namespace zarq {

struct SettingsForm;

// The form built and "save.set" of the editor's folder, when there is one, loaded silently,
// as for the window but leaving a "save.set" that cannot be loaded where it is: for tools
// that only look. False when there was one and it could not be loaded.
bool buildFormWithSavedForm(SettingsForm& form);
// The window is being created: files a killed editor left half written are removed, the
// form is built and "save.set" of the editor's folder, when there is one, is loaded silently.
// One that cannot be loaded is renamed to "save.set.unreadable" (or "-2", "-3", ...) before
// anything can write over it; a line on the standard error says so, and a message box once
// the window shows. Closing the window saves the form again (editor/closing.h).
void onWindowCreate(SettingsForm& form);
void onFocusGained(SettingsForm& form);
void onPaint(SettingsForm& form);
void onKeyUp(SettingsForm& form, const KeyStroke& stroke);
// A key held down repeats at the system's rate: each repeat after the first press.
void onKeyRepeat(SettingsForm& form, const KeyStroke& stroke);
void onChar(SettingsForm& form, char16_t unit);
// The input method's text being composed changed; empty once it is committed or dropped.
void onComposition(SettingsForm& form, TextView composing);
void onCommand(SettingsForm& form, Command command);
void onMouseMove(SettingsForm& form, int x, int y);
void onButtonDown(SettingsForm& form, int x, int y);
void onButtonUp(SettingsForm& form, int x, int y);
// The pointer left the client area: a release at the last position, but only while the
// window is in the foreground.
void onMouseLeave(SettingsForm& form);
void onDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths);
// A preset named when the editor was started: opened as Ctrl+O opens the one it chose.
void onOpenPreset(SettingsForm& form, const std::filesystem::path& file);
// A screen reader pressed, toggled or activated a control: what a click on it does.
void onActivate(SettingsForm& form, ControlRef control);
// True while a page arrow's hover animation or a refused key's flash runs: the window keeps
// drawing frames.
bool animationRunning(SettingsForm& form);

}  // namespace zarq
