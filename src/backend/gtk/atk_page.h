#pragma once
// The self-drawn page for screen readers on GTK: a drawing area whose accessible object has
// one ATK child per control the core describes, raising ATK's signals for each change the
// core announces.

#include <gtk/gtk.h>

#include <functional>

#include "platform/accessibility.h"

namespace zarq::gtk {

struct AccessibleSource {
  std::function<AccessiblePage()> describe;  // the page on view, as it is now
  // What a click on the control does; called from the main loop, never inside a query.
  // False while the window cannot take it yet (long work runs): it is tried again shortly.
  std::function<bool(ControlRef)> activate;
};

// A drawing area whose accessible object publishes what `source` describes.
GtkWidget* accessibleDrawingArea(AccessibleSource source);

// Brings the area's accessible children up to date and raises the signals of `event`;
// nothing when no screen reader ever asked for them.
void announceOnArea(GtkWidget* area, const AccessibleEvent& event);

}  // namespace zarq::gtk
