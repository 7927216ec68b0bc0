#pragma once
// The colours the widgets are drawn in, read from the frame's palette: each control's own
// colour in the editor's look, the desktop's foreground and background under high contrast.

#include "platform/platform.h"

namespace zarq {

inline constexpr Argb kWhite = 0xFFFFFFFF;
inline constexpr Argb kBlack = 0xFF000000;
// Every disabled text and widget is drawn in this grey in the editor's own look.
inline constexpr Argb kDisabledColour = 0xFFBEBEBE;

// What a text, outline or mark is drawn in: `own`, or the theme's foreground; disabled, the
// palette's disabled colour made distinct from both the foreground and the background.
Argb inkOf(const Palette& palette, Argb own, bool enabled = true);
// The box behind a bubble's status line: translucent white, or the theme's background.
Argb bubbleFillOf(const Palette& palette);
// Behind the page where no picture lies, and behind the busy mark's ring.
Argb shadeOf(const Palette& palette, Argb own);

}  // namespace zarq
