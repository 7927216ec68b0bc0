#pragma once
// A handle of Windows or of GDI+ (a hook, an accelerator table, an event, a GDI+ graphics
// context, ...) given back with its owner by the call that releases it.

namespace zarq::win32 {

template <typename Handle, auto Release>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Where a creating call stores the new handle; a handle held before is released.
  Handle* out() {
    reset();
    return &handle_;
  }
  // Owns `handle` from here on, releasing the one held before.
  void reset(Handle handle = Handle{}) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

}  // namespace zarq::win32
