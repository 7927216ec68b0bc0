#include <gif_lib.h>

#include <cstdio>
#include <vector>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

constexpr int kNoTransparency = -1;

int readFromFile(GifFileType* gif, GifByteType* into, int count) {
  return static_cast<int>(
      std::fread(into, 1, static_cast<std::size_t>(count), static_cast<std::FILE*>(gif->UserData)));
}

// The transparent colour a graphic control extension names for the frame after it.
bool readExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* data = nullptr;
  if (DGifGetExtension(gif, &code, &data) != GIF_OK) return false;
  while (data != nullptr) {
    if (code == GRAPHICS_EXT_FUNC_CODE && data[0] >= 4) {
      transparent = (data[1] & 1) ? data[4] : kNoTransparency;
    }
    if (DGifGetExtensionNext(gif, &data) != GIF_OK) return false;
  }
  return true;
}

// The frame's colour indices as rows of pixels, its transparent colour black. An
// interlaced frame comes in four passes and is held whole until the last.
RowDecoding readFrame(GifFileType* gif, int transparent, RowSink& sink) {
  if (DGifGetImageDesc(gif) != GIF_OK) return RowDecoding::Failed;
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  const long long width = frame.Width, height = frame.Height;
  if (!colours || width <= 0 || height <= 0 || width * height > kMaxImagePixels) {
    return RowDecoding::Failed;
  }
  std::vector<std::uint32_t> palette(256, 0);
  for (int i = 0; i < colours->ColorCount && i < 256; ++i) {
    const GifColorType& c = colours->Colors[i];
    if (i != transparent) palette[i] = onBlack(c.Red, c.Green, c.Blue, 255);
  }
  std::vector<GifByteType> indices(static_cast<std::size_t>(frame.Interlace ? height : 1) * width);
  if (frame.Interlace) {
    constexpr int kFirst[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (long long y = kFirst[pass]; y < height; y += kStep[pass]) {
        if (sink.cancelled() ||
            DGifGetLine(gif, indices.data() + y * width, static_cast<int>(width)) != GIF_OK) {
          return RowDecoding::Failed;
        }
      }
    }
  }
  std::vector<std::uint32_t> row(width);
  sink.begin(static_cast<int>(width), static_cast<int>(height));
  for (long long y = 0; y < height; ++y) {
    GifByteType* line = indices.data() + (frame.Interlace ? y * width : 0);
    if (sink.cancelled() ||
        (!frame.Interlace && DGifGetLine(gif, line, static_cast<int>(width)) != GIF_OK)) {
      return RowDecoding::Failed;
    }
    for (long long x = 0; x < width; ++x) row[x] = palette[line[x]];
    sink.row(static_cast<int>(y), row.data());
  }
  return RowDecoding::Done;
}

RowDecoding readFirstFrame(GifFileType* gif, RowSink& sink) {
  int transparent = kNoTransparency;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) != GIF_OK) return RowDecoding::Failed;
    if (record == IMAGE_DESC_RECORD_TYPE) return readFrame(gif, transparent, sink);
    if (record != EXTENSION_RECORD_TYPE || !readExtension(gif, transparent)) {
      return RowDecoding::Failed;
    }
  }
}

}  // namespace

RowDecoding decodeGifRows(const std::filesystem::path& file, RowSink& sink) {
  const FileHandle in = openRegularFile(file);
  if (!in) return RowDecoding::Failed;
  int error = 0;
  GifFileType* gif = DGifOpen(in.get(), readFromFile, &error);
  if (!gif) return RowDecoding::Failed;
  const RowDecoding decoded = readFirstFrame(gif, sink);
  DGifCloseFile(gif, &error);
  return decoded;
}

}  // namespace zarq
