#pragma once
// The editor's icon: installed into the hicolor theme for the desktop's menus, and built into
// the program too, as pictures of the sizes a window shows, so that the window shows it even
// when the editor runs where it was built, without looking through the icon theme.

namespace zarq::gtk {

// Gives every window of the editor the built-in icon; call once GTK is up.
void provideAppIcon();

}  // namespace zarq::gtk
