#include "backend/gtk/atk_controls.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/utf.h"

namespace zarq::gtk {
namespace {

struct ZarqControl {
  AtkObject parent;
  ControlState* state;
};
struct ZarqControlClass {
  AtkObjectClass parent_class;
};

ControlState& state(gpointer object) { return *reinterpret_cast<ZarqControl*>(object)->state; }

// --- AtkComponent: the control's place in the frame, moved to where the area is.

void extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
             AtkCoordType type) {
  const ControlState& s = state(component);
  GtkWidget* area = s.page ? gtk_accessible_get_widget(GTK_ACCESSIBLE(s.page)) : nullptr;
  gint ox = 0, oy = 0;
  if (area && gtk_widget_get_realized(area)) {
    if (type == ATK_XY_SCREEN) {
      gdk_window_get_origin(gtk_widget_get_window(area), &ox, &oy);
    } else if (type == ATK_XY_WINDOW) {
      gtk_widget_translate_coordinates(area, gtk_widget_get_toplevel(area), 0, 0, &ox, &oy);
    }
  }
  const RectF b = s.control.bounds;
  *x = ox + static_cast<gint>(std::floor(b.x));
  *y = oy + static_cast<gint>(std::floor(b.y));
  *width = static_cast<gint>(std::ceil(b.w));
  *height = static_cast<gint>(std::ceil(b.h));
}

// How soon a click runs, and is tried again while the window cannot take it.
constexpr guint kActivateRetryMs = 50;

gboolean activateLater(gpointer data) {
  auto* call = static_cast<std::pair<std::function<bool(ControlRef)>, ControlRef>*>(data);
  if (call->first && !call->first(call->second)) return G_SOURCE_CONTINUE;
  delete call;
  return G_SOURCE_REMOVE;
}

// A screen reader's request never runs the editor's action inside its own call: a click
// may open a message box with a loop of its own.
void activate(const ControlState& s) {
  g_timeout_add(kActivateRetryMs, activateLater, new std::pair(s.activate, s.control.id));
}

gboolean grabFocus(AtkComponent* component) {
  const ControlState& s = state(component);
  if (s.control.role != AccessibleRole::EditableText || !s.control.enabled) return FALSE;
  activate(s);
  return TRUE;
}

void componentInit(AtkComponentIface* iface) {
  iface->get_extents = extents;
  iface->grab_focus = grabFocus;
}

// --- AtkObject

const gchar* name(AtkObject* object) { return state(object).name.c_str(); }
const gchar* description(AtkObject* object) { return state(object).description.c_str(); }
gint indexInParent(AtkObject* object) { return state(object).index; }

AtkStateSet* refStateSet(AtkObject* object) {
  const ControlState& s = state(object);
  const AccessibleControl& c = s.control;
  AtkStateSet* set = atk_state_set_new();
  if (c.enabled) {
    atk_state_set_add_state(set, ATK_STATE_ENABLED);
    atk_state_set_add_state(set, ATK_STATE_SENSITIVE);
  }
  if (s.index >= 0) {
    atk_state_set_add_state(set, ATK_STATE_VISIBLE);
    atk_state_set_add_state(set, ATK_STATE_SHOWING);
  }
  if (c.focused) atk_state_set_add_state(set, ATK_STATE_FOCUSED);
  if (c.invalid) atk_state_set_add_state(set, ATK_STATE_INVALID_ENTRY);
  switch (c.role) {
    case AccessibleRole::EditableText:
      atk_state_set_add_state(set, ATK_STATE_FOCUSABLE);
      atk_state_set_add_state(set, ATK_STATE_EDITABLE);
      atk_state_set_add_state(set, ATK_STATE_SINGLE_LINE);
      break;
    case AccessibleRole::CheckBox:
    case AccessibleRole::RadioButton:
      atk_state_set_add_state(set, ATK_STATE_CHECKABLE);
      if (c.checked) atk_state_set_add_state(set, ATK_STATE_CHECKED);
      break;
    case AccessibleRole::Slider:
      atk_state_set_add_state(set, ATK_STATE_HORIZONTAL);
      break;
    default:
      break;
  }
  return set;
}

AtkRelationSet* refRelationSet(AtkObject* object) {
  AtkRelationSet* set = atk_relation_set_new();
  if (AtkObject* message = state(object).errorMessage) {
    AtkObject* targets[] = {message};
    AtkRelation* relation = atk_relation_new(targets, 1, ATK_RELATION_ERROR_MESSAGE);
    atk_relation_set_add(set, relation);
    g_object_unref(relation);
  }
  return set;
}

G_DEFINE_TYPE_WITH_CODE(ZarqControl, zarq_control, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, componentInit))

void zarq_control_init(ZarqControl* self) { self->state = new ControlState; }

void controlFinalize(GObject* object) {
  delete reinterpret_cast<ZarqControl*>(object)->state;
  G_OBJECT_CLASS(zarq_control_parent_class)->finalize(object);
}

void zarq_control_class_init(ZarqControlClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = controlFinalize;
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = name;
  atk->get_description = description;
  atk->get_index_in_parent = indexInParent;
  atk->ref_state_set = refStateSet;
  atk->ref_relation_set = refRelationSet;
}

