#include "backend/win32/msaa_page.h"

#include <oleacc.h>

#include <cmath>

namespace zarq::win32 {
namespace {

BSTR bstrOf(TextView text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

LONG roleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::EditableText:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::RadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::Slider:
      return ROLE_SYSTEM_SLIDER;
    case AccessibleRole::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Alert:
      break;
  }
  return ROLE_SYSTEM_ALERT;
}

// The page's client object. Its children are simple elements: the child id is the place in
// the page's reading order, from 1.
class PageAccessible final : public IAccessible {
 public:
  PageAccessible(HWND window, const AccessibleSource& source) : window_(window), source_(source) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(page().controls.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return control(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return text(
        child, out, [](const AccessiblePage& p) { return p.title; },
        [](const AccessibleControl& c) { return c.name; });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return text(
        child, out, [](const AccessiblePage&) { return Text(); },
        [](const AccessibleControl& c) { return c.value; });
  }
  // The help text; while a message hangs on the control, its status line first.
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return text(
        child, out, [](const AccessiblePage& p) { return p.help; },
        [this](const AccessibleControl& c) {
          const AccessibleControl* message = described_.find(c.errorMessage);
          return message ? message->name + u"\n" + c.description : c.description;
        });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    if (isSelf(child)) {
      out->lVal = ROLE_SYSTEM_CLIENT;
      return S_OK;
    }
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    out->lVal = roleOf(c->role);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    if (isSelf(child)) {
      out->lVal = GetFocus() == window_ ? STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE
                                        : STATE_SYSTEM_FOCUSABLE;
      return S_OK;
    }
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    LONG state = 0;
    if (!c->enabled) state |= STATE_SYSTEM_UNAVAILABLE;
    if (c->focused) state |= STATE_SYSTEM_FOCUSED;
    if (c->role == AccessibleRole::EditableText) state |= STATE_SYSTEM_FOCUSABLE;
    if (c->checked) state |= STATE_SYSTEM_CHECKED;
    if (c->invalid) state |= STATE_SYSTEM_ALERT_HIGH;
    if (c->role == AccessibleRole::Alert) state |= STATE_SYSTEM_ALERT_MEDIUM;
    out->lVal = state;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
    if (out) *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* out) override {
    if (out) *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    const AccessiblePage& p = page();
    for (std::size_t i = 0; i < p.controls.size(); ++i) {
      if (!p.controls[i].focused) continue;
      out->vt = VT_I4;
      out->lVal = static_cast<LONG>(i + 1);
      return S_OK;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (out) VariantInit(out);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
  // Screen pixels of the control, or of the whole client area.
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!x || !y || !width || !height) return E_POINTER;
    RectF bounds;
    if (isSelf(child)) {
      RECT client{};
      GetClientRect(window_, &client);
      bounds = {0, 0, static_cast<float>(client.right), static_cast<float>(client.bottom)};
    } else {
      const AccessibleControl* c = control(child);
      if (!c) return E_INVALIDARG;
      const float s = source_.scale();
      bounds = {c->bounds.x * s, c->bounds.y * s, c->bounds.w * s, c->bounds.h * s};
    }
    POINT origin{static_cast<LONG>(std::floor(bounds.x)), static_cast<LONG>(std::floor(bounds.y))};
    ClientToScreen(window_, &origin);
    *x = origin.x;
    *y = origin.y;
    *width = static_cast<LONG>(std::ceil(bounds.w));
    *height = static_cast<LONG>(std::ceil(bounds.h));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* out) override {
    if (out) VariantInit(out);
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    POINT at{x, y};
    ScreenToClient(window_, &at);
    const float s = source_.scale();
    const AccessiblePage& p = page();
    out->vt = VT_I4;
    out->lVal = CHILDID_SELF;
    for (std::size_t i = 0; i < p.controls.size(); ++i) {
      const RectF b = p.controls[i].bounds;
      const float fx = static_cast<float>(at.x) / s, fy = static_cast<float>(at.y) / s;
      if (fx >= b.x && fx < b.x + b.w && fy >= b.y && fy < b.y + b.h) {
        out->lVal = static_cast<LONG>(i + 1);
      }
    }
    return S_OK;
  }
  // The click runs once this call has returned: it may open a message box.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    if (!c->enabled) return E_FAIL;
    PostMessageW(window_, kActivateMessage, static_cast<WPARAM>(c->id.kind), c->id.index);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  const AccessiblePage& page() {
    if (IsWindow(window_))
      described_ = source_.describe();
    else
      described_ = {};
    return described_;
  }
  static bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  const AccessibleControl* control(const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 1) return nullptr;
    const AccessiblePage& p = page();
    const auto i = static_cast<std::size_t>(child.lVal - 1);
    return i < p.controls.size() ? &p.controls[i] : nullptr;
  }
  template <typename OfPage, typename OfControl>
  HRESULT text(const VARIANT& child, BSTR* out, OfPage ofPage, OfControl ofControl) {
    if (!out) return E_POINTER;
    *out = nullptr;
    Text value;
    if (isSelf(child)) {
      value = ofPage(page());
    } else if (const AccessibleControl* c = control(child)) {
      value = ofControl(*c);
    } else {
      return E_INVALIDARG;
    }
    if (value.empty()) return S_FALSE;
    *out = bstrOf(value);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

  LONG refs_ = 1;
  HWND window_;
  AccessibleSource source_;
  AccessiblePage described_;
};

LONG childIdOf(const AccessiblePage& page, ControlRef id) {
  for (std::size_t i = 0; i < page.controls.size(); ++i) {
    if (page.controls[i].id == id) return static_cast<LONG>(i + 1);
  }
  return -1;
}

DWORD winEventOf(const AccessibleEvent& event) {
  switch (event.change) {
    case AccessibleChange::PageChanged:
    case AccessibleChange::ControlsChanged:
      return EVENT_OBJECT_REORDER;
    case AccessibleChange::Focus:
      return event.on ? EVENT_OBJECT_FOCUS : EVENT_OBJECT_STATECHANGE;
    case AccessibleChange::Enabled:
    case AccessibleChange::Invalid:
    case AccessibleChange::Checked:
      return EVENT_OBJECT_STATECHANGE;
    case AccessibleChange::Name:
      return EVENT_OBJECT_NAMECHANGE;
    case AccessibleChange::Description:
      return EVENT_OBJECT_DESCRIPTIONCHANGE;
    case AccessibleChange::Value:
    case AccessibleChange::TextRemoved:
    case AccessibleChange::TextInserted:
      return EVENT_OBJECT_VALUECHANGE;
    case AccessibleChange::Caret:
    case AccessibleChange::Bounds:
      return EVENT_OBJECT_LOCATIONCHANGE;
    case AccessibleChange::Selection:
      return EVENT_OBJECT_TEXTSELECTIONCHANGED;
    case AccessibleChange::BubbleShown:
      return EVENT_SYSTEM_ALERT;
  }
  return 0;
}

}  // namespace

LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM objectId,
                        const AccessibleSource& source) {
  if (static_cast<LONG>(objectId) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  // The object is handed over through COM; the window's thread may not have said so yet.
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)com;
  auto* page = new PageAccessible(window, source);
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, page);
  page->Release();
  return result;
}

void notifyWinEvent(HWND window, const AccessiblePage& page, const AccessibleEvent& event) {
  const DWORD kind = winEventOf(event);
  const LONG child = event.control ? childIdOf(page, event.control) : CHILDID_SELF;
  if (kind == 0 || child < 0) return;
  NotifyWinEvent(kind, window, OBJID_CLIENT, child);
  if (event.change == AccessibleChange::PageChanged) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace zarq::win32
