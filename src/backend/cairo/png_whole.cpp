// PNG decoded whole: the file read at once, its image data inflated by libdeflate in one
// call (half again as fast as zlib) and unfiltered in place, and the sink converting the
// rows it wants, on as many threads as suit it. Only what illustrations come as (8-bit grey,
// grey and alpha, RGB, RGBA and palette, not interlaced) and only well-formed files: for
// anything else nothing reaches the sink, and the streaming reader decides as it always has.

#include <libdeflate.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

// Pictures whose file and rows together would take more are left to the streaming reader.
constexpr std::size_t kMaxHeldBytes = std::size_t{64} << 20;
// Buffers up to this size are kept for the next picture; larger ones are given back.
constexpr std::size_t kKeptBytes = std::size_t{16} << 20;

std::uint32_t bigEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool isChunk(const std::uint8_t* type, const char* name) { return std::memcmp(type, name, 4) == 0; }

// Memory that is overwritten whole: never cleared first.
struct Bytes {
  std::unique_ptr<std::uint8_t[]> data;
  std::size_t size = 0, capacity = 0;

  void resize(std::size_t bytes) {
    if (bytes > capacity) {
      data.reset();
      data = std::make_unique_for_overwrite<std::uint8_t[]>(bytes);
      capacity = bytes;
    }
    size = bytes;
  }
  void keepIfSmall() {
    if (capacity > kKeptBytes) *this = Bytes();
  }
};

// Kept on each decoding thread from one picture to the next: fresh memory costs a page
// fault a page, more than inflating it.
struct Buffers {
  Bytes file;
  Bytes rows;
  libdeflate_decompressor* inflater = nullptr;
  ~Buffers() {
    if (inflater) libdeflate_free_decompressor(inflater);
  }
};

enum ColourType { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

int channelsOf(int colourType) {
  switch (colourType) {
    case kGrey:
    case kPalette:
      return 1;
    case kGreyAlpha:
      return 2;
    case kRgb:
      return 3;
    case kRgba:
      return 4;
  }
  return 0;
}

struct Png {
  int width = 0, height = 0;
  int colourType = 0;
  std::uint32_t palette[256] = {};  // 0x00RRGGBB on black, with the tRNS alpha applied
  int paletteSize = 0;
  std::size_t idatBytes = 0;  // gathered at the start of the file buffer
};

// Reads the chunks, checking the critical ones' CRCs as the streaming reader does, and moves
// the image data together to the start of `file`. False for anything this decoder leaves to
// that reader.
bool readChunks(Bytes& bytes, Png& png) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::uint8_t* file = bytes.data.get();
  const std::size_t size = bytes.size;
  if (size < 8 || std::memcmp(file, kSignature, 8) != 0) return false;
  std::uint8_t alpha[256];
  std::memset(alpha, 255, sizeof alpha);
  std::uint8_t rgb[256][3] = {};
  bool header = false, sawIdat = false, idatEnded = false;
  for (std::size_t pos = 8;;) {
    if (size - pos < 12) return false;
    const std::uint32_t length = bigEndian(&file[pos]);
    const std::uint8_t* type = &file[pos + 4];
    if (length > 0x7FFFFFFF || size - pos - 12 < length) return false;
    const std::uint8_t* data = type + 4;
    const bool critical = (type[0] & 0x20) == 0;
    // Read before the image data moves over the chunk's header.
    const bool idat = isChunk(type, "IDAT");
    if (critical && libdeflate_crc32(0, type, length + 4) != bigEndian(data + length)) return false;
    if (!header) {
      if (!isChunk(type, "IHDR") || length != 13) return false;
      png.width = static_cast<int>(bigEndian(data));
      png.height = static_cast<int>(bigEndian(data + 4));
      png.colourType = data[9];
      // 8 bits a sample, deflate, adaptive filters, not interlaced.
      if (bigEndian(data) > 0x7FFFFFFF || bigEndian(data + 4) > 0x7FFFFFFF || png.width == 0 ||
          png.height == 0 || data[8] != 8 || channelsOf(png.colourType) == 0 || data[10] != 0 ||
          data[11] != 0 || data[12] != 0) {
        return false;
      }
      header = true;
    } else if (idat) {
      if (idatEnded) return false;
      std::memmove(file + png.idatBytes, data, length);
      png.idatBytes += length;
      sawIdat = true;
    } else if (isChunk(type, "IEND")) {
      break;
    } else if (isChunk(type, "PLTE")) {
      if (png.colourType != kPalette || sawIdat || length % 3 != 0 || length == 0 ||
          length > 3 * 256) {
        return false;
      }
      png.paletteSize = static_cast<int>(length / 3);
      std::memcpy(rgb, data, length);
    } else if (isChunk(type, "tRNS")) {
      if (png.colourType != kPalette || png.paletteSize == 0 || sawIdat ||
          static_cast<int>(length) > png.paletteSize) {
        return false;
      }
      std::memcpy(alpha, data, length);
    } else if (critical) {
      return false;
    }
    idatEnded = idatEnded || (sawIdat && !idat);
    pos += 12 + std::size_t{length};
  }
  if (!sawIdat || (png.colourType == kPalette && png.paletteSize == 0)) return false;
  for (int i = 0; i < png.paletteSize; ++i) {
    png.palette[i] = onBlack(rgb[i][0], rgb[i][1], rgb[i][2], alpha[i]);
  }
  return true;
}

