#pragma once
// How large the window shows the form. The form keeps its own 960 x 720 pixels and its
// layout; the window draws it at a scale: the desktop's text size times the user's zoom, made
// smaller where the window would otherwise reach past the screen's work area.

namespace zarq {

// Below this the form would be too small to read or hit: a screen smaller than that much of
// it gets the form cut off instead.
inline constexpr double kMinFormScale = 0.25;

// Pixels of the desktop per pixel of the form: `textScale` (the desktop's text size, 1 for
// its default) times `zoomPercent` / 100, made smaller where a client area of `clientWidth` x
// `clientHeight` form pixels so scaled would not fit into `roomWidth` x `roomHeight` desktop
// pixels; never below kMinFormScale.
double formScale(double textScale, int zoomPercent, double clientWidth, double clientHeight,
                 double roomWidth, double roomHeight);
// The zoom a window at `scale` shows of the `zoomPercent` asked for at `textScale`: less where
// the screen made the form smaller.
int shownZoom(double textScale, int zoomPercent, double scale);
// A length of `formPixels` at `scale`, in whole desktop pixels.
int scaledLength(double formPixels, double scale);
// A coordinate of the window's client area at `scale`, as the pixel of the form it lies in.
int formCoordinate(double windowCoordinate, double scale);
// Where a window `length` long that would start at `start` starts so that it lies between
// `low` and `high` as far as it can: moved no more than needed, its start kept inside.
int placeWithin(int start, int length, int low, int high);

}  // namespace zarq
