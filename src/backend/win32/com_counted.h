#pragma once
// IUnknown for a COM object of the editor's own, counted and gone with its last reference.

#include <oaidl.h>
#include <windows.h>

#include <type_traits>

namespace zarq::win32 {

// Answers as `Interface`, which `Self` implements.
template <typename Self, typename Interface>
class Counted : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    const bool answers = iid == IID_IUnknown || iid == __uuidof(Interface) ||
                         (iid == IID_IDispatch && std::is_base_of_v<IDispatch, Interface>);
    *out = answers ? static_cast<Interface*>(this) : nullptr;
    if (!answers) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete static_cast<Self*>(this);
    return static_cast<ULONG>(left);
  }

 private:
  LONG refs_ = 1;
};

}  // namespace zarq::win32