// The adaptive filters, undone in place row after row. The byte to the left is kept in a
// register per channel: reading it back from memory would wait on the store just made.
template <int bpp>
void unfilterRow(int filter, std::uint8_t* row, const std::uint8_t* above, std::size_t bytes) {
  switch (filter) {
    case 1:
      for (std::size_t i = bpp; i < bytes; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - bpp]);
      return;
    case 2:
      if (above) {
        for (std::size_t i = 0; i < bytes; ++i)
          row[i] = static_cast<std::uint8_t>(row[i] + above[i]);
      }
      return;
    case 3: {
      unsigned left[bpp] = {};
      for (std::size_t i = 0; i < bytes; i += bpp) {
        for (int c = 0; c < bpp; ++c) {
          const unsigned up = above ? above[i + c] : 0;
          left[c] = (row[i + c] + ((left[c] + up) >> 1)) & 0xFF;
          row[i + c] = static_cast<std::uint8_t>(left[c]);
        }
      }
      return;
    }
    case 4: {
      int left[bpp] = {}, upLeft[bpp] = {};
      for (std::size_t i = 0; i < bytes; i += bpp) {
        for (int c = 0; c < bpp; ++c) {
          const int a = left[c], b = above ? above[i + c] : 0, cc = upLeft[c];
          const int pa = b > cc ? b - cc : cc - b;
          const int pb = a > cc ? a - cc : cc - a;
          const int pc = (a + b - 2 * cc) < 0 ? 2 * cc - a - b : a + b - 2 * cc;
          const int predicted = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : cc);
          left[c] = (row[i + c] + predicted) & 0xFF;
          upLeft[c] = b;
          row[i + c] = static_cast<std::uint8_t>(left[c]);
        }
      }
      return;
    }
  }
}

template <int bpp>
bool unfilter(std::uint8_t* rows, std::size_t stride, int height) {
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = rows + y * stride;
    if (row[0] > 4) return false;
    unfilterRow<bpp>(row[0], row + 1, y > 0 ? row + 1 - stride : nullptr, stride - 1);
  }
  return true;
}

bool unfilterAll(const Png& png, std::uint8_t* rows, std::size_t stride) {
  switch (channelsOf(png.colourType)) {
    case 1:
      return unfilter<1>(rows, stride, png.height);
    case 2:
      return unfilter<2>(rows, stride, png.height);
    case 3:
      return unfilter<3>(rows, stride, png.height);
    default:
      return unfilter<4>(rows, stride, png.height);
  }
}

// The unfiltered rows, converted as the streaming reader converts them; an opaque pixel
// costs no division.
class UnfilteredPng final : public HeldPicture {
 public:
  UnfilteredPng(const Png& png, const std::uint8_t* rows, std::size_t stride)
      : png_(png), rows_(rows), stride_(stride) {}

