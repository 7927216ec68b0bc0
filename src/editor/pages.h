#pragma once
// Building the six pages and switching between them.

namespace zarq {

struct SettingsForm;

// Lays out every control with its default, validates page 1 and builds the background
// preview at blur 80.
void buildForm(SettingsForm& form);
// Makes page n (1 to 6) the page on view: hides everything, shows and validates the page.
// Editing ends; another page starts with nothing focused.
void showPage(SettingsForm& form, int n);

}  // namespace zarq
