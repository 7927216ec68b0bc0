#include "backend/win32/wic_decoder.h"

// clang-format off
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>
// clang-format on

#include <algorithm>
#include <vector>

#include "backend/win32/handle_stream.h"
#include "common/picture_format.h"
#include "platform/file_system.h"

namespace zarq::win32 {
namespace {

// Rows converted per call: a band small enough to stay cheap, large enough to keep the
// decoder's own overhead per call out of sight.
constexpr int kBandRows = 64;

// COM for the calling thread, for as long as the object lives. A thread that already runs
// COM in another model keeps it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

using Microsoft::WRL::ComPtr;

// The first frame of an image file, decoded by the decoder chosen for its format.
struct OpenImage {
  // Declared first, closed last: the stream reads it.
  FileHandle file;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ImageSize size;
};

// Windows' own decoder of each format an illustration comes in, never one that another
// program installed for its bytes. WebP's comes with Windows 10's media extensions.
const CLSID* decoderFor(PictureFormat format) {
  static constexpr CLSID kWebp = {
      0x7693E886, 0x51C9, 0x4070, {0x84, 0x19, 0x9F, 0x70, 0x73, 0x8E, 0xC8, 0xFA}};
  switch (format) {
    case PictureFormat::Png:
      return &CLSID_WICPngDecoder;
    case PictureFormat::Jpeg:
      return &CLSID_WICJpegDecoder;
    case PictureFormat::Bmp:
      return &CLSID_WICBmpDecoder;
    case PictureFormat::Gif:
      return &CLSID_WICGifDecoder;
    case PictureFormat::Webp:
      return &kWebp;
    case PictureFormat::Other:
      break;
  }
  return nullptr;
}

bool open(const std::filesystem::path& file, OpenImage& image) {
  // The bytes decoded are those of the file whose header was checked, never of a file put at
  // its name since.
  image.file = openRegularFile(file);
  if (!image.file) return false;
  const PictureHeader header = readPictureHeader(image.file.get());
  if (!mayDecode(header)) return false;
  image.stream = streamOver(image.file.get());
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory,
                              reinterpret_cast<void**>(image.factory.GetAddressOf()))) ||
      FAILED(CoCreateInstance(*decoderFor(header.format), nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICBitmapDecoder,
                              reinterpret_cast<void**>(image.decoder.GetAddressOf()))) ||
      FAILED(image.decoder->Initialize(image.stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(image.decoder->GetFrame(0, image.frame.GetAddressOf()))) {
    return false;
  }
  UINT width = 0, height = 0;
  if (FAILED(image.frame->GetSize(&width, &height)) || width == 0 || height == 0) return false;
  if (static_cast<long long>(width) * height > kMaxImagePixels) return false;
  image.size = {static_cast<int>(width), static_cast<int>(height)};
  return true;
}

}  // namespace

std::optional<ImageSize> WicDecoder::probe(const std::filesystem::path& file) {
  ComScope com;
  OpenImage image;
  if (!open(file, image)) return std::nullopt;
  return image.size;
}

bool WicDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  ComScope com;
  OpenImage image;
  if (!open(file, image)) return false;
  // Straight blue, green, red and alpha bytes, whatever the file holds.
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(image.factory->CreateFormatConverter(converter.GetAddressOf())) ||
      FAILED(converter->Initialize(image.frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return false;
  }
  const int width = image.size.width;
  const int height = image.size.height;
  const UINT stride = static_cast<UINT>(width) * 4;
  std::vector<BYTE> band(static_cast<std::size_t>(stride) * std::min(height, kBandRows));
  std::vector<std::uint32_t> row(width);
  sink.begin(width, height);
  for (int top = 0; top < height; top += kBandRows) {
    // A picture no longer wanted is left undecoded.
    if (sink.cancelled()) return false;
    const int rows = std::min(kBandRows, height - top);
    const WICRect rect{0, top, width, rows};
    if (FAILED(converter->CopyPixels(&rect, stride, stride * rows, band.data()))) return false;
    for (int y = 0; y < rows; ++y) {
      const BYTE* p = band.data() + static_cast<std::size_t>(y) * stride;
      for (int x = 0; x < width; ++x, p += 4) row[x] = onBlack(p[2], p[1], p[0], p[3]);
      sink.row(top + y, row.data());
    }
  }
  return true;
}

}  // namespace zarq::win32
