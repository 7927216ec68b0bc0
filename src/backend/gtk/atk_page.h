#pragma once
// The self-drawn page for screen readers on GTK: a drawing area whose accessible object holds
// the page on view as a panel named by its title, one ATK child per control the core
// describes, raising ATK's signals for each change the core announces. Each page has a panel
// of its own, so that a screen reader says the page's title when the focus moves onto it.

#include <gtk/gtk.h>

#include "platform/accessibility.h"

namespace zarq::gtk {

// A drawing area whose accessible object publishes what `source` describes.
GtkWidget* accessibleDrawingArea(AccessibleSource source);

// Brings the area's accessible children up to date and raises the signals of `event`;
// nothing when no screen reader ever asked for them.
void announceOnArea(GtkWidget* area, const AccessibleEvent& event);

}  // namespace zarq::gtk
