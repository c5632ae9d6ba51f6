// A stand-in for every program the menu starts: it journals how it was started, or, for the
// demonstration, shows a small window saying which program would have started and from where.
#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "tests/e2e/journal.h"

namespace {

using kinloom::ToUtf16;
using kinloom::ToUtf8;
using kinloom::e2e::kJournalVariable;
constexpr int kOkButtonId = IDOK;

std::string ModulePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return ToUtf8(path);
}

std::string CurrentFolder() {
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  return ToUtf8(folder);
}

// The journal's path from the environment, or empty text when none is set.
std::wstring JournalPath() {
  wchar_t journal[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(kJournalVariable, journal, MAX_PATH);
  return length > 0 && length < MAX_PATH ? journal : L"";
}

// One line per start in UTF-8: program, command line and working folder, separated by tabs. One
// WriteFile per record keeps records whole when two stand-ins start at once.
bool AppendToJournal(const std::wstring& journal, const std::string& record) {
  HANDLE file = CreateFileW(journal.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == record.size();
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kOkButtonId || LOWORD(wParam) == IDCANCEL) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int ShowWhatWouldStart(HINSTANCE instance, const std::string& program,
                       const std::string& commandLine, const std::string& folder) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"KinloomStandIn";
  if (!RegisterClassW(&windowClass)) return 1;

  const std::string title = FileName(program) + " (demonstration stand-in)";
  const std::string text = "Kinloom started this program:\r\n" + program +
                           "\r\n\r\nCommand line:\r\n" + commandLine +
                           "\r\n\r\nWorking folder:\r\n" + folder;
  // Laid out at 96 DPI and scaled to the display's, as Wine scales the font for every program.
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const auto scaled = [dpi](int n) { return MulDiv(n, dpi, 96); };
  const int width = scaled(520), height = scaled(230);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 3;
  HWND window = CreateWindowW(L"KinloomStandIn", ToUtf16(title).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left, top, width, height,
                              nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND label = CreateWindowW(L"STATIC", ToUtf16(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                             scaled(12), scaled(10), scaled(484), scaled(140), window, nullptr,
                             instance, nullptr);
  HWND ok = CreateWindowW(L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          scaled(410), scaled(160), scaled(80), scaled(26), window,
                          reinterpret_cast<HMENU>(kOkButtonId), instance, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  // Shown only once complete, so that whoever finds it by title finds its text too.
  ShowWindow(window, SW_SHOWNORMAL);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SetFocus(ok);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // IsDialogMessage gives Enter and Escape to the OK button.
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::string program = ModulePath();
  const std::string commandLine = ToUtf8(GetCommandLineW());
  const std::string folder = CurrentFolder();
  const std::wstring journal = JournalPath();
  if (!journal.empty()) {
    return AppendToJournal(journal, program + '\t' + commandLine + '\t' + folder + '\n') ? 0 : 1;
  }
  return ShowWhatWouldStart(instance, program, commandLine, folder);
}
