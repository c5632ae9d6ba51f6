// The helper window's thread: create, signal, pump until closed.
#include "tests/e2e/titled_window.h"

namespace kinloom::e2e {
namespace {

LRESULT CALLBACK ClosingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TitledWindow::TitledWindow(const std::string& title, POINT at)
    : created_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this, title, at] { Run(title, at); });
  WaitForSingleObject(created_, 5000);
}

TitledWindow::~TitledWindow() {
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  thread_.join();
  CloseHandle(created_);
}

void TitledWindow::Run(const std::string& title, POINT at) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ClosingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "KinloomE2eTitledWindow";
  RegisterClassA(&windowClass);
  window_ =
      CreateWindowA(windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    at.x, at.y, 300, 160, nullptr, nullptr, windowClass.hInstance, nullptr);
  SetEvent(created_);
  MSG message;
  while (window_ && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

}  // namespace kinloom::e2e
