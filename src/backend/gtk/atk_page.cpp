#include "backend/gtk/atk_page.h"

#include <gtk/gtk-a11y.h>

#include <algorithm>
#include <map>
#include <string>
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

// --- Its accessible object: the page, with one child per shown control.

struct PageState {
  bool described = false;
  std::string name, description;
  // Every control ever shown keeps its object, so that a screen reader that holds one
  // finds it again when its page comes back.
  std::map<std::pair<int, int>, AtkObject*> objects;
  std::vector<AtkObject*> children;
};

struct ZarqPage {
  GtkWidgetAccessible parent;
  PageState* state;
};
struct ZarqPageClass {
  GtkWidgetAccessibleClass parent_class;
};

GType zarq_page_get_type();
bool isPage(AtkObject* object) { return G_TYPE_CHECK_INSTANCE_TYPE(object, zarq_page_get_type()); }
PageState& pageState(AtkObject* page) { return *reinterpret_cast<ZarqPage*>(page)->state; }

std::pair<int, int> keyOf(ControlRef id) { return {static_cast<int>(id.kind), id.index}; }

AccessibleSource* sourceOf(AtkObject* page) {
  GtkWidget* area = gtk_accessible_get_widget(GTK_ACCESSIBLE(page));
  return area ? reinterpret_cast<ZarqArea*>(area)->source : nullptr;
}

// Takes the page as it is now; with `tell`, a screen reader hears which children went and
// came and whether the page's name changed.
void refresh(AtkObject* page, bool tell) {
  PageState& s = pageState(page);
  AccessibleSource* source = sourceOf(page);
  if (!source) return;
  const AccessiblePage now = source->describe();
  s.described = true;
  std::vector<AtkObject*> next;
  for (const AccessibleControl& control : now.controls) {
    AtkObject*& object = s.objects[keyOf(control.id)];
    if (!object) object = newControlAccessible(control, page, source->activate);
    next.push_back(object);
  }
  for (std::size_t i = 0; i < next.size(); ++i) {
    const AccessibleControl& control = now.controls[i];
    AtkObject* message = nullptr;
    if (control.errorMessage) message = s.objects[keyOf(control.errorMessage)];
    updateControl(next[i], control, message);
  }
  for (auto& [key, object] : s.objects) controlState(object).index = -1;
  for (std::size_t i = 0; i < next.size(); ++i) controlState(next[i]).index = static_cast<int>(i);
  const std::vector<AtkObject*> was = std::exchange(s.children, next);
  const std::string name = toUtf8(now.title);
  const bool renamed = name != s.name;
  s.name = name;
  s.description = toUtf8(now.help);
  if (!tell) return;
  for (std::size_t i = was.size(); i-- > 0;) {
    if (std::find(next.begin(), next.end(), was[i]) == next.end()) {
      g_signal_emit_by_name(page, "children-changed::remove", static_cast<guint>(i), was[i]);
    }
  }
  for (std::size_t i = 0; i < next.size(); ++i) {
    if (std::find(was.begin(), was.end(), next[i]) == was.end()) {
      g_signal_emit_by_name(page, "children-changed::add", static_cast<guint>(i), next[i]);
    }
  }
  if (renamed) g_object_notify(G_OBJECT(page), "accessible-name");
}

PageState& described(AtkObject* page) {
  if (!pageState(page).described) refresh(page, false);
  return pageState(page);
}

gint childCount(AtkObject* page) { return static_cast<gint>(described(page).children.size()); }

AtkObject* refChild(AtkObject* page, gint i) {
  const std::vector<AtkObject*>& children = described(page).children;
  if (i < 0 || i >= static_cast<gint>(children.size())) return nullptr;
  return ATK_OBJECT(g_object_ref(children[static_cast<std::size_t>(i)]));
}

const gchar* pageName(AtkObject* page) { return described(page).name.c_str(); }
const gchar* pageDescription(AtkObject* page) { return described(page).description.c_str(); }

void pageInitialize(AtkObject* page, gpointer data);
void pageFinalize(GObject* object);

G_DEFINE_TYPE(ZarqPage, zarq_page, GTK_TYPE_WIDGET_ACCESSIBLE)

