#pragma once
// Small owners of what GLib hands out, so that every reference, string and source is given
// back on every path, as the Windows side's GDI+ objects are.

#include <glib-object.h>

#include <memory>
#include <utility>

namespace zarq::gtk {

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
// A GObject reference (a GFileMonitor, a GtkIMContext, ...) dropped when the owner goes.
template <typename T>
using GObjectRef = std::unique_ptr<T, GObjectUnref>;

struct GFree {
  void operator()(gpointer memory) const { g_free(memory); }
};
// A string GLib allocated (g_filename_from_uri, gtk_clipboard_wait_for_text, ...).
using GString8 = std::unique_ptr<gchar, GFree>;
// An array of atoms or the like that g_free releases.
template <typename T>
using GArrayOf = std::unique_ptr<T[], GFree>;

struct GStrvFree {
  void operator()(gchar** strings) const { g_strfreev(strings); }
};
// A NULL-terminated list of strings (gtk_selection_data_get_uris).
using GStringList = std::unique_ptr<gchar*, GStrvFree>;

// A GLib source (a timeout, an idle call) removed when the owner goes or is reset, unless
// the source ended by itself and said so with `ended`.
class SourceId {
 public:
  SourceId() = default;
  ~SourceId() { reset(); }
  SourceId(const SourceId&) = delete;
  SourceId& operator=(const SourceId&) = delete;

  explicit operator bool() const { return id_ != 0; }
  // Owns `id` from here on, removing the source owned before.
  void reset(guint id = 0) {
    if (id_) g_source_remove(id_);
    id_ = id;
  }
  // The source returned G_SOURCE_REMOVE: GLib removed it already.
  void ended() { id_ = 0; }

 private:
  guint id_ = 0;
};

}  // namespace zarq::gtk
