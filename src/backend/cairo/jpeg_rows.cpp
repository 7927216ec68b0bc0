#include <bit>
#include <csetjmp>
#include <cstdio>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
#include <jpeglib.h>

#include "backend/cairo/row_decoding.h"
#include "platform/file_system.h"

namespace zarq {
namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

// Warnings such as a truncated file are not reported; the editor prints nothing.
void stayQuiet(j_common_ptr) {}

// Called as libjpeg works through the file, also while it reads the scans of a progressive
// file before the first row is ready: a picture no longer wanted stops there too.
struct Progress {
  jpeg_progress_mgr manager;
  const RowSink* sink;
};

void stopWhenCancelled(j_common_ptr info) {
  if (reinterpret_cast<Progress*>(info->progress)->sink->cancelled()) jumpOut(info);
}

// The largest of 1, 2, 4 and 8 by which the decoder can shrink the picture while it stays at
// least as large as `useful` on both sides; shrinking in the transform costs less than
// decoding every pixel and throwing most away.
unsigned shrinkFor(long long width, long long height, ImageSize useful) {
  unsigned shrink = 1;
  while (shrink < 8 && (width + 2 * shrink - 1) / (2 * shrink) >= useful.width &&
         (height + 2 * shrink - 1) / (2 * shrink) >= useful.height) {
    shrink *= 2;
  }
  return shrink;
}

// libjpeg leaves this frame by longjmp on any error, so it holds nothing that needs a
// destructor; the row buffer belongs to the caller.
RowDecoding readJpeg(std::FILE* file, RowSink& sink, std::vector<std::uint32_t>& row) {
  jpeg_decompress_struct info;
  ErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = jumpOut;
  trap.manager.output_message = stayQuiet;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return RowDecoding::Failed;
  }
  jpeg_create_decompress(&info);
  // More than this (a progressive file's coefficients) and the decode fails.
  info.mem->max_memory_to_use = kDecodeMemoryBudget;
  Progress progress{{}, &sink};
  progress.manager.progress_monitor = stopWhenCancelled;
  info.progress = &progress.manager;
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
    jpeg_destroy_decompress(&info);
    return RowDecoding::NotMine;
  }
  // Before anything is allocated for the pixels (a progressive file needs the whole
  // picture's coefficients).
  const long long width = info.image_width, height = info.image_height;
  if (width == 0 || height == 0 || width * height > kMaxImagePixels) {
    jpeg_destroy_decompress(&info);
    return RowDecoding::Failed;
  }
  // Little-endian 0x..RRGGBB words are the bytes blue, green, red, unused.
  info.out_color_space = JCS_EXT_BGRX;
  const ImageSize useful = sink.usefulSize({static_cast<int>(width), static_cast<int>(height)});
  info.scale_num = 1;
  info.scale_denom = shrinkFor(width, height, useful);
  jpeg_start_decompress(&info);
  row.resize(info.output_width);
  JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row.data())};
  sink.begin(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    if (sink.cancelled()) {
      jpeg_destroy_decompress(&info);
      return RowDecoding::Failed;
    }
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, rows, 1);
    sink.row(y, row.data());
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return RowDecoding::Done;
}

}  // namespace

static_assert(std::endian::native == std::endian::little, "BGRX bytes are read as words");

RowDecoding decodeJpegRows(const std::filesystem::path& file, RowSink& sink) {
  const FileHandle stream = openRegularFile(file);
  if (!stream) return RowDecoding::Failed;
  std::vector<std::uint32_t> row;
  return readJpeg(stream.get(), sink, row);
}

}  // namespace zarq
