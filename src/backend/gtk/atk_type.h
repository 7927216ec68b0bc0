#pragma once
// The bridges' GObject types without a C struct each: a subtype is registered from the
// function that fills in its class and the interfaces it implements, and an object keeps its
// C++ state as data that is deleted with it.

#include <glib-object.h>

#include <initializer_list>
#include <utility>

namespace zarq::gtk {

// An interface a type implements, with the function that fills in its methods.
using Interface = std::pair<GType, GInterfaceInitFunc>;

// Registers `name` as a subtype of `parent`: `fill` (if any) completes its class, and it
// implements `interfaces`. Called once per name.
inline GType subtype(GType parent, const char* name, GClassInitFunc fill,
                     std::initializer_list<Interface> interfaces = {}) {
  GTypeQuery query;
  g_type_query(parent, &query);
  const GType type = g_type_register_static_simple(parent, name, query.class_size, fill,
                                                   query.instance_size, nullptr, GTypeFlags{});
  for (const auto& [implemented, methods] : interfaces) {
    const GInterfaceInfo info{methods, nullptr, nullptr};
    g_type_add_interface_static(type, implemented, &info);
  }
  return type;
}

// The `State` that `object` keeps: made when first asked for, deleted when the object is.
template <typename State>
State& stateOf(gpointer object) {
  static const GQuark key = g_quark_from_static_string(__PRETTY_FUNCTION__);
  auto* state = static_cast<State*>(g_object_get_qdata(G_OBJECT(object), key));
  if (!state) {
    state = new State;
    g_object_set_qdata_full(G_OBJECT(object), key, state,
                            [](gpointer s) { delete static_cast<State*>(s); });
  }
  return *state;
}

}  // namespace zarq::gtk
