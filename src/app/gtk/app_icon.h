#pragma once
// The editor's icon: installed into the hicolor theme for the desktop's menus, and built into
// the program too, so that the window shows it even when the editor runs where it was built.

namespace zarq::gtk {

inline constexpr char kAppIconName[] = "zarq-settings";

// Lets the icon theme find the built-in icon; call once GTK is up.
void provideAppIcon();

}  // namespace zarq::gtk
