#include "platform/header_probed_decoder.h"

namespace zarq {

PictureHeader readPictureHeader(const std::filesystem::path& file) {
  const FileHandle in = openRegularFile(file);
  return in ? readPictureHeader(in.get()) : PictureHeader{};
}

std::optional<ImageSize> HeaderProbedDecoder::probe(const std::filesystem::path& file) {
  const PictureHeader header = readPictureHeader(file);
  if (!mayDecode(header)) return std::nullopt;
  return ImageSize{static_cast<int>(header.width), static_cast<int>(header.height)};
}

}  // namespace zarq
