#pragma once
// The options of the subcommands that look at a form: --preset FILE, loaded silently as the
// editor loads "save.set" at start-up, and --dir DIR, the folder the editor works in.

#include <filesystem>
#include <optional>

#include "args.h"
#include "form/settings_form.h"

namespace zarq::tool {

inline constexpr char kPresetOption[] = "--preset";

// Loads the option's file, if given. A file that cannot be loaded is reported on stderr in
// the editor's words and gives false: a typo must not quietly show the defaults.
bool loadPresetOption(SettingsForm& form, const ParsedArgs& parsed);

// The folder a preset lies in, where the editor would find its chart and media ("." for
// standard input and for a name without a folder).
std::filesystem::path folderOf(const std::filesystem::path& preset);

// The folder the form is built in: --dir, else the folder of --preset, else the current
// one. nullopt, with a message, when --dir names no folder.
std::optional<std::filesystem::path> formFolder(const ParsedArgs& parsed);

}  // namespace zarq::tool
