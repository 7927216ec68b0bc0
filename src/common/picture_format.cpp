#include "common/picture_format.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zarq {
namespace {

using Bytes = std::array<std::uint8_t, 32>;

// Headers lie near the start; a file that puts them further away is not read for them.
constexpr long kFarthestHeader = 16L << 20;
// Blocks walked before a JPEG's frame header or a GIF's first image.
constexpr int kMostBlocks = 1 << 16;

bool readAt(std::FILE* file, long offset, std::uint8_t* into, std::size_t count) {
  return offset >= 0 && offset < kFarthestHeader && std::fseek(file, offset, SEEK_SET) == 0 &&
         std::fread(into, 1, count, file) == count;
}

unsigned bigEndian16(const std::uint8_t* p) { return p[0] << 8 | p[1]; }
unsigned littleEndian16(const std::uint8_t* p) { return p[0] | p[1] << 8; }
std::uint32_t bigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | bigEndian16(p + 2);
}
std::uint32_t littleEndian32(const std::uint8_t* p) {
  return littleEndian16(p) | std::uint32_t{littleEndian16(p + 2)} << 16;
}

bool startsWith(const Bytes& head, const char* magic, std::size_t at = 0) {
  return std::memcmp(head.data() + at, magic, std::strlen(magic)) == 0;
}

// The frame header (SOF0 to SOF15, apart from the tables DHT, JPG and DAC), found by
// stepping from segment to segment; the scan data ends the search.
void jpegSize(std::FILE* file, PictureHeader& header) {
  long at = 2;
  for (int block = 0; block < kMostBlocks; ++block) {
    std::uint8_t marker[4];
    if (!readAt(file, at, marker, 2) || marker[0] != 0xFF) return;
    const unsigned kind = marker[1];
    if (kind == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    if (kind == 0xD9 || kind == 0xDA || !readAt(file, at + 2, marker + 2, 2)) return;
    const unsigned length = bigEndian16(marker + 2);
    if (length < 2) return;
    if (kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC) {
      std::uint8_t frame[5];
      if (!readAt(file, at + 4, frame, 5)) return;
      header.height = bigEndian16(frame + 1);
      header.width = bigEndian16(frame + 3);
      return;
    }
    at += 2 + static_cast<long>(length);
  }
}

// The first image descriptor, past the colour table and any extensions: the picture decoded
// is the first frame, at its own size.
void gifSize(std::FILE* file, const Bytes& head, PictureHeader& header) {
  long at = 13;
  if (head[10] & 0x80) at += 3L << ((head[10] & 7) + 1);
  for (int block = 0; block < kMostBlocks; ++block) {
    std::uint8_t introducer[2];
    if (!readAt(file, at, introducer, 1)) return;
    if (introducer[0] == 0x2C) {
      std::uint8_t descriptor[8];
      if (!readAt(file, at + 1, descriptor, 8)) return;
      header.width = littleEndian16(descriptor + 4);
      header.height = littleEndian16(descriptor + 6);
      return;
    }
    if (introducer[0] != 0x21) return;  // the trailer, or no GIF block
    at += 2;
    // Sub-blocks, each led by its length, up to an empty one.
    for (std::uint8_t length = 1; length != 0; at += 1 + length) {
      if (!readAt(file, at, &length, 1) || ++block >= kMostBlocks) return;
    }
  }
}

// The pixels must lie within the file: some readers allocate up to where they claim to start.
void bmpSize(std::FILE* file, const Bytes& head, PictureHeader& header) {
  const std::uint32_t pixelsAt = littleEndian32(&head[10]);
  const std::uint32_t infoSize = littleEndian32(&head[14]);
  if (std::fseek(file, 0, SEEK_END) != 0 ||
      pixelsAt >= static_cast<unsigned long>(std::ftell(file))) {
    return;
  }
  if (infoSize == 12) {
    header.width = littleEndian16(&head[18]);
    header.height = littleEndian16(&head[20]);
  } else if (infoSize >= 40) {
    // A negative height stores the rows from the top.
    header.width = static_cast<std::int32_t>(littleEndian32(&head[18]));
    header.height = std::llabs(static_cast<std::int32_t>(littleEndian32(&head[22])));
  }
}

// The canvas of an extended file, or the frame of a lossy or lossless one.
void webpSize(const Bytes& head, PictureHeader& header) {
  if (startsWith(head, "VP8X", 12)) {
    header.width = 1 + (littleEndian32(&head[24]) & 0xFFFFFF);
    header.height = 1 + (littleEndian32(&head[27]) & 0xFFFFFF);
  } else if (startsWith(head, "VP8 ", 12) && head[23] == 0x9D && head[24] == 0x01 &&
             head[25] == 0x2A) {
    header.width = littleEndian16(&head[26]) & 0x3FFF;
    header.height = littleEndian16(&head[28]) & 0x3FFF;
  } else if (startsWith(head, "VP8L", 12) && head[20] == 0x2F) {
    const std::uint32_t bits = littleEndian32(&head[21]);
    header.width = 1 + (bits & 0x3FFF);
    header.height = 1 + ((bits >> 14) & 0x3FFF);
  }
}

}  // namespace

PictureHeader readPictureHeader(std::FILE* file) {
  Bytes head{};
  PictureHeader header;
  if (std::fseek(file, 0, SEEK_SET) != 0) return header;
  const std::size_t got = std::fread(head.data(), 1, head.size(), file);
  if (got >= 24 && startsWith(head, "\x89PNG\r\n\x1A\n") && startsWith(head, "IHDR", 12)) {
    header.format = PictureFormat::Png;
    header.width = bigEndian32(&head[16]);
    header.height = bigEndian32(&head[20]);
  } else if (got >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) {
    header.format = PictureFormat::Jpeg;
    jpegSize(file, header);
  } else if (got >= 13 && (startsWith(head, "GIF87a") || startsWith(head, "GIF89a"))) {
    header.format = PictureFormat::Gif;
    gifSize(file, head, header);
  } else if (got >= 26 && startsWith(head, "BM")) {
    header.format = PictureFormat::Bmp;
    bmpSize(file, head, header);
  } else if (got >= 30 && startsWith(head, "RIFF") && startsWith(head, "WEBP", 8)) {
    header.format = PictureFormat::Webp;
    webpSize(head, header);
  }
  if (header.width < 0 || header.height < 0) header.width = header.height = 0;
  std::fseek(file, 0, SEEK_SET);
  return header;
}

}  // namespace zarq
