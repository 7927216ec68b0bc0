#include "form/preview.h"

#include <algorithm>

#include "common/numbers.h"
#include "form/busy_mark.h"
#include "form/media_file.h"
#include "form/settings_form.h"
#include "image/dimming.h"

namespace zarq {
namespace {

// The blur slider's value rounded; any blur of 0 or less leaves the picture sharp and any
// above kMaxBlur is the strongest, so each counts as that one.
int previewBlur(const SettingsForm& form) {
  const long long blur = roundHalfAway(form.sliders[sliderId::blur].value());
  return static_cast<int>(std::clamp<long long>(blur, 0, kMaxBlur));
}

void stopLoading(SettingsForm& form) {
  PreviewState& p = form.preview;
  if (!p.loadingFile) return;
  p.loader.cancel();
  p.loadingFile.reset();
  endBusyWork(form);
}

void startLoading(SettingsForm& form, const FileIdentity& file) {
  PreviewState& p = form.preview;
  if (!p.loadingFile) beginBusyWork(form);
  p.loadingFile = file;
  p.loader.request(++p.ticket, file.path);
}

// The decode under way has ended: its cover (or the lack of one) is the picture's now.
void takeDecoded(SettingsForm& form) {
  PreviewState& p = form.preview;
  std::optional<CoverLoader::Result> result = p.loader.take();
  if (!result || result->ticket != p.ticket) return;
  p.coverFile = std::move(p.loadingFile);
  p.cover = std::move(result->cover);
  p.loadingFile.reset();
  endBusyWork(form);
  if (p.decodeEnded) p.decodeEnded(p.cover.has_value());
}

void showCover(SettingsForm& form) {
  PreviewState& p = form.preview;
  const int blur = previewBlur(form);
  if (p.bitmapFile != p.coverFile || p.bitmapBlur != blur) {
    // Dimmed for the next frame in the same sweep, while each row is in the cache.
    const std::optional<int> alpha = previewDimAlpha(form);
    const bool dim = alpha && *alpha != 0;
    blurCover(*p.cover, blur, p.bitmap, dim ? &p.dimmed : nullptr, alpha.value_or(0));
    p.bitmapFile = p.coverFile;
    p.bitmapBlur = blur;
    p.dimmedAlpha = dim ? *alpha : -1;
  }
  p.black = false;
}

}  // namespace

PreviewState::PreviewState(ImageDecoder& images, std::function<void()> decoded)
    : loader(images, std::move(decoded)) {}

bool lookUpPreviewFile(SettingsForm& form) {
  PreviewState& p = form.preview;
  Text name = form.field(slot::chartId).text + u"." + form.field(slot::illustrationExt).text;
  if (!p.lookupDue && name == p.lookedUpName) return false;
  std::optional<FileIdentity> found =
      identifyFile(form.platform.files, mediaFile(form, slot::illustrationExt));
  const bool changed = found != p.file;
  p.file = std::move(found);
  p.lookedUpName = std::move(name);
  p.lookupDue = false;
  return changed;
}

void previewFileMayHaveChanged(SettingsForm& form) { form.preview.lookupDue = true; }

void updatePreview(SettingsForm& form) {
  PreviewState& p = form.preview;
  const std::optional<FileIdentity>& file = p.file;
  if (!file) {
    stopLoading(form);
    p.black = true;
    return;
  }
  if (p.loadingFile == file) takeDecoded(form);
  if (p.coverFile == file) {
    stopLoading(form);
    if (p.cover) {
      showCover(form);
    } else {
      p.black = true;
    }
    return;
  }
  // Until the picture is decoded, the window goes on showing what it showed.
  if (p.loadingFile != file) startLoading(form, *file);
}

bool previewLoading(const SettingsForm& form) { return form.preview.loadingFile.has_value(); }

void waitForPreview(SettingsForm& form) {
  lookUpPreviewFile(form);
  updatePreview(form);
  while (previewLoading(form)) {
    form.preview.loader.waitUntilDone();
    updatePreview(form);
  }
}

bool previewUndecodable(SettingsForm& form) {
  const PreviewState& p = form.preview;
  return p.coverFile && !p.cover &&
         p.coverFile == identifyFile(form.platform.files, mediaFile(form, slot::illustrationExt));
}

const Image* previewPicture(const SettingsForm& form) {
  return form.preview.black ? nullptr : &form.preview.bitmap;
}

const Image* dimmedPreviewPicture(SettingsForm& form, int alpha) {
  PreviewState& p = form.preview;
  if (p.black || alpha == 0) return previewPicture(form);
  if (p.dimmedAlpha != alpha) {
    // Kept between frames: darkening costs a pass over the picture, and the dim changes
    // far less often than frames are drawn.
    dimPicture(p.bitmap, alpha, p.dimmed);
    p.dimmedAlpha = alpha;
  }
  return &p.dimmed;
}

std::optional<int> previewDimAlpha(const SettingsForm& form) {
  const float dim = form.sliders[sliderId::dim].value();
  if (dim > 255) return std::nullopt;
  // Below 0 is lighter than 0, not the near-black its low byte would give (-5 is 251).
  return static_cast<int>(std::max(0LL, roundHalfAway(dim)));
}

}  // namespace zarq
