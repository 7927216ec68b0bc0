#include "backend/gtk/atk_page.h"

#include <gtk/gtk-a11y.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "backend/gtk/atk_controls.h"
#include "common/utf.h"

namespace zarq::gtk {
namespace {

// --- The drawing area, which knows where its description comes from.

struct ZarqArea {
  GtkDrawingArea parent;
  AccessibleSource* source;
};
struct ZarqAreaClass {
  GtkDrawingAreaClass parent_class;
};

// --- A page's panel: its title and its shown controls.

struct Panel {
  std::string name, description;
  std::vector<AtkObject*> children;
};
struct ZarqPanel {
  AtkObject parent;
  Panel* panel;
};
struct ZarqPanelClass {
  AtkObjectClass parent_class;
};

Panel& panelOf(gpointer object) { return *reinterpret_cast<ZarqPanel*>(object)->panel; }

gint panelChildCount(AtkObject* object) {
  return static_cast<gint>(panelOf(object).children.size());
}
AtkObject* panelChild(AtkObject* object, gint i) {
  const std::vector<AtkObject*>& children = panelOf(object).children;
  if (i < 0 || i >= static_cast<gint>(children.size())) return nullptr;
  return ATK_OBJECT(g_object_ref(children[static_cast<std::size_t>(i)]));
}
const gchar* panelName(AtkObject* object) { return panelOf(object).name.c_str(); }
const gchar* panelDescription(AtkObject* object) { return panelOf(object).description.c_str(); }
gint panelIndex(AtkObject*) { return 0; }

G_DEFINE_TYPE(ZarqPanel, zarq_panel, ATK_TYPE_OBJECT)

void zarq_panel_init(ZarqPanel* self) { self->panel = new Panel; }
void panelFinalize(GObject* object) {
  delete reinterpret_cast<ZarqPanel*>(object)->panel;
  G_OBJECT_CLASS(zarq_panel_parent_class)->finalize(object);
}
void zarq_panel_class_init(ZarqPanelClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = panelFinalize;
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_n_children = panelChildCount;
  atk->ref_child = panelChild;
  atk->get_name = panelName;
  atk->get_description = panelDescription;
  atk->get_index_in_parent = panelIndex;
}

// --- The area's accessible object: the page on view.

struct AreaState {
  bool described = false;
  int page = 0;
  std::map<int, AtkObject*> panels;
  // Every control ever shown keeps its object, so that a screen reader that holds one finds
  // it again when its page comes back.
  std::map<std::tuple<int, int, int>, AtkObject*> objects;
};

struct ZarqAreaAccessible {
  GtkWidgetAccessible parent;
  AreaState* state;
};
struct ZarqAreaAccessibleClass {
  GtkWidgetAccessibleClass parent_class;
};

GType zarq_area_accessible_get_type();
bool isArea(AtkObject* object) {
  return G_TYPE_CHECK_INSTANCE_TYPE(object, zarq_area_accessible_get_type());
}
AreaState& areaState(AtkObject* area) {
  return *reinterpret_cast<ZarqAreaAccessible*>(area)->state;
}

AccessibleSource* sourceOf(AtkObject* area) {
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(area));
  return widget ? reinterpret_cast<ZarqArea*>(widget)->source : nullptr;
}

AtkObject* panelFor(AtkObject* area, int page) {
  AtkObject*& panel = areaState(area).panels[page];
  if (!panel) {
    panel = ATK_OBJECT(g_object_new(zarq_panel_get_type(), nullptr));
    atk_object_initialize(panel, nullptr);
    atk_object_set_role(panel, ATK_ROLE_PANEL);
    atk_object_set_parent(panel, area);
  }
  return panel;
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
    for (AtkObject* child : panelOf(oldPanel).children) controlState(child).index = -1;
  }
  if (!panel) return;
  const auto key = [&now](ControlRef id) {
    return std::tuple{now.page, static_cast<int>(id.kind), id.index};
  };
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(area));
  std::vector<AtkObject*> next;
  for (const AccessibleControl& control : now.controls) {
    AtkObject*& object = s.objects[key(control.id)];
    if (!object) object = newControlAccessible(control, panel, widget, &source->request);
    next.push_back(object);
  }
  for (std::size_t i = 0; i < next.size(); ++i) {
    const AccessibleControl& control = now.controls[i];
    ControlState& c = controlState(next[i]);
    updateControl(next[i], control);
    c.errorMessage = control.errorMessage ? s.objects[key(control.errorMessage)] : nullptr;
    c.group.clear();
    for (const ControlRef member : control.group) c.group.push_back(s.objects[key(member)]);
  }
  Panel& p = panelOf(panel);
  for (AtkObject* child : p.children) controlState(child).index = -1;
  for (std::size_t i = 0; i < next.size(); ++i) controlState(next[i]).index = static_cast<int>(i);
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

