#pragma once
// The form's background preview: the illustration "<chart ID>.<illustration suffix>" of the
// editor's folder, blurred as the form says. It is a function of those three values and of
// the file itself. The file is looked up when the name the form gives changes, when the window
// gains the focus and when the folder changes, never by a frame: a frame only brings the
// picture up to the file last looked up and to the blur. A picture is
// decoded once into its cover, which is kept while the file stays the same, so that a blur
// change only blurs again. A picture not decoded yet is decoded on another thread while the
// window goes on showing what it showed, and the frame is drawn again when it is ready.

#include <cstdint>
#include <functional>
#include <optional>

#include "files/file_identity.h"
#include "image/background_preview.h"
#include "image/cover_loader.h"
#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

struct PreviewState {
  // `decoded` is called on the loader's thread whenever a decode has ended.
  PreviewState(ImageDecoder& images, std::function<void()> decoded);

  // The illustration as last looked up (nullopt: none there), the name it was looked up by,
  // and whether it is to be looked up again whatever the name.
  std::optional<FileIdentity> file;
  Text lookedUpName;
  bool lookupDue = true;
  // The blurred picture frames draw unless the preview is black; kept while it is, so that
  // coming back to it costs nothing. It is the cover of `bitmapFile` blurred by `bitmapBlur`,
  // and empty until a picture is first shown.
  Image bitmap;
  bool black = true;
  std::optional<FileIdentity> bitmapFile;
  int bitmapBlur = 0;
  // The bitmap under a black layer of opacity `dimmedAlpha`, made when a frame first asks
  // for that dim; -1 when it no longer matches the bitmap.
  Image dimmed;
  int dimmedAlpha = -1;
  // The last picture decoded; its cover is nullopt when it could not be decoded.
  std::optional<FileIdentity> coverFile;
  std::optional<Cover> cover;
  // The picture being decoded, under the loader's ticket.
  std::optional<FileIdentity> loadingFile;
  std::uint64_t ticket = 0;
  CoverLoader loader;
  // Called on the window thread, during the frame that takes it, whenever the decode of the
  // picture looked up ends: true when it gave a picture.
  std::function<void(bool)> decodeEnded;
};

// Looks the illustration up again when the name the form gives changed since the last look or
// a look is due (the window gained the focus, the folder changed); true when what it found
// differs from what was there before.
bool lookUpPreviewFile(SettingsForm& form);
// The next lookUpPreviewFile looks, whatever the name: the file may have changed.
void previewFileMayHaveChanged(SettingsForm& form);
// Brings the preview to the file last looked up and the blur; touches no file.
void updatePreview(SettingsForm& form);
// True while the picture the form names is being decoded.
bool previewLoading(const SettingsForm& form);
// Looks the picture up, brings the preview up to date and waits for its picture: the tools draw
// once, and must draw what the form says.
void waitForPreview(SettingsForm& form);
// The picture the form names was decoded and gave no picture, though its header passed: its
// pixels are cut short or damaged.
bool previewUndecodable(SettingsForm& form);
// What lies behind every page: the blurred picture, 0xFFRRGGBB, or nullptr for opaque black.
const Image* previewPicture(const SettingsForm& form);
// The same picture darkened by a black layer of opacity `alpha` (0 to 255), as a frame
// draws it; nullptr for opaque black.
const Image* dimmedPreviewPicture(SettingsForm& form, int alpha);
// The opacity of that layer as the dim slider sets it: its value rounded, 0 below 0;
// nullopt above 255, where the frame is black.
std::optional<int> previewDimAlpha(const SettingsForm& form);

}  // namespace zarq
