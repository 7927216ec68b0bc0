#pragma once
// The chart's illustration behind every page: scaled to cover the 960 x 720 frame, centred
// and cropped (the cover, decoded once per picture), then blurred (again whenever the blur
// changes), then dimmed.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

#include "image/image.h"
#include "platform/platform.h"

namespace zarq {

struct Cover {
  Image pixels;  // 960 x 720, 0x00RRGGBB
  // A wide picture is scaled to the frame's height, a tall one to its width; the blur is
  // measured against that side.
  bool wide = true;
};

// Long enough for the largest picture allowed on a slow, busy machine; a file that takes
// longer is made to take longer, and is given up.
inline constexpr std::chrono::milliseconds kDecodeTimeBudget = std::chrono::seconds(20);

// The cover of the picture at `file`; nullopt without a loadable picture, when `cancelled`,
// polled while the picture is decoded, says it is no longer wanted, or when the decode
// takes longer than `budget`.
std::optional<Cover> decodeCover(ImageDecoder& images, const std::filesystem::path& file,
                                 const std::function<bool()>& cancelled = {},
                                 std::chrono::milliseconds budget = kDecodeTimeBudget);

// The strongest blur: any above it counts as it.
inline constexpr int kMaxBlur = 200;

// Makes `preview` the 960 x 720 cover blurred by `blur` (already rounded; at most kMaxBlur
// counts), opaque 0xFFRRGGBB; with `dimmed`, also that under a black layer of opacity
// `dimAlpha` (0 to 255), each row dimmed as soon as it is blurred, while it is still in the
// cache.
void blurCover(const Cover& cover, int blur, Image& preview, Image* dimmed = nullptr,
               int dimAlpha = 0);

}  // namespace zarq
