#include "backend/win32/msaa_page.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "backend/win32/com_counted.h"
#include "platform/accessible_answers.h"

namespace zarq::win32 {
namespace {

BSTR bstrOf(TextView text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

constexpr RoleColumn<LONG> kRoles{
    ROLE_SYSTEM_TEXT,     ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_SLIDER,
    ROLE_SYSTEM_COMBOBOX, ROLE_SYSTEM_PUSHBUTTON,  ROLE_SYSTEM_ALERT};
// Each state's bit; 0 where MSAA has none.
constexpr StateColumn<LONG> kStates{0,
                                    STATE_SYSTEM_FOCUSABLE,
                                    STATE_SYSTEM_FOCUSED,
                                    STATE_SYSTEM_ALERT_HIGH,
                                    0,
                                    0,
                                    STATE_SYSTEM_CHECKED,
                                    0,
                                    STATE_SYSTEM_ALERT_MEDIUM,
                                    STATE_SYSTEM_SELECTABLE,
                                    STATE_SYSTEM_SELECTED,
                                    STATE_SYSTEM_UNAVAILABLE};
LONG bitsOf(AccessibleStates states) {
  LONG bits = 0;
  kStates.each([&](AccessibleState state, LONG bit) { bits |= states.has(state) ? bit : 0; });
  return bits;
}
// What each change is to a WinEvent; a control taking the focus is EVENT_OBJECT_FOCUS.
constexpr ChangeColumn<DWORD> kWinEvents{EVENT_OBJECT_REORDER,
                                         EVENT_OBJECT_REORDER,
                                         EVENT_OBJECT_STATECHANGE,
                                         EVENT_OBJECT_STATECHANGE,
                                         EVENT_OBJECT_STATECHANGE,
                                         EVENT_OBJECT_STATECHANGE,
                                         EVENT_OBJECT_NAMECHANGE,
                                         EVENT_OBJECT_DESCRIPTIONCHANGE,
                                         EVENT_OBJECT_VALUECHANGE,
                                         EVENT_OBJECT_VALUECHANGE,
                                         EVENT_OBJECT_VALUECHANGE,
                                         EVENT_OBJECT_LOCATIONCHANGE,
                                         EVENT_OBJECT_TEXTSELECTIONCHANGED,
                                         EVENT_OBJECT_LOCATIONCHANGE,
                                         EVENT_SYSTEM_ALERT};

VARIANT number(LONG n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

// The child ids of the page's controls, in reading order, as AccessibleChildren asks for
// them: a control's id stays its own whatever appears or goes on the page.
class ChildIds final : public Counted<ChildIds, IEnumVARIANT> {
 public:
  explicit ChildIds(std::vector<LONG> ids, ULONG at = 0) : ids_(std::move(ids)), at_(at) {}
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (!out) return E_POINTER;
    ULONG given = 0;
    for (; given < count && at_ < ids_.size(); ++given, ++at_) out[given] = number(ids_[at_]);
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    at_ = std::min<std::size_t>(ids_.size(), at_ + count);
    return at_ < ids_.size() ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    at_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (!out) return E_POINTER;
    *out = new ChildIds(ids_, static_cast<ULONG>(at_));
    return S_OK;
  }

 private:
  std::vector<LONG> ids_;
  std::size_t at_;
};

// The page's client object. Its children are simple elements, each known by the number the
// core gives its control.
class PageAccessible final : public Counted<PageAccessible, IAccessible> {
 public:
  PageAccessible(HWND window, const AccessibleSource& source) : window_(window), source_(source) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out || iid != IID_IEnumVARIANT) return Counted::QueryInterface(iid, out);
    std::vector<LONG> ids;
    for (const AccessibleControl& c : page().controls) ids.push_back(c.number);
    *out = static_cast<IEnumVARIANT*>(new ChildIds(std::move(ids)));
    return S_OK;
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
    return text(child, out, &AccessiblePage::name, &AccessibleControl::name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return text(child, out, nullptr, &AccessibleControl::value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return text(child, out, &AccessiblePage::help, &AccessibleControl::description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    return numberOf(child, out, ROLE_SYSTEM_CLIENT,
                    [](const AccessibleControl& c) { return kRoles[c.role]; });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    return numberOf(child, out, bitsOf(pageStates(GetFocus() == window_)),
                    [](const AccessibleControl& c) { return bitsOf(statesOf(c)); });
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
    const AccessibleControl* focused = focusedControl(page());
    // With no control focused, the page holds the window's keyboard itself.
    if (!focused && GetFocus() != window_) return S_FALSE;
    *out = number(focused ? focused->number : CHILDID_SELF);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (out) VariantInit(out);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return text(child, out, nullptr, &AccessibleControl::action);
  }
  // Only the focus can be given: the page has nothing to select.
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    if (flags != SELFLAG_TAKEFOCUS) return E_FAIL;
    return offer(*c, {ToolRequest::Kind::Focus, c->id, 0, 0, {}, 0});
  }
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
      bounds = c->bounds;
    }
    const PixelBox box = pixelBox(bounds);
    POINT origin{box.x, box.y};
    ClientToScreen(window_, &origin);
    *x = origin.x;
    *y = origin.y;
    *width = box.width;
    *height = box.height;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* out) override {
    if (out) VariantInit(out);
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
    if (!out) return E_POINTER;
    POINT at{x, y};
    ScreenToClient(window_, &at);
    const AccessibleControl* under =
        controlAt(page(), static_cast<float>(at.x), static_cast<float>(at.y));
    *out = number(under ? under->number : CHILDID_SELF);
    return S_OK;
  }
  // The click runs once this call has returned: it may open a message box.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    return offer(*c, {ToolRequest::Kind::Activate, c->id, 0, 0, {}, 0});
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  // A field's whole text, or a slider's number, typed as the keyboard types it.
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    const auto* units = reinterpret_cast<const char16_t*>(value);
    return offer(*c, editOfCharacters(*c, 0, -1, Text(units, value ? SysStringLen(value) : 0)));
  }

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
    return page().withNumber(child.lVal);
  }
  // The number `ofSelf` for the client object, or `ofControl` of the control.
  template <typename Of>
  HRESULT numberOf(const VARIANT& child, VARIANT* out, LONG ofSelf, Of ofControl) {
    if (!out) return E_POINTER;
    // A child that is not there leaves 0.
    *out = number(isSelf(child) ? ofSelf : 0);
    if (isSelf(child)) return S_OK;
    const AccessibleControl* c = control(child);
    if (!c) return E_INVALIDARG;
    *out = number(ofControl(*c));
    return S_OK;
  }
  HRESULT offer(const AccessibleControl& c, const ToolRequest& request) {
    return IsWindow(window_) && offerRequest(c, request, source_.request) ? S_OK : E_FAIL;
  }
  // The page's text `ofPage` (none where null) or the control's `ofControl`.
  HRESULT text(const VARIANT& child, BSTR* out, Text AccessiblePage::*ofPage,
               Text AccessibleControl::*ofControl) {
    if (!out) return E_POINTER;
    *out = nullptr;
    Text value;
    if (isSelf(child)) {
      if (ofPage) value = page().*ofPage;
    } else if (const AccessibleControl* c = control(child)) {
      value = c->*ofControl;
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

void notifyWinEvent(HWND window, const AccessibleEvent& event) {
  const bool focused = event.change == AccessibleChange::Focus && event.on;
  // The page holds the focus only while the window holds the keyboard.
  if (focused && !event.control && GetFocus() != window) return;
  const LONG child = event.control ? controlNumber(event.control) : CHILDID_SELF;
  NotifyWinEvent(focused ? EVENT_OBJECT_FOCUS : kWinEvents[event.change], window, OBJID_CLIENT,
                 child);
  if (event.change == AccessibleChange::PageChanged) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace zarq::win32
