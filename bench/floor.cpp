// The start-up floor: the least a program can do to show the main menu's picture, one window of
// the same client size painting one 8-bit bitmap from its resources, for the start-up benchmark.
#include <windows.h>

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 453;
constexpr char kClassName[] = "KinloomStartupFloor";
constexpr char kTitle[] = "Kinloom start-up floor";

HBITMAP picture = nullptr;

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(dc, 0, 0, kClientWidth, kClientHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  picture = LoadBitmapA(instance, "BACKGROUND");
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  if (!picture || !RegisterClassA(&windowClass)) return 1;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&outer, style, FALSE);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  // Centred like the main menu, so both paint the same screen area.
  HWND window =
      CreateWindowA(kClassName, kTitle, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                    (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                    instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(picture);
  return 0;
}
