#include "backend/gtk/atk_page.h"

#include <gtk/gtk-a11y.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "backend/gtk/atk_controls.h"
#include "backend/gtk/atk_type.h"
#include "backend/gtk/glib_owned.h"
#include "common/utf.h"

namespace zarq::gtk {
namespace {

// --- The drawing area's accessible object: the page on view.

struct AreaState {
  bool described = false;
  int page = 0;
  std::map<int, GObjectRef<AtkObject>> panels;
  // Every control ever shown keeps its object, so that a screen reader that holds one finds
  // it again when its page comes back.
  std::map<std::pair<int, int>, GObjectRef<AtkObject>> objects;  // by page and number
};

GType areaAccessibleType();
bool isArea(AtkObject* object) { return G_TYPE_CHECK_INSTANCE_TYPE(object, areaAccessibleType()); }
AreaState& areaState(AtkObject* area) { return stateOf<AreaState>(area); }

// The drawing area knows where its description comes from.
AccessibleSource* sourceOf(AtkObject* area) {
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(area));
  return widget ? &stateOf<AccessibleSource>(widget) : nullptr;
}

AtkObject* panelFor(AtkObject* area, int page) {
  GObjectRef<AtkObject>& panel = areaState(area).panels[page];
  if (!panel) {
    panel.reset(newNode(ATK_ROLE_PANEL, area));
    nodeState(panel.get()).states = pageStates(false);
  }
  return panel.get();
}

AtkObject* panelOnView(AtkObject* area) {
  AreaState& s = areaState(area);
  return s.page > 0 ? panelFor(area, s.page) : nullptr;
}

// Takes the page as it is now; with `tell`, a screen reader hears which panel and which
// children went and came and whether the page's name changed.
void refresh(AtkObject* area, bool tell) {
  AreaState& s = areaState(area);
  AccessibleSource* source = sourceOf(area);
  if (!source) return;
  const AccessiblePage now = source->describe();
  s.described = true;
  AtkObject* oldPanel = panelOnView(area);
  s.page = now.page;
  AtkObject* panel = panelOnView(area);
  if (oldPanel && oldPanel != panel) {
    for (AtkObject* child : nodeState(oldPanel).children) nodeState(child).index = -1;
  }
  if (!panel) return;
  const auto key = [&now](ControlRef id) { return std::pair{now.page, controlNumber(id)}; };
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(area));
  std::vector<AtkObject*> next;
  for (const AccessibleControl& control : now.controls) {
    GObjectRef<AtkObject>& object = s.objects[key(control.id)];
    if (!object) object.reset(newControlAccessible(control, panel, widget, &source->request));
    next.push_back(object.get());
  }
  for (std::size_t i = 0; i < next.size(); ++i) {
    const AccessibleControl& control = now.controls[i];
    NodeState& c = nodeState(next[i]);
    updateControl(next[i], control);
    c.errorMessage = control.errorMessage ? s.objects[key(control.errorMessage)].get() : nullptr;
    c.group.clear();
    for (const ControlRef member : control.group) c.group.push_back(s.objects[key(member)].get());
  }
  NodeState& p = nodeState(panel);
  for (AtkObject* child : p.children) nodeState(child).index = -1;
  for (std::size_t i = 0; i < next.size(); ++i) nodeState(next[i]).index = static_cast<int>(i);
  const std::vector<AtkObject*> was = std::exchange(p.children, next);
  p.name = toUtf8(now.name);
  p.description = toUtf8(now.help);
  if (!tell) return;
  if (oldPanel != panel) {
    if (oldPanel) g_signal_emit_by_name(area, "children-changed::remove", 0, oldPanel);
    g_signal_emit_by_name(area, "children-changed::add", 0, panel);
    return;
  }
  eachChildChange(was, next, [panel](bool added, std::size_t i, AtkObject* child) {
    g_signal_emit_by_name(panel, added ? "children-changed::add" : "children-changed::remove",
                          static_cast<guint>(i), child);
  });
}

AtkObject* described(AtkObject* area) {
  if (!areaState(area).described) refresh(area, false);
  return panelOnView(area);
}

AtkObject* areaChild(AtkObject* area, gint i) {
  AtkObject* panel = described(area);
  return i == 0 && panel ? ATK_OBJECT(g_object_ref(panel)) : nullptr;
}

