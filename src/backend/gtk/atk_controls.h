#pragma once
// One ATK object per described control, translating the core's description: text fields give
// and take their text, sliders their value, buttons and boxes a click, all their place and
// states. Whatever a screen reader asks to change goes back to the core as a request.

#include <atk/atk.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "backend/gtk/glib_owned.h"
#include "platform/accessible_answers.h"

namespace zarq::gtk {

// What a control object knows: its control as last described, its texts in UTF-8, the
// drawing area it lies in and where its requests go.
struct ControlState {
  AccessibleControl control;
  std::string name, description, value, action;
  GtkWidget* area = nullptr;
  int index = -1;                     // among its page's children; -1 while it is not shown
  AtkObject* errorMessage = nullptr;  // the message hanging on it, owned by the page
  std::vector<AtkObject*> group;      // the options of its pair
  std::vector<GObjectRef<AtkObject>> choices;  // the selector's types, as menu items
  const RequestSink* request = nullptr;
};

// A new object of the type that fits the control's role, child of `page`.
AtkObject* newControlAccessible(const AccessibleControl& control, AtkObject* page, GtkWidget* area,
                                const RequestSink* request);
ControlState& controlState(AtkObject* object);
// Tells a screen reader that the control's `state` went on or off.
void notifyState(AtkObject* object, AccessibleState state, bool on);
// Takes the control's new description.
void updateControl(AtkObject* object, const AccessibleControl& control);

}  // namespace zarq::gtk
