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
// The user turns to page n (Ctrl+N, an arrow): it shows, and its first control takes the
// focus, so that the keys typed next go somewhere and a screen reader says where they go.
void turnPage(SettingsForm& form, int n);

}  // namespace zarq
