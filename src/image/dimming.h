#pragma once
// The black layer a frame lays over the background picture: every colour byte c becomes
// (c x (255 - alpha) + 127) / 255, and the picture stays opaque.

#include <cstdint>

#include "image/image.h"

namespace zarq {

// Pixels [0, count) of `in` darkened by a black layer of opacity `alpha` (0 to 255) into
// `out`, as 0xFFRRGGBB; `in` and `out` may be the same.
void dimPixels(const std::uint32_t* in, std::uint32_t* out, int count, int alpha);

// Sets the fourth byte of pixels [0, count) to 0xFF.
void makeOpaque(std::uint32_t* pixels, int count);

// `dimmed` becomes `picture` under that layer.
void dimPicture(const Image& picture, int alpha, Image& dimmed);

}  // namespace zarq
