#pragma once
// The rounded rectangle every box of the editor is made of.

#include "platform/platform.h"

namespace zarq {

// Four quarter arcs joined by straight edges, starting at the top-left corner.
Path roundedRectPath(float x, float y, float w, float h, float r);

void drawRoundedRect(Canvas& canvas, const Pen& pen, float x, float y, float w, float h, float r);
void fillRoundedRect(Canvas& canvas, Argb colour, float x, float y, float w, float h, float r);

}  // namespace zarq
