#pragma once
// The window speaks Chinese whatever the user's locale, and so do GTK's own dialogs (the
// file chooser's labels and buttons) wherever GTK's Chinese translations are installed.

namespace zarq::gtk {

// Asks gettext for Chinese once GTK shows something of its own (releaseTheme), and pango
// from now on. Call once the locale is set up (after gtk_parse_args) and before any other
// thread starts: a "C" or "POSIX" locale for messages, which takes no translations at all,
// becomes "C.UTF-8", which does.
void useChineseMessages();

}  // namespace zarq::gtk
