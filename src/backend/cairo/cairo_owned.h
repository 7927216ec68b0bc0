#pragma once
// Small owners of cairo's contexts, surfaces and saved states, as glib_owned.h has for GLib:
// what is made is destroyed, and what is saved restored, on every path out.

#include <cairo.h>

#include <memory>

namespace zarq {

struct CairoDestroy {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoDestroy>;
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoDestroy>;

// The context's state saved now and restored when the scope ends: a transform made for one
// figure does not reach the next.
class CairoSavedState {
 public:
  explicit CairoSavedState(cairo_t* context) : context_(context) { cairo_save(context_); }
  ~CairoSavedState() { cairo_restore(context_); }
  CairoSavedState(const CairoSavedState&) = delete;
  CairoSavedState& operator=(const CairoSavedState&) = delete;

 private:
  cairo_t* context_;
};

}  // namespace zarq
