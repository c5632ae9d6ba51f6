// The accessible object of a window with windowless choices: what screen readers and UI
// Automation read of the hotspots, and how they press one.
#pragma once

#include "platform/toolkit/window.h"
#include "platform/win32/win_api.h"
// Needs windows.h first.
#include <oleacc.h>

namespace kinloom {

// Whether the window takes input as a user finds it: shown, and not disabled under a box or a
// modal window. Assistive technology may do no more.
bool TakesInput(HWND window);

// Children 1 to N are the window's choices in reading order (child id = index + 1): push
// buttons named by their art, focused while highlighted, hot under the pointer.
class ChoicesAccessible final : public IAccessible {
 public:
  // One reference, the caller's. `model` must have choices.
  ChoicesAccessible(HWND window, const Window& model);
  // The window's handle is going away: clients in other processes are cut off, and every later
  // call of a client that still holds the object fails.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: clients use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~ChoicesAccessible() = default;
  // The child id a VARIANT names: CHILDID_SELF, 1 to N, or -1 when it names none.
  long ChildId(const VARIANT& child) const;
  // The child a call names, while the object is connected: S_OK and `id`, or the error to return.
  HRESULT NamedChild(const VARIANT& child, long& id) const;
  int Count() const { return model_->choices->ChoiceCount(); }
  // The child's rectangle in screen coordinates; false when the window cannot tell.
  bool ScreenRect(long childId, RECT& r) const;
  // The choice at a point of the screen, as a child id, or CHILDID_SELF.
  long ChildAt(POINT screen) const;
  long ChildState(long childId) const;

  LONG references_ = 1;
  HWND window_;
  const Window* model_;
};

}  // namespace kinloom
