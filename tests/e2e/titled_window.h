// A plain window of the driver's own with a given title, pumped on a thread of its own, for
// cases that need some other program's window on the desktop.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace kinloom::e2e {

class TitledWindow {
 public:
  TitledWindow(const std::string& title, POINT at);
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;
  ~TitledWindow();

  HWND Handle() const { return window_; }

 private:
  void Run(const std::string& title, POINT at);

  HWND window_ = nullptr;
  HANDLE created_ = nullptr;
  std::thread thread_;
};

}  // namespace kinloom::e2e
