#include "backend/win32/wic_decoder.h"

// clang-format off
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>
// clang-format on

#include <algorithm>
#include <iterator>
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

// Windows' own decoder of each format an illustration comes in (PictureFormat's order), never
// one that another program installed for its bytes. WebP's comes with Windows 10's media
// extensions.
constexpr CLSID kWebpDecoder = {
    0x7693E886, 0x51C9, 0x4070, {0x84, 0x19, 0x9F, 0x70, 0x73, 0x8E, 0xC8, 0xFA}};
const CLSID* const kDecoders[] = {&CLSID_WICPngDecoder, &CLSID_WICJpegDecoder, &CLSID_WICBmpDecoder,
                                  &CLSID_WICGifDecoder, &kWebpDecoder};
static_assert(std::size(kDecoders) == static_cast<std::size_t>(PictureFormat::Other),
              "a decoder for every format but Other, in PictureFormat's order");

}  // namespace

bool WicDecoder::decodeRows(const std::filesystem::path& file, RowSink& sink) {
  ComScope com;
  // The bytes decoded are those of the file whose header was checked, never of a file put at
  // its name since. Declared first, closed last: the stream reads it.
  const FileHandle in = openRegularFile(file);
  if (!in) return false;
  const PictureHeader header = readPictureHeader(in.get());
  if (!mayDecode(header)) return false;
  // The first frame, decoded by the decoder chosen for its format.
  const ComPtr<IStream> stream = streamOver(in.get());
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT frameWidth = 0, frameHeight = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.GetAddressOf()))) ||
      FAILED(CoCreateInstance(*kDecoders[static_cast<int>(header.format)], nullptr,
                              CLSCTX_INPROC_SERVER, IID_IWICBitmapDecoder,
                              reinterpret_cast<void**>(decoder.GetAddressOf()))) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, frame.GetAddressOf())) ||
      FAILED(frame->GetSize(&frameWidth, &frameHeight)) || frameWidth == 0 || frameHeight == 0 ||
      static_cast<long long>(frameWidth) * frameHeight > kMaxImagePixels) {
    return false;
  }
  // Straight blue, green, red and alpha bytes, whatever the file holds.
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.GetAddressOf())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return false;
  }
  const int width = static_cast<int>(frameWidth);
  const int height = static_cast<int>(frameHeight);
  const UINT stride = frameWidth * 4;
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
