#pragma once
// The end of the editor: the form is saved to "save.set" of its folder, so that the next start
// takes it up again. Saving is silent while it works; when it fails, the form is never lost
// without a word.

#include <filesystem>
#include <optional>

#include "common/text.h"

namespace zarq {

struct SettingsForm;

// The form as the editor left it last time, in the editor's folder.
inline constexpr char kSavedForm[] = "save.set";

// Remembers what "save.set" is now, once the form was loaded from it or saved to it: the
// close replaces it unasked only while no other program has changed it since.
void noteSaveSetSeen(SettingsForm& form);

// The user closes the window (the close box, Ctrl+Q, Ctrl+W). The form is saved; when that
// fails, a message box says why and asks whether to save it elsewhere (Yes: the save dialog,
// then closing), to close without saving (No) or to go back to the window (Cancel). When
// another program changed "save.set" since, a question asks first whether to replace it
// (Yes), save the form elsewhere (No) or go back to the window (Cancel). True when the window
// may close.
bool onCloseRequested(SettingsForm& form);

// What the end of a session did with the form.
struct SessionEndSave {
  bool savedInFolder = false;      // it is in "save.set"
  std::filesystem::path fallback;  // else where it went instead; empty when nowhere
};
// The session ends with no one to ask (a signal, a logoff, the display gone): the form is
// saved to "save.set", or when that fails or "save.set" changed under the editor to a new file
// in `fallbackFolder`, whose path is printed on the standard error; a line says so too when it
// could be saved nowhere. With a `cause`, stderr gives it first, and names "save.set" too when
// the form went there.
SessionEndSave onSessionEnd(SettingsForm& form, const std::filesystem::path& fallbackFolder,
                            const char* cause = nullptr);
// The message that names the fallback files the end of an earlier session saved the form to,
// because "save.set" of this folder could not take it; empty when there are none. Taken once.
Text takeRescueNote(SettingsForm& form);
// The folder of the fallback files: "zarq-settings" in the user's data folder.
std::filesystem::path fallbackFolder();

// The exit status says what became of the form, so that a script can tell a loss from a
// save: 0 when it is in "save.set" or where the user chose to save it, or 128 + the signal's
// number when a signal ended the session and it is in "save.set"; kExitFormInFallback when
// the session ended with it in a fallback file; kExitFormLost when it was saved nowhere, the
// user having chosen so at the close or the session having ended with no place to save it.
inline constexpr int kExitFormInFallback = 3;
inline constexpr int kExitFormLost = 4;
// `sessionEnd`: what the end of the session did with the form, nothing when the user closed
// the window; `signal`: the signal that ended the session, 0 for none.
int exitStatus(const SettingsForm& form, const std::optional<SessionEndSave>& sessionEnd,
               int signal);

}  // namespace zarq