  void convertRow(int y, int first, int count, std::uint32_t* out) const override {
    const std::uint8_t* p =
        rows_ + y * stride_ + 1 + std::size_t{1} * first * channelsOf(png_.colourType);
    switch (png_.colourType) {
      case kRgb:
        for (int x = 0; x < count; ++x, p += 3) out[x] = rgb(p[0], p[1], p[2]);
        return;
      case kRgba:
        for (int x = 0; x < count; ++x, p += 4) {
          out[x] = p[3] == 255 ? rgb(p[0], p[1], p[2]) : onBlack(p[0], p[1], p[2], p[3]);
        }
        return;
      case kGrey:
        for (int x = 0; x < count; ++x) out[x] = p[x] * 0x010101u;
        return;
      case kGreyAlpha:
        for (int x = 0; x < count; ++x, p += 2) {
          out[x] = p[1] == 255 ? p[0] * 0x010101u : onBlack(p[0], p[0], p[0], p[1]);
        }
        return;
      case kPalette:
        // An index beyond the palette reads as black, as the streaming reader's does.
        for (int x = 0; x < count; ++x) out[x] = png_.palette[p[x]];
        return;
    }
  }

 private:
  static std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r << 16 | g << 8 | b;
  }

  const Png& png_;
  const std::uint8_t* rows_;
  std::size_t stride_;
};

bool readWhole(std::FILE* in, Bytes& file) {
  if (std::fseek(in, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(in);
  if (size <= 0 || static_cast<unsigned long>(size) > kMaxHeldBytes ||
      std::fseek(in, 0, SEEK_SET) != 0) {
    return false;
  }
  file.resize(static_cast<std::size_t>(size));
  return std::fread(file.data.get(), 1, file.size, in) == file.size;
}

// Inflates and unfilters the image data into `rows`; false for anything left to the
// streaming reader.
bool unpack(const Png& png, Buffers& buffers, std::size_t stride) {
  if (buffers.file.size + stride * png.height > kMaxHeldBytes) return false;
  buffers.rows.resize(stride * png.height);
  if (!buffers.inflater) buffers.inflater = libdeflate_alloc_decompressor();
  return buffers.inflater &&
         libdeflate_zlib_decompress(buffers.inflater, buffers.file.data.get(), png.idatBytes,
                                    buffers.rows.data.get(), buffers.rows.size,
                                    nullptr) == LIBDEFLATE_SUCCESS &&
         unfilterAll(png, buffers.rows.data.get(), stride);
}

RowDecoding decode(const std::filesystem::path& file, RowSink& sink, Buffers& buffers) {
  Png png;
  const FileHandle in = openRegularFile(file);
  if (!in || !readWhole(in.get(), buffers.file) || !readChunks(buffers.file, png) ||
      static_cast<long long>(png.width) * png.height > kMaxImagePixels) {
    return RowDecoding::NotMine;
  }
  const std::size_t stride = 1 + std::size_t{1} * png.width * channelsOf(png.colourType);
  if (stride > kMaxHeldBytes / png.height || !unpack(png, buffers, stride)) {
    return RowDecoding::NotMine;
  }
  if (sink.cancelled()) return RowDecoding::Failed;
  sink.begin(png.width, png.height);
  const UnfilteredPng picture(png, buffers.rows.data.get(), stride);
  return sink.allRows(png.width, png.height, picture) ? RowDecoding::Done : RowDecoding::Failed;
}

}  // namespace

RowDecoding decodePngWhole(const std::filesystem::path& file, RowSink& sink) {
  static thread_local Buffers buffers;
  RowDecoding result = RowDecoding::NotMine;
  try {
    result = decode(file, sink, buffers);
  } catch (const std::bad_alloc&) {
    // Left to the streaming reader, which needs far less.
  }
  buffers.file.keepIfSmall();
  buffers.rows.keepIfSmall();
  return result;
}

}  // namespace zarq
