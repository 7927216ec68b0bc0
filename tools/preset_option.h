#pragma once
// The --preset FILE option of the subcommands that look at a form: the file is loaded
// silently, as the editor loads "save.set" at start-up.

#include "args.h"
#include "form/settings_form.h"

namespace zarq::tool {

inline constexpr char kPresetOption[] = "--preset";

// Loads the option's file, if given. A file that cannot be loaded is reported on stderr in
// the editor's words and gives false: a typo must not quietly show the defaults.
bool loadPresetOption(SettingsForm& form, const ParsedArgs& parsed);

}  // namespace zarq::tool
