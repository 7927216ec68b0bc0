#pragma once
// The chart's illustration behind every page: scaled to cover the 960 x 720 frame, centred,
// cropped and blurred. Dimming is applied when a frame is drawn.

#include <filesystem>

#include "image/image.h"
#include "platform/platform.h"

namespace zarq {

// The 960 x 720 preview of the picture at `file` with the given blur (already rounded;
// clamped to 200), opaque 0xFFRRGGBB. Without a loadable picture it is opaque black.
Image buildBackgroundPreview(ImageDecoder& images, const std::filesystem::path& file, int blur);

}  // namespace zarq
