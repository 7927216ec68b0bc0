#include "backend/gtk/atk_controls.h"

#include <string_view>
#include <tuple>
#include <utility>

#include "backend/gtk/atk_type.h"
#include "common/utf.h"
#include "common/words.h"
#include "platform/accessible_answers.h"

namespace zarq::gtk {
namespace {

NodeState& state(gpointer object) { return stateOf<NodeState>(object); }

void ask(const NodeState& s, const ToolRequest& request) {
  if (s.request && *s.request) (*s.request)(request);
}
// A request its control may refuse at once.
gboolean offer(const NodeState& s, ToolRequest::Kind kind) {
  return s.request && offerRequest(s.control, {kind, s.control.id, 0, 0, {}, 0}, *s.request);
}

// --- AtkComponent: the control's place in the window, moved to where the area is.

void extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
             AtkCoordType type) {
  const NodeState& s = state(component);
  gint ox = 0, oy = 0;
  if (s.area && gtk_widget_get_realized(s.area)) {
    if (type == ATK_XY_SCREEN) {
      gdk_window_get_origin(gtk_widget_get_window(s.area), &ox, &oy);
    } else if (type == ATK_XY_WINDOW) {
      gtk_widget_translate_coordinates(s.area, gtk_widget_get_toplevel(s.area), 0, 0, &ox, &oy);
    }
  }
  const PixelBox b = pixelBox(s.control.bounds);
  *x = ox + b.x;
  *y = oy + b.y;
  *width = b.width;
  *height = b.height;
}

void componentInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkComponentIface*>(methods);
  iface->get_extents = extents;
  iface->grab_focus = [](AtkComponent* c) { return offer(state(c), ToolRequest::Kind::Focus); };
}

// --- AtkObject

// The core's states as ATK names them; a usable control is both enabled and sensitive.
constexpr std::pair<AccessibleState, AtkStateType> kStates[] = {
    {AccessibleState::Enabled, ATK_STATE_ENABLED},
    {AccessibleState::Enabled, ATK_STATE_SENSITIVE},
    {AccessibleState::Focusable, ATK_STATE_FOCUSABLE},
    {AccessibleState::Focused, ATK_STATE_FOCUSED},
    {AccessibleState::Invalid, ATK_STATE_INVALID_ENTRY},
    {AccessibleState::Editable, ATK_STATE_EDITABLE},
    {AccessibleState::Editable, ATK_STATE_SINGLE_LINE},
    {AccessibleState::Checkable, ATK_STATE_CHECKABLE},
    {AccessibleState::Checked, ATK_STATE_CHECKED},
    {AccessibleState::Horizontal, ATK_STATE_HORIZONTAL},
    {AccessibleState::Selectable, ATK_STATE_SELECTABLE},
    {AccessibleState::Selected, ATK_STATE_SELECTED},
};

AtkStateSet* refStateSet(AtkObject* object) {
  const NodeState& s = state(object);
  AtkStateSet* set = atk_state_set_new();
  for (const auto& [core, atk] : kStates) {
    if (s.states.has(core)) atk_state_set_add_state(set, atk);
  }
  if (s.index >= 0) {
    atk_state_set_add_state(set, ATK_STATE_VISIBLE);
    atk_state_set_add_state(set, ATK_STATE_SHOWING);
  }
  return set;
}

void addRelation(AtkRelationSet* set, std::vector<AtkObject*> targets, AtkRelationType type) {
  if (targets.empty()) return;
  AtkRelation* relation = atk_relation_new(targets.data(), static_cast<gint>(targets.size()), type);
  atk_relation_set_add(set, relation);
  g_object_unref(relation);
}

AtkRelationSet* refRelationSet(AtkObject* object) {
  const NodeState& s = state(object);
  AtkRelationSet* set = atk_relation_set_new();
  if (s.errorMessage) addRelation(set, {s.errorMessage}, ATK_RELATION_ERROR_MESSAGE);
  addRelation(set, s.group, ATK_RELATION_MEMBER_OF);
  return set;
}

// The page's controls, the selector's types; other controls have none.
AtkObject* childAt(gpointer object, gint i) {
  const auto& children = state(object).children;
  if (i < 0 || i >= static_cast<gint>(children.size())) return nullptr;
  return ATK_OBJECT(g_object_ref(children[static_cast<std::size_t>(i)]));
}

void nodeClass(gpointer klass, gpointer) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = [](AtkObject* o) { return state(o).name.c_str(); };
  atk->get_description = [](AtkObject* o) { return state(o).description.c_str(); };
  atk->get_index_in_parent = [](AtkObject* o) { return state(o).index; };
  atk->ref_state_set = refStateSet;
  atk->ref_relation_set = refRelationSet;
  atk->get_n_children = [](AtkObject* o) { return static_cast<gint>(state(o).children.size()); };
  atk->ref_child = [](AtkObject* o, gint i) { return childAt(o, i); };
}
GType nodeType() {
  static const GType type = subtype(ATK_TYPE_OBJECT, "ZarqNode", nodeClass);
  return type;
}

// --- AtkAction: one action, what a click does, named in the window's words.

void actionInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkActionIface*>(methods);
  iface->do_action = [](AtkAction* a, gint i) -> gboolean {
    return i == 0 && offer(state(a), ToolRequest::Kind::Activate);
  };
  iface->get_n_actions = [](AtkAction*) -> gint { return 1; };
  iface->get_name = [](AtkAction*, gint i) -> const gchar* { return i == 0 ? "click" : nullptr; };
  iface->get_localized_name = [](AtkAction* a, gint i) -> const gchar* {
    return i == 0 ? state(a).action.c_str() : nullptr;
  };
}

// --- AtkText: a field's text, caret and selection; the selector's type.

const AccessibleControl& control(gpointer object) { return state(object).control; }

gchar* textBetween(AtkText* t, gint start, gint end) {
  return g_strdup(toUtf8(charactersBetween(control(t), start, end)).c_str());
}

// The character, the word (with the blanks after it) or the line (the whole field) around
// `offset`.
gchar* stringAt(AtkText* t, gint offset, AtkTextGranularity granularity, gint* start, gint* end) {
  const ReadingUnit unit = granularity == ATK_TEXT_GRANULARITY_CHAR   ? ReadingUnit::Character
                           : granularity == ATK_TEXT_GRANULARITY_WORD ? ReadingUnit::Word
                                                                      : ReadingUnit::Line;
  std::tie(*start, *end) = charactersAround(control(t).value, offset, unit);
  return textBetween(t, *start, *end);
}
gchar* textAt(AtkText* t, gint offset, AtkTextBoundary boundary, gint* start, gint* end) {
  AtkTextGranularity granularity = ATK_TEXT_GRANULARITY_LINE;
  if (boundary == ATK_TEXT_BOUNDARY_CHAR) granularity = ATK_TEXT_GRANULARITY_CHAR;
  if (boundary == ATK_TEXT_BOUNDARY_WORD_START || boundary == ATK_TEXT_BOUNDARY_WORD_END) {
    granularity = ATK_TEXT_GRANULARITY_WORD;
  }
  return stringAt(t, offset, granularity, start, end);
}

gchar* selection(AtkText* t, gint n, gint* start, gint* end) {
  const auto selected = n == 0 ? selectedCharacters(control(t)) : std::nullopt;
  std::tie(*start, *end) = selected.value_or(std::pair{0, 0});
  return selected ? textBetween(t, *start, *end) : nullptr;
}

// The field draws its text in one font and colour: one run, with no attributes, over all of it.
AtkAttributeSet* runAttributes(AtkText* t, gint, gint* start, gint* end) {
  *start = 0;
  *end = characterCount(control(t));
  return nullptr;
}

// Each character reports the field's box: the frame keeps no per-character places.
void characterExtents(AtkText* t, gint, gint* x, gint* y, gint* width, gint* height,
                      AtkCoordType type) {
  extents(ATK_COMPONENT(t), x, y, width, height, type);
}

void textInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkTextIface*>(methods);
  iface->get_text = textBetween;
  iface->get_character_count = [](AtkText* t) -> gint { return characterCount(control(t)); };
  iface->get_caret_offset = [](AtkText* t) -> gint { return caretCharacter(control(t)); };
  iface->get_character_at_offset = [](AtkText* t, gint at) -> gunichar {
    return characterAt(control(t), at);
  };
  iface->get_string_at_offset = stringAt;
  iface->get_text_at_offset = textAt;
  iface->get_n_selections = [](AtkText* t) -> gint {
    return selectedCharacters(control(t)) ? 1 : 0;
  };
  iface->get_selection = selection;
  iface->get_run_attributes = runAttributes;
  iface->get_default_attributes = [](AtkText*) -> AtkAttributeSet* { return nullptr; };
  iface->get_character_extents = characterExtents;
}

// --- AtkEditableText: a tool types into the field as the keyboard does.

void edit(AtkEditableText* t, gint start, gint end, const gchar* typed) {
  ask(state(t), editOfCharacters(control(t), start, end, fromUtf8(typed ? typed : "")));
}
void insertText(AtkEditableText* t, const gchar* typed, gint length, gint* position) {
  // A length past the text's end, from a careless tool, stops at its end.
  const std::string_view part =
      std::string_view(typed ? typed : "")
          .substr(0, length < 0 ? std::string_view::npos : static_cast<std::size_t>(length));
  const auto [request, after] = insertionAt(control(t), *position, fromUtf8(part));
  ask(state(t), request);
  *position = after;
}

void editableInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkEditableTextIface*>(methods);
  iface->set_text_contents = [](AtkEditableText* t, const gchar* typed) { edit(t, 0, -1, typed); };
  iface->insert_text = insertText;
  iface->delete_text = [](AtkEditableText* t, gint start, gint end) { edit(t, start, end, ""); };
}

// --- AtkValue: a slider's value between its ends, in its steps; the selector's choice.