void areaInitialize(AtkObject* area, gpointer data) {
  ATK_OBJECT_CLASS(g_type_class_peek(GTK_TYPE_WIDGET_ACCESSIBLE))->initialize(area, data);
  atk_object_set_role(area, ATK_ROLE_PANEL);
}
void areaAccessibleClass(gpointer klass, gpointer) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->initialize = areaInitialize;
  atk->get_n_children = [](AtkObject* area) -> gint { return described(area) ? 1 : 0; };
  atk->ref_child = areaChild;
}
GType areaAccessibleType() {
  static const GType type =
      subtype(GTK_TYPE_WIDGET_ACCESSIBLE, "ZarqAreaAccessible", areaAccessibleClass);
  return type;
}

void areaClass(gpointer klass, gpointer) {
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), areaAccessibleType());
}
GType areaType() {
  static const GType type = subtype(GTK_TYPE_DRAWING_AREA, "ZarqArea", areaClass);
  return type;
}

void tellChange(AtkObject* object, const AccessibleEvent& event) {
  const NodeState& s = nodeState(object);
  if (const auto state = changedState(event)) return notifyState(object, *state, event.on);
  const auto [at, length] = changedCharacters(s.control, event);
  switch (event.change) {
    case AccessibleChange::Name:
      return g_object_notify(G_OBJECT(object), "accessible-name");
    case AccessibleChange::Description:
      return g_object_notify(G_OBJECT(object), "accessible-description");
    case AccessibleChange::Value:
      // A combo box's new choice is heard as its selected child, as a native one's is.
      if (s.control.role == AccessibleRole::ComboBox)
        g_signal_emit_by_name(object, "selection-changed");
      return g_object_notify(G_OBJECT(object), "accessible-value");
    case AccessibleChange::TextRemoved:
      return g_signal_emit_by_name(object, "text-remove::system", at, length,
                                   toUtf8(event.text).c_str());
    case AccessibleChange::TextInserted:
      return g_signal_emit_by_name(object, "text-insert::system", at, length,
                                   toUtf8(event.text).c_str());
    case AccessibleChange::Caret:
      return g_signal_emit_by_name(object, "text-caret-moved", at);
    case AccessibleChange::Selection:
      return g_signal_emit_by_name(object, "text-selection-changed");
    case AccessibleChange::Bounds: {
      AtkRectangle r{};
      atk_component_get_extents(ATK_COMPONENT(object), &r.x, &r.y, &r.width, &r.height,
                                ATK_XY_WINDOW);
      return g_signal_emit_by_name(object, "bounds-changed", &r);
    }
    case AccessibleChange::BubbleShown:
      return atk_object_notify_state_change(object, ATK_STATE_SHOWING, TRUE);
    case AccessibleChange::Focus:
    case AccessibleChange::Enabled:
    case AccessibleChange::Invalid:
    case AccessibleChange::Checked:
    case AccessibleChange::PageChanged:
    case AccessibleChange::ControlsChanged:
      break;
  }
}

// The page's panel holds the focus while no control does; only a panel told to hold it is told
// to let go.
void focusPanel(AtkObject* area, bool on) {
  AtkObject* panel = panelOnView(area);
  if (!panel || (!on && !nodeState(panel).states.has(AccessibleState::Focused))) return;
  notifyState(panel, AccessibleState::Focused, on);
}

}  // namespace

GtkWidget* accessibleDrawingArea(AccessibleSource source) {
  GtkWidget* area = GTK_WIDGET(g_object_new(areaType(), nullptr));
  stateOf<AccessibleSource>(area) = std::move(source);
  return area;
}

void announceOnArea(GtkWidget* widget, const AccessibleEvent& event) {
  AtkObject* area = gtk_widget_get_accessible(widget);
  if (!area || !isArea(area)) return;
  refresh(area, true);
  AreaState& s = areaState(area);
  if (event.change == AccessibleChange::Name && !event.control && panelOnView(area)) {
    return g_object_notify(G_OBJECT(panelOnView(area)), "accessible-name");
  }
  if (event.change == AccessibleChange::Focus && !event.control) {
    if (event.page == s.page) focusPanel(area, true);
    return;
  }
  if (!event.control) return;
  const auto found = s.objects.find({event.page, controlNumber(event.control)});
  if (found == s.objects.end()) return;
  tellChange(found->second.get(), event);
  if (event.change == AccessibleChange::Focus && event.on) focusPanel(area, false);
}

}  // namespace zarq::gtk
