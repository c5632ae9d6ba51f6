// The composition root: WinMain puts the Win32 system adapter and backend under the start-up.
#include "platform/win32/win_api.h"

#include <objbase.h>

#include <exception>
#include <string>

#include "platform/toolkit/application.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_backend.h"
#include "screens/startup.h"

namespace {

// Only what escapes the application's own barrier arrives here, such as a failed window class.
void ReportFatal(const std::string& text) {
  MessageBoxW(nullptr, kinloom::ToUtf16(kinloom::ErrorReportText(text)).c_str(),
              kinloom::ToUtf16(kinloom::kApplicationTitle).c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The shell's "open" may run COM handlers, which want a single-threaded apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int exitCode = 1;
  try {
    kinloom::SystemWin32 system;
    kinloom::Win32Backend backend;
    exitCode = kinloom::RunKinloom(backend, system);
  } catch (const std::exception& error) {
    ReportFatal(error.what());
  } catch (...) {
    ReportFatal("An unexpected error occurred");
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