void zarq_page_init(ZarqPage* self) { self->state = new PageState; }

void zarq_page_class_init(ZarqPageClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = pageFinalize;
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->initialize = pageInitialize;
  atk->get_n_children = childCount;
  atk->ref_child = refChild;
  atk->get_name = pageName;
  atk->get_description = pageDescription;
}

void pageInitialize(AtkObject* page, gpointer data) {
  ATK_OBJECT_CLASS(zarq_page_parent_class)->initialize(page, data);
  atk_object_set_role(page, ATK_ROLE_PANEL);
}

void pageFinalize(GObject* object) {
  PageState* s = reinterpret_cast<ZarqPage*>(object)->state;
  for (auto& [key, child] : s->objects) g_object_unref(child);
  delete s;
  G_OBJECT_CLASS(zarq_page_parent_class)->finalize(object);
}

void areaFinalize(GObject* object);

G_DEFINE_TYPE(ZarqArea, zarq_area, GTK_TYPE_DRAWING_AREA)

void zarq_area_init(ZarqArea* self) { self->source = nullptr; }

void zarq_area_class_init(ZarqAreaClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = areaFinalize;
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), zarq_page_get_type());
}

void areaFinalize(GObject* object) {
  delete reinterpret_cast<ZarqArea*>(object)->source;
  G_OBJECT_CLASS(zarq_area_parent_class)->finalize(object);
}

void notifyState(AtkObject* object, AtkStateType state, bool on) {
  atk_object_notify_state_change(object, state, on ? TRUE : FALSE);
}

void tellChange(AtkObject* object, const AccessibleEvent& event) {
  const ControlState& s = controlState(object);
  const auto at = [&](int unit) { return characterOffset(s.control.value, unit); };
  const auto length = [&] {
    return characterOffset(event.text, static_cast<int>(event.text.size()));
  };
  switch (event.change) {
    case AccessibleChange::Focus:
      return notifyState(object, ATK_STATE_FOCUSED, event.on);
    case AccessibleChange::Enabled:
      notifyState(object, ATK_STATE_ENABLED, event.on);
      return notifyState(object, ATK_STATE_SENSITIVE, event.on);
    case AccessibleChange::Invalid:
      return notifyState(object, ATK_STATE_INVALID_ENTRY, event.on);
    case AccessibleChange::Checked:
      return notifyState(object, ATK_STATE_CHECKED, event.on);
    case AccessibleChange::Name:
      return g_object_notify(G_OBJECT(object), "accessible-name");
    case AccessibleChange::Description:
      return g_object_notify(G_OBJECT(object), "accessible-description");
    case AccessibleChange::Value:
      return g_object_notify(G_OBJECT(object), "accessible-value");
    case AccessibleChange::TextRemoved:
      return g_signal_emit_by_name(object, "text-remove::system", at(event.position), length(),
                                   toUtf8(event.text).c_str());
    case AccessibleChange::TextInserted:
      return g_signal_emit_by_name(object, "text-insert::system", at(event.position), length(),
                                   toUtf8(event.text).c_str());
    case AccessibleChange::Caret:
      return g_signal_emit_by_name(object, "text-caret-moved", at(event.position));
    case AccessibleChange::Selection:
      return g_signal_emit_by_name(object, "text-selection-changed");
    case AccessibleChange::Bounds: {
      AtkRectangle r{};
      atk_component_get_extents(ATK_COMPONENT(object), &r.x, &r.y, &r.width, &r.height,
                                ATK_XY_WINDOW);
      return g_signal_emit_by_name(object, "bounds-changed", &r);
    }
    case AccessibleChange::BubbleShown:
      return notifyState(object, ATK_STATE_SHOWING, true);
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

void announceOnArea(GtkWidget* area, const AccessibleEvent& event) {
  AtkObject* page = gtk_widget_get_accessible(area);
  if (!page || !isPage(page)) return;
  refresh(page, true);
  if (!event.control) return;
  const auto found = pageState(page).objects.find(keyOf(event.control));
  if (found != pageState(page).objects.end()) tellChange(found->second, event);
}

}  // namespace zarq::gtk