// --- AtkAction: one action, what a click does.

gboolean doAction(AtkAction* action, gint i) {
  const ControlState& s = state(action);
  if (i != 0 || !s.control.enabled) return FALSE;
  activate(s);
  return TRUE;
}
gint actionCount(AtkAction*) { return 1; }
const gchar* actionName(AtkAction*, gint i) { return i == 0 ? "click" : nullptr; }

void actionInit(AtkActionIface* iface) {
  iface->do_action = doAction;
  iface->get_n_actions = actionCount;
  iface->get_name = actionName;
  iface->get_localized_name = actionName;
}

// --- AtkText: a field's text, caret and selection; the selector's type. Offsets count
// characters, as ATK's do.

glong characterCount(const ControlState& s) { return g_utf8_strlen(s.value.c_str(), -1); }

gchar* textBetween(AtkText* text, gint start, gint end) {
  const ControlState& s = state(text);
  const glong count = characterCount(s);
  if (end < 0 || end > count) end = static_cast<gint>(count);
  if (start < 0) start = 0;
  if (start > end) start = end;
  return g_utf8_substring(s.value.c_str(), start, end);
}

gint textLength(AtkText* text) { return static_cast<gint>(characterCount(state(text))); }

gint caretOffset(AtkText* text) {
  const ControlState& s = state(text);
  return characterOffset(s.control.value, s.control.caret);
}

gunichar characterAt(AtkText* text, gint offset) {
  const ControlState& s = state(text);
  if (offset < 0 || offset >= characterCount(s)) return 0;
  return g_utf8_get_char(g_utf8_offset_to_pointer(s.value.c_str(), offset));
}

// The character, word or line (the whole field) around `offset`.
gchar* stringAt(AtkText* text, gint offset, AtkTextGranularity granularity, gint* start,
                gint* end) {
  const ControlState& s = state(text);
  const gint count = static_cast<gint>(characterCount(s));
  offset = std::clamp(offset, 0, count);
  gint from = 0, to = count;
  if (granularity == ATK_TEXT_GRANULARITY_CHAR) {
    from = offset;
    to = std::min(offset + 1, count);
  } else if (granularity == ATK_TEXT_GRANULARITY_WORD) {
    from = offset;
    to = offset;
    while (from > 0 && !g_unichar_isspace(characterAt(text, from - 1))) --from;
    while (to < count && !g_unichar_isspace(characterAt(text, to))) ++to;
    while (to < count && g_unichar_isspace(characterAt(text, to))) ++to;
  }
  *start = from;
  *end = to;
  return textBetween(text, from, to);
}

AtkTextGranularity granularityOf(AtkTextBoundary boundary) {
  switch (boundary) {
    case ATK_TEXT_BOUNDARY_CHAR:
      return ATK_TEXT_GRANULARITY_CHAR;
    case ATK_TEXT_BOUNDARY_WORD_START:
    case ATK_TEXT_BOUNDARY_WORD_END:
      return ATK_TEXT_GRANULARITY_WORD;
    default:
      return ATK_TEXT_GRANULARITY_LINE;
  }
}

gchar* textAt(AtkText* text, gint offset, AtkTextBoundary boundary, gint* start, gint* end) {
  return stringAt(text, offset, granularityOf(boundary), start, end);
}

gint selectionCount(AtkText* text) {
  const AccessibleControl& c = state(text).control;
  return c.selectionEnd > c.selectionStart ? 1 : 0;
}

gchar* selection(AtkText* text, gint n, gint* start, gint* end) {
  const AccessibleControl& c = state(text).control;
  if (n != 0 || c.selectionEnd <= c.selectionStart) {
    *start = *end = 0;
    return nullptr;
  }
  *start = characterOffset(c.value, c.selectionStart);
  *end = characterOffset(c.value, c.selectionEnd);
  return textBetween(text, *start, *end);
}

// Each character reports the field's box: the frame keeps no per-character places.
void characterExtents(AtkText* text, gint, gint* x, gint* y, gint* width, gint* height,
                      AtkCoordType type) {
  extents(ATK_COMPONENT(text), x, y, width, height, type);
}

void textInit(AtkTextIface* iface) {
  iface->get_text = textBetween;
  iface->get_character_count = textLength;
  iface->get_caret_offset = caretOffset;
  iface->get_character_at_offset = characterAt;
  iface->get_string_at_offset = stringAt;
  iface->get_text_at_offset = textAt;
  iface->get_n_selections = selectionCount;
  iface->get_selection = selection;
  iface->get_character_extents = characterExtents;
}

// --- AtkValue: a slider's value between its ends, in its steps.

void valueAndText(AtkValue* value, gdouble* number, gchar** text) {
  const ControlState& s = state(value);
  *number = s.control.number;
  if (text) *text = g_strdup(s.value.c_str());
}
AtkRange* range(AtkValue* value) {
  const AccessibleControl& c = state(value).control;
  return atk_range_new(c.minimum, c.maximum, nullptr);
}
gdouble increment(AtkValue* value) { return state(value).control.step; }

