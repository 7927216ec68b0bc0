#include "backend/win32/handle_stream.h"

#include <io.h>

#include "backend/win32/com_counted.h"

namespace zarq::win32 {
namespace {

HRESULT lastError() { return HRESULT_FROM_WIN32(GetLastError()); }

class HandleStream final : public Counted<HandleStream, IStream> {
 public:
  explicit HandleStream(std::FILE* file)
      : handle_(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) {}

  HRESULT STDMETHODCALLTYPE Read(void* into, ULONG count, ULONG* got) override {
    DWORD read = 0;
    if (!ReadFile(handle_, into, count, &read, nullptr)) return lastError();
    if (got) *got = read;
    return read == count ? S_OK : S_FALSE;
  }
  // STREAM_SEEK_SET, _CUR and _END are FILE_BEGIN, _CURRENT and _END.
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* at) override {
    LARGE_INTEGER now{};
    if (!SetFilePointerEx(handle_, move, &now, origin)) return lastError();
    if (at) at->QuadPart = static_cast<ULONGLONG>(now.QuadPart);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    if (!stat) return E_POINTER;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) return lastError();
    *stat = {};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = static_cast<ULONGLONG>(size.QuadPart);
    stat->grfMode = STGM_READ;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override {
    return STG_E_ACCESSDENIED;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                   ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

 private:
  HANDLE handle_;
};

}  // namespace

Microsoft::WRL::ComPtr<IStream> streamOver(std::FILE* file) {
  std::rewind(file);
  Microsoft::WRL::ComPtr<IStream> stream;
  stream.Attach(new HandleStream(file));
  return stream;
}

}  // namespace zarq::win32
