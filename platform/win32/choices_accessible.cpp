// The accessible object of a window with windowless choices: what screen readers and UI
// Automation read of the hotspots, and how they press one.
#include "platform/win32/choices_accessible.h"

#include <string>

#include "platform/toolkit/display_scale.h"
#include "platform/win32/private_messages.h"
#include "platform/win32/wide_text.h"

namespace kinloom {

namespace {

HRESULT ToBstr(const std::string& text, BSTR* out) {
  const std::wstring wide = ToUtf16(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetLong(VARIANT* variant, long value) {
  VariantInit(variant);
  variant->vt = VT_I4;
  variant->lVal = value;
}

}  // namespace

bool TakesInput(HWND window) {
  return IsWindowVisible(window) && IsWindowEnabled(window);
}

ChoicesAccessible::ChoicesAccessible(HWND window, const Window& model)
    : window_(window), model_(&model) {}

void ChoicesAccessible::Disconnect() {
  model_ = nullptr;
  // Drops the references that marshalling for other processes holds; ours keeps us alive here.
  CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

HRESULT ChoicesAccessible::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ChoicesAccessible::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG ChoicesAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ChoicesAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ChoicesAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT ChoicesAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT ChoicesAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
  return E_NOTIMPL;
}

long ChoicesAccessible::ChildId(const VARIANT& child) const {
  if (child.vt != VT_I4) return -1;
  return child.lVal >= CHILDID_SELF && child.lVal <= Count() ? child.lVal : -1;
}

bool ChoicesAccessible::ScreenRect(long childId, RECT& r) const {
  if (childId == CHILDID_SELF) {
    if (!GetClientRect(window_, &r)) return false;
  } else {
    // Clients read physical screen pixels at every scale.
    const Rect bounds = ScaleToDpi(model_->choices->ChoiceBounds(childId - 1), model_->Dpi());
    r = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  }
  POINT origin{0, 0};
  if (!ClientToScreen(window_, &origin)) return false;
  r = {r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
  return true;
}

long ChoicesAccessible::ChildAt(POINT screen) const {
  for (long id = 1; id <= Count(); ++id) {
    RECT r;
    if (ScreenRect(id, r) && PtInRect(&r, screen)) return id;
  }
  return CHILDID_SELF;
}

HRESULT ChoicesAccessible::NamedChild(const VARIANT& child, long& id) const {
  if (!model_) return RPC_E_DISCONNECTED;
  id = ChildId(child);
  return id < 0 ? E_INVALIDARG : S_OK;
}

HRESULT ChoicesAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!model_) return RPC_E_DISCONNECTED;
  return CreateStdAccessibleObject(window_, OBJID_WINDOW, IID_IDispatch,
                                   reinterpret_cast<void**>(parent));
}

HRESULT ChoicesAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!model_) return RPC_E_DISCONNECTED;
  *count = Count();
  return S_OK;
}

HRESULT ChoicesAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!model_) return RPC_E_DISCONNECTED;
  // The choices are simple elements of this object, not objects of their own.
  return ChildId(child) > CHILDID_SELF ? S_FALSE : E_INVALIDARG;
}

HRESULT ChoicesAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  return ToBstr(id == CHILDID_SELF ? model_->title : model_->choices->ChoiceName(id - 1), name);
}

HRESULT ChoicesAccessible::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ChoicesAccessible::get_accDescription(VARIANT, BSTR* text) {
  if (text) *text = nullptr;
  return S_FALSE;
}

HRESULT ChoicesAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  SetLong(role, id == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON);
  return S_OK;
}

HRESULT ChoicesAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  SetLong(state, ChildState(id));
  return S_OK;
}

long ChoicesAccessible::ChildState(long id) const {
  long flags = 0;
  if (!IsWindowVisible(window_)) flags |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(window_)) flags |= STATE_SYSTEM_UNAVAILABLE;
  if (TakesInput(window_)) flags |= STATE_SYSTEM_FOCUSABLE;
  // Focused only with the keyboard focus: the highlight alone may be the pointer's.
  const bool keyboard = GetFocus() == window_;
  if (id == CHILDID_SELF) return keyboard ? flags | STATE_SYSTEM_FOCUSED : flags;
  if (keyboard && model_->choices->HighlightedChoice() == id - 1) flags |= STATE_SYSTEM_FOCUSED;
  POINT pointer;
  if (GetCursorPos(&pointer) && WindowFromPoint(pointer) == window_ && ChildAt(pointer) == id) {
    flags |= STATE_SYSTEM_HOTTRACKED;
  }
  return flags;
}

HRESULT ChoicesAccessible::get_accHelp(VARIANT, BSTR* help) {
  if (help) *help = nullptr;
  return S_FALSE;
}

HRESULT ChoicesAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return S_FALSE;
}

HRESULT ChoicesAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  return S_FALSE;
}

HRESULT ChoicesAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!model_) return RPC_E_DISCONNECTED;
  if (GetFocus() != window_) return S_FALSE;
  SetLong(child, model_->choices->HighlightedChoice() + 1);  // CHILDID_SELF with none
  return S_OK;
}

HRESULT ChoicesAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  VariantInit(children);
  return S_FALSE;
}

HRESULT ChoicesAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  return id == CHILDID_SELF ? S_FALSE : ToBstr("Press", action);
}

HRESULT ChoicesAccessible::accSelect(long, VARIANT) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ChoicesAccessible::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  RECT r;
  if (!ScreenRect(id, r)) return E_FAIL;
  *left = r.left;
  *top = r.top;
  *width = r.right - r.left;
  *height = r.bottom - r.top;
  return S_OK;
}

HRESULT ChoicesAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  long id = 0;
  if (const HRESULT named = NamedChild(start, id); FAILED(named)) return named;
  long to = -1;
  if (id == CHILDID_SELF) {
    if (direction == NAVDIR_FIRSTCHILD) to = 1;
    if (direction == NAVDIR_LASTCHILD) to = Count();
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
    to = id + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
    to = id - 1;
  }
  if (to < 1 || to > Count()) return S_FALSE;
  SetLong(end, to);
  return S_OK;
}

HRESULT ChoicesAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!model_) return RPC_E_DISCONNECTED;
  const POINT at{x, y};
  RECT client;
  if (!ScreenRect(CHILDID_SELF, client)) return E_FAIL;
  if (!PtInRect(&client, at)) return S_FALSE;
  SetLong(child, ChildAt(at));
  return S_OK;
}

HRESULT ChoicesAccessible::accDoDefaultAction(VARIANT child) {
  long id = 0;
  if (const HRESULT named = NamedChild(child, id); FAILED(named)) return named;
  // A screen behind a box, or hidden, takes no input, and no action from a screen reader either.
  if (id == CHILDID_SELF || !TakesInput(window_)) return DISP_E_MEMBERNOTFOUND;
  return PostMessageW(window_, kRunChoiceMessage, static_cast<WPARAM>(id - 1), 0) ? S_OK : E_FAIL;
}

HRESULT ChoicesAccessible::put_accName(VARIANT, BSTR) {
  return E_NOTIMPL;
}

HRESULT ChoicesAccessible::put_accValue(VARIANT, BSTR) {
  return E_NOTIMPL;
}

}  // namespace kinloom
