#include "image/background_preview.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/paths.h"
#include "form/form_ids.h"
#include "form/settings_form.h"
#include "image/gaussian_blur.h"
#include "image/scale_image.h"

namespace zarq {
namespace {

constexpr int kMaxBlur = 200;
constexpr std::uint32_t kOpaque = 0xFF000000;

// Scales the illustration to cover the frame, centred, and blurs it. A wide picture is
// scaled to the frame's height and cropped left and right, a tall one to the frame's width
// and cropped top and bottom; the two scale the blur by different lengths.
Image coverFrame(const Image& illustration, int blur) {
  const long long w = illustration.getWidth();
  const long long h = illustration.getHeight();
  Image result;
  long long sigma;
  if (static_cast<double>(w) / h >= 4.0 / 3) {
    const long long scaledWidth = roundHalfAway(w * static_cast<double>(kFrameHeight) / h);
    scaleImageWindow(result, illustration,
                     {scaledWidth, kFrameHeight, (scaledWidth - kFrameWidth) / 2, 0, kFrameWidth,
                      kFrameHeight});
    sigma = roundHalfAway(static_cast<double>(kFrameHeight) * blur / 1080);
  } else {
    const long long scaledHeight = roundHalfAway(h * static_cast<double>(kFrameWidth) / w);
    scaleImageWindow(result, illustration,
                     {kFrameWidth, scaledHeight, 0, (scaledHeight - kFrameHeight) / 2, kFrameWidth,
                      kFrameHeight});
    sigma = roundHalfAway(static_cast<double>(kFrameWidth) * blur / 2048);
  }
  if (blur > 0) gaussianBlur(result, static_cast<int>(sigma));
  return result;
}

}  // namespace

void buildBackgroundPreview(SettingsForm& form, int blur) {
  blur = std::min(blur, kMaxBlur);
  const Text name =
      form.field(slot::chartId).text + u"." + form.field(slot::illustrationExt).text;
  std::optional<DecodedPixels> decoded =
      form.platform.images.decode(form.fileInWorkDir(pathFromText(name)));
  if (!decoded) {
    form.previewBitmap.fill(kOpaque);
    return;
  }
  Image illustration(decoded->width, decoded->height, std::move(decoded->pixels));
  decoded.reset();
  if (illustration.getWidth() == 0) {
    form.previewBitmap.fill(kOpaque);
    return;
  }
  const Image result = coverFrame(illustration, blur);
  const std::uint32_t* from = result.pixelBuffer();
  std::uint32_t* to = form.previewBitmap.pixelBuffer();
  for (int i = 0; i < kFrameWidth * kFrameHeight; ++i) to[i] = from[i] | kOpaque;
}

}  // namespace zarq