void valueAndText(AtkValue* value, gdouble* amount, gchar** shown) {
  const NodeState& s = state(value);
  *amount = s.control.amount;
  if (shown) *shown = g_strdup(s.value.c_str());
}
AtkRange* range(AtkValue* value) {
  const AccessibleControl& c = state(value).control;
  return atk_range_new(c.minimum, c.maximum, nullptr);
}
void setValue(AtkValue* value, gdouble amount) {
  ask(state(value), {ToolRequest::Kind::Edit, control(value).id, 0, 0, {}, amount});
}

void valueInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkValueIface*>(methods);
  iface->get_value_and_text = valueAndText;
  iface->get_range = range;
  iface->get_increment = [](AtkValue* v) { return state(v).control.step; };
  iface->set_value = setValue;
}

// --- AtkSelection: the selector's types as its children, the one chosen selected, as in a
// native combo box.

int chosen(gpointer object) { return chosenChoice(control(object)); }

gboolean choose(AtkSelection* s, gint i) {
  ask(state(s), {ToolRequest::Kind::Edit, control(s).id, 0, 0, {}, static_cast<double>(i)});
  return TRUE;
}

void selectionInit(gpointer methods, gpointer) {
  auto* iface = static_cast<AtkSelectionIface*>(methods);
  iface->get_selection_count = [](AtkSelection* s) -> gint { return chosen(s) >= 0 ? 1 : 0; };
  iface->ref_selection = [](AtkSelection* s, gint i) {
    return i == 0 ? childAt(s, chosen(s)) : nullptr;
  };
  iface->is_child_selected = [](AtkSelection* s, gint i) -> gboolean {
    return i >= 0 && i == chosen(s);
  };
  iface->add_selection = choose;
}

// --- The kinds of control object, by the interfaces their role needs.

// The object type for each role, by the interfaces it answers beyond the component.
GType typeFor(AccessibleRole role) {
  static const GType control =
      subtype(nodeType(), "ZarqControl", nullptr, {{ATK_TYPE_COMPONENT, componentInit}});
  static const GType button =
      subtype(control, "ZarqButtonControl", nullptr, {{ATK_TYPE_ACTION, actionInit}});
  static const RoleColumn<GType> types{
      subtype(control, "ZarqTextControl", nullptr,
              {{ATK_TYPE_TEXT, textInit}, {ATK_TYPE_EDITABLE_TEXT, editableInit}}),
      button, button, subtype(control, "ZarqSliderControl", nullptr, {{ATK_TYPE_VALUE, valueInit}}),
      // The selector: a button whose text is the type chosen and whose value is its place.
      subtype(button, "ZarqChoiceControl", nullptr,
              {{ATK_TYPE_TEXT, textInit},
               {ATK_TYPE_VALUE, valueInit},
               {ATK_TYPE_SELECTION, selectionInit}}),
      button, button};
  return types[role];
}

constexpr RoleColumn<AtkRole> kRoles{
    ATK_ROLE_ENTRY,     ATK_ROLE_CHECK_BOX,   ATK_ROLE_RADIO_BUTTON, ATK_ROLE_SLIDER,
    ATK_ROLE_COMBO_BOX, ATK_ROLE_PUSH_BUTTON, ATK_ROLE_NOTIFICATION};

AtkObject* newObject(GType type, AtkRole role, AtkObject* parent) {
  auto* object = ATK_OBJECT(g_object_new(type, nullptr));
  atk_object_initialize(object, nullptr);
  atk_object_set_role(object, role);
  atk_object_set_parent(object, parent);
  return object;
}

}  // namespace

AtkObject* newNode(AtkRole role, AtkObject* parent) {
  AtkObject* object = newObject(nodeType(), role, parent);
  state(object).index = 0;
  return object;
}

AtkObject* newControlAccessible(const AccessibleControl& control, AtkObject* page, GtkWidget* area,
                                const RequestSink* request) {
  AtkObject* object = newObject(typeFor(control.role), kRoles[control.role], page);
  NodeState& s = state(object);
  s.area = area;
  s.request = request;
  updateControl(object, control);
  return object;
}

NodeState& nodeState(AtkObject* object) { return state(object); }

void notifyState(AtkObject* object, AccessibleState changed, bool on) {
  state(object).states.set(changed, on);
  for (const auto& [core, atk] : kStates) {
    if (core == changed) atk_object_notify_state_change(object, atk, on ? TRUE : FALSE);
  }
}

void updateControl(AtkObject* object, const AccessibleControl& control) {
  NodeState& s = state(object);
  s.control = control;
  s.states = statesOf(control);
  s.name = toUtf8(control.name);
  s.description = toUtf8(control.description);
  s.value = toUtf8(control.value);
  s.action = toUtf8(control.action);
  while (s.choices.size() < control.choices.size()) {
    AtkObject* item = newObject(nodeType(), ATK_ROLE_MENU_ITEM, object);
    state(item).name = toUtf8(control.choices[s.choices.size()]);
    state(item).index = static_cast<int>(s.choices.size());
    s.children.push_back(item);
    s.choices.emplace_back(item);
  }
  for (AtkObject* item : s.children) {
    state(item).states = choiceStates(state(item).index == chosenChoice(control));
  }
}

}  // namespace zarq::gtk
