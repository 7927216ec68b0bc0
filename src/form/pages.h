#pragma once
// Building the six pages and switching between them.

namespace zarq {

struct SettingsForm;

// Lays out every control with its default, validates page 1, builds the background preview
// and loads "save.set" silently when it exists.
void buildForm(SettingsForm& form);
// Makes page n (1 to 6) the page on view: hides everything, shows and validates the page.
void showPage(SettingsForm& form, int n);

}  // namespace zarq