gint areaChildCount(AtkObject* area) { return described(area) ? 1 : 0; }
AtkObject* areaChild(AtkObject* area, gint i) {
  AtkObject* panel = described(area);
  return i == 0 && panel ? ATK_OBJECT(g_object_ref(panel)) : nullptr;
}

void areaInitialize(AtkObject* area, gpointer data);
void areaAccessibleFinalize(GObject* object);

G_DEFINE_TYPE(ZarqAreaAccessible, zarq_area_accessible, GTK_TYPE_WIDGET_ACCESSIBLE)

void zarq_area_accessible_init(ZarqAreaAccessible* self) { self->state = new AreaState; }

void zarq_area_accessible_class_init(ZarqAreaAccessibleClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = areaAccessibleFinalize;
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->initialize = areaInitialize;
  atk->get_n_children = areaChildCount;
  atk->ref_child = areaChild;
}

void areaInitialize(AtkObject* area, gpointer data) {
  ATK_OBJECT_CLASS(zarq_area_accessible_parent_class)->initialize(area, data);
  atk_object_set_role(area, ATK_ROLE_PANEL);
}

void areaAccessibleFinalize(GObject* object) {
  AreaState* s = reinterpret_cast<ZarqAreaAccessible*>(object)->state;
  for (auto& [key, child] : s->objects) g_object_unref(child);
  for (auto& [page, panel] : s->panels) g_object_unref(panel);
  delete s;
  G_OBJECT_CLASS(zarq_area_accessible_parent_class)->finalize(object);
}

void areaFinalize(GObject* object);

G_DEFINE_TYPE(ZarqArea, zarq_area, GTK_TYPE_DRAWING_AREA)

void zarq_area_init(ZarqArea* self) { self->source = nullptr; }

void zarq_area_class_init(ZarqAreaClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = areaFinalize;
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), zarq_area_accessible_get_type());
}

void areaFinalize(GObject* object) {
  delete reinterpret_cast<ZarqArea*>(object)->source;
  G_OBJECT_CLASS(zarq_area_parent_class)->finalize(object);
}

void tellChange(AtkObject* object, const AccessibleEvent& event) {
  const ControlState& s = controlState(object);
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

}  // namespace

GtkWidget* accessibleDrawingArea(AccessibleSource source) {
  auto* area = static_cast<ZarqArea*>(g_object_new(zarq_area_get_type(), nullptr));
  area->source = new AccessibleSource(std::move(source));
  return GTK_WIDGET(area);
}

void announceOnArea(GtkWidget* widget, const AccessibleEvent& event) {
  AtkObject* area = gtk_widget_get_accessible(widget);
  if (!area || !isArea(area)) return;
  refresh(area, true);
  AreaState& s = areaState(area);
  if (event.change == AccessibleChange::Name && !event.control && panelOnView(area)) {
    return g_object_notify(G_OBJECT(panelOnView(area)), "accessible-name");
  }
  if (!event.control) return;
  const auto found =
      s.objects.find({event.page, static_cast<int>(event.control.kind), event.control.index});
  if (found == s.objects.end()) return;
  // A control on a page turned away from is described no more: it is told here.
  if (event.change == AccessibleChange::Focus)
    controlState(found->second).control.focused = event.on;
  tellChange(found->second, event);
}

}  // namespace zarq::gtk
