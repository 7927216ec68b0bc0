#pragma once
// What a picture file is, told by its first bytes, never by its name: a chart's illustration
// named "ID.PNG" may hold a JPEG, or something that is no picture at all. Only the raster
// formats illustrations come in are recognised; everything else (an SVG, a PDF, a TIFF) is
// Other and is never handed to any decoder.

#include <cstdio>

namespace zarq {

enum class PictureFormat { Png, Jpeg, Bmp, Gif, Webp, Other };

struct PictureHeader {
  PictureFormat format = PictureFormat::Other;
  // The size its header gives the (first) picture; 0 when the header is cut short or
  // damaged, or does not say before its pixels.
  long long width = 0;
  long long height = 0;
};

// Reads the header of the picture in `file` from its start, seeking as far as the size is
// given (a JPEG's frame header may follow many kilobytes of metadata).
PictureHeader readPictureHeader(std::FILE* file);

}  // namespace zarq
