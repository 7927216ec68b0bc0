#pragma once
// What the window does with each of its events, whatever the platform. A back end maps its
// own events onto these calls. Every user action becomes one step that Ctrl+Z takes back.

#include <filesystem>
#include <vector>

#include "editor/keyboard.h"
#include "form/key_tracker.h"
#include "platform/accessibility.h"
#include "platform/platform.h"

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
// the window shows. Closing the window saves the form again (editor/closing.h). From here on
// the folder is watched for the illustration (onFolderChanged).
void onWindowCreate(SettingsForm& form);
// Each event below is the window's, whatever the platform: it changes the form, records the
// step Ctrl+Z takes back and ends with at most one frame (none when nothing it shows changed).
// Input (keys, characters, commands, the pointer, drops, the close box) that arrives while
// long work runs waits and is handled, in order, once the work is done.

// The window took the keyboard: the pointer's button counts as up, and the illustration is
// looked up again (it may have changed while another program had the focus), and screen
// readers hear the focused control again.
void onFocusGained(SettingsForm& form);
// Another window took the keyboard: keys let go meanwhile are never reported.
void onFocusLost(SettingsForm& form);
// The window must show its frame again (exposed, rescaled): a frame now.
void onPaint(SettingsForm& form);
// An entry of the editor's folder was added, removed, renamed or rewritten: the illustration
// is looked up again, and a frame shows it when it changed.
void onFolderChanged(SettingsForm& form);
// A key went down (`code`: the window's number for the physical key). The key is tracked with
// the modifiers it went down with; a key already down is the keyboard's auto-repeat, and a
// repeating caret key acts again. True when the key was taken so; otherwise the window goes
// on with it as an accelerator or typing.
bool onKeyPressed(SettingsForm& form, KeyCode code, const KeyStroke& stroke);
// A key came up: it acts with the modifiers it went down with (`strokeNow` when its press was
// never seen), unless the input method took the release for its composition (`acts` false).
// A key whose press the window never saw acts only on the edited field, never on another
// control nor as a help key: its press closed a message box, or went to another window.
void onKeyReleased(SettingsForm& form, KeyCode code, const KeyStroke& strokeNow, bool acts = true);
// A key acts as it is released: Left, Right, Home, End and Delete.
void onKeyUp(SettingsForm& form, const KeyStroke& stroke);
// A key held down repeats at the system's rate: each repeat after the first press.
void onKeyRepeat(SettingsForm& form, const KeyStroke& stroke);
void onChar(SettingsForm& form, char16_t unit);
// The input method's text being composed changed; empty once it is committed or dropped. It
// belongs to the field edited as it began: when that field's editing ends, the event that
// ended it has the input method drop it.
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
// A screen reader pressed, focused or wrote into a control: carried out as an event of its
// own once the screen reader's call has returned (a click may open a message box), after
// any message box or long work has ended.
void onToolRequest(SettingsForm& form, ToolRequest request);
// True while a page arrow's hover animation or a refused key's flash runs: the window keeps
// drawing frames.
bool animationRunning(SettingsForm& form);
// The frame the event under way owes, drawn now: at the end of every event, and before a
// message box opens over the window, so that the box stands in front of what the action did.
void showChanges(SettingsForm& form);

}  // namespace zarq
