// What an accessibility client in another process needs: COM on its thread and the accessible
// object of a window, released with its owner.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <oleacc.h>

#include <memory>

namespace kinloom::e2e {

// COM for the test's own thread, as every accessibility client needs.
class ComApartment {
 public:
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
};

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

inline Accessible AccessibleOf(HWND window, LONG objectId) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, objectId, IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return Accessible(object);
}

inline VARIANT Child(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

}  // namespace kinloom::e2e