void setDouble(GValue* out, double number) {
  g_value_init(out, G_TYPE_DOUBLE);
  g_value_set_double(out, number);
}
void currentValue(AtkValue* v, GValue* out) { setDouble(out, state(v).control.number); }
void minimumValue(AtkValue* v, GValue* out) { setDouble(out, state(v).control.minimum); }
void maximumValue(AtkValue* v, GValue* out) { setDouble(out, state(v).control.maximum); }
void minimumIncrement(AtkValue* v, GValue* out) { setDouble(out, state(v).control.step); }

void valueInit(AtkValueIface* iface) {
  iface->get_value_and_text = valueAndText;
  iface->get_range = range;
  iface->get_increment = increment;
  iface->get_current_value = currentValue;
  iface->get_minimum_value = minimumValue;
  iface->get_maximum_value = maximumValue;
  iface->get_minimum_increment = minimumIncrement;
}

// --- The kinds of control object, by the interfaces their role needs.

struct ZarqTextControl {
  ZarqControl parent;
};
struct ZarqTextControlClass {
  ZarqControlClass parent_class;
};
G_DEFINE_TYPE_WITH_CODE(ZarqTextControl, zarq_text_control, zarq_control_get_type(),
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, textInit))
void zarq_text_control_init(ZarqTextControl*) {}
void zarq_text_control_class_init(ZarqTextControlClass*) {}

struct ZarqButtonControl {
  ZarqControl parent;
};
struct ZarqButtonControlClass {
  ZarqControlClass parent_class;
};
G_DEFINE_TYPE_WITH_CODE(ZarqButtonControl, zarq_button_control, zarq_control_get_type(),
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, actionInit))
void zarq_button_control_init(ZarqButtonControl*) {}
void zarq_button_control_class_init(ZarqButtonControlClass*) {}

// The selector: a button whose text is the type chosen.
struct ZarqChoiceControl {
  ZarqButtonControl parent;
};
struct ZarqChoiceControlClass {
  ZarqButtonControlClass parent_class;
};
G_DEFINE_TYPE_WITH_CODE(ZarqChoiceControl, zarq_choice_control, zarq_button_control_get_type(),
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, textInit))
void zarq_choice_control_init(ZarqChoiceControl*) {}
void zarq_choice_control_class_init(ZarqChoiceControlClass*) {}

struct ZarqSliderControl {
  ZarqControl parent;
};
struct ZarqSliderControlClass {
  ZarqControlClass parent_class;
};
G_DEFINE_TYPE_WITH_CODE(ZarqSliderControl, zarq_slider_control, zarq_control_get_type(),
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_VALUE, valueInit))
void zarq_slider_control_init(ZarqSliderControl*) {}
void zarq_slider_control_class_init(ZarqSliderControlClass*) {}

struct RoleType {
  AtkRole role;
  GType (*type)();
};

RoleType roleType(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::EditableText:
      return {ATK_ROLE_ENTRY, zarq_text_control_get_type};
    case AccessibleRole::CheckBox:
      return {ATK_ROLE_CHECK_BOX, zarq_button_control_get_type};
    case AccessibleRole::RadioButton:
      return {ATK_ROLE_RADIO_BUTTON, zarq_button_control_get_type};
    case AccessibleRole::Slider:
      return {ATK_ROLE_SLIDER, zarq_slider_control_get_type};
    case AccessibleRole::ComboBox:
      return {ATK_ROLE_COMBO_BOX, zarq_choice_control_get_type};
    case AccessibleRole::PushButton:
      return {ATK_ROLE_PUSH_BUTTON, zarq_button_control_get_type};
    case AccessibleRole::Alert:
      break;
  }
  return {ATK_ROLE_NOTIFICATION, zarq_control_get_type};
}

}  // namespace

int characterOffset(TextView text, int unit) {
  int characters = 0;
  for (int i = 0; i < unit && i < static_cast<int>(text.size()); ++i) {
    if (text[i] < 0xDC00 || text[i] > 0xDFFF) ++characters;
  }
  return characters;
}

AtkObject* newControlAccessible(const AccessibleControl& control, AtkObject* page,
                                std::function<bool(ControlRef)> activate) {
  const RoleType kind = roleType(control.role);
  auto* object = ATK_OBJECT(g_object_new(kind.type(), nullptr));
  atk_object_initialize(object, nullptr);
  atk_object_set_role(object, kind.role);
  atk_object_set_parent(object, page);
  ControlState& s = controlState(object);
  s.page = page;
  s.activate = std::move(activate);
  updateControl(object, control, nullptr);
  return object;
}

ControlState& controlState(AtkObject* object) { return state(object); }

void updateControl(AtkObject* object, const AccessibleControl& control, AtkObject* errorMessage) {
  ControlState& s = state(object);
  s.control = control;
  s.name = toUtf8(control.name);
  s.description = toUtf8(control.description);
  s.value = toUtf8(control.value);
  s.errorMessage = errorMessage;
}

}  // namespace zarq::gtk
