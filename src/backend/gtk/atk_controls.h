#pragma once
// One ATK object for each thing a screen reader finds on the page: the page's panel, each
// control the core describes and the selector's types, answering from what the core said of
// it. Text fields give and take their text, sliders their value, buttons and boxes a click, all
// their place and states. Whatever a screen reader asks to change goes back to the core as a
// request.

#include <atk/atk.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "backend/gtk/glib_owned.h"
#include "platform/accessible_answers.h"

namespace zarq::gtk {

// What an object knows: its texts in UTF-8 and its states as the core gave them, its place
// and children; a control also its description as last given, the drawing area it lies in and
// where its requests go.
struct NodeState {
  AccessibleControl control;
  std::string name, description, value, action;
  AccessibleStates states;
  int index = -1;                     // among its parent's children; -1 while it is not shown
  std::vector<AtkObject*> children;   // the page's controls; the selector's types
  AtkObject* errorMessage = nullptr;  // the message hanging on it, owned by the page
  std::vector<AtkObject*> group;      // the options of its pair
  std::vector<GObjectRef<AtkObject>> choices;  // the selector's types, as menu items
  GtkWidget* area = nullptr;
  const RequestSink* request = nullptr;
};

// A new object with `role` and no interfaces, first child of `parent`: the page's panel.
AtkObject* newNode(AtkRole role, AtkObject* parent);
// A new object of the type that fits the control's role, child of `page`.
AtkObject* newControlAccessible(const AccessibleControl& control, AtkObject* page, GtkWidget* area,
                                const RequestSink* request);
NodeState& nodeState(AtkObject* object);
// Takes the object's `state` going on or off, and tells a screen reader.
void notifyState(AtkObject* object, AccessibleState state, bool on);
// Takes the control's new description.
void updateControl(AtkObject* object, const AccessibleControl& control);

}  // namespace zarq::gtk
