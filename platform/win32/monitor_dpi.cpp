// The display scale of a window's monitor, with the calls newer than XP looked up at run time.
#include "platform/win32/monitor_dpi.h"

#include "platform/win32/gdi_handles.h"

namespace kinloom {
namespace {

// A function of user32 that older Windows may lack, or nullptr there.
template <class Function>
Function UserFunction(const char* name) {
  // Through void (*)(): the one cast between function types that means "any function".
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
  return dpi > 0 ? dpi : 96;
}

std::optional<int> MonitorDpi(HWND window) {
  static const auto getDpiForWindow = UserFunction<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  if (dpi == 0) return std::nullopt;
  return static_cast<int>(dpi);
}

RECT OuterRect(POINT corner, SIZE client, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi =
      UserFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return {corner.x, corner.y, corner.x + outer.right - outer.left,
          corner.y + outer.bottom - outer.top};
}

HFONT CreateMessageFont(int dpi) {
  static const auto parametersForDpi =
      UserFunction<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
  // Built for XP, NONCLIENTMETRICSW stops before Vista's iPaddedBorderWidth: XP takes only that
  // size, and the call for a scale, which came with Windows 10, only the full one.
  struct {
    NONCLIENTMETRICSW metrics;
    int paddedBorderWidth;
  } full{};
  full.metrics.cbSize = sizeof full;
  if (parametersForDpi &&
      parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof full, &full, 0, static_cast<UINT>(dpi))) {
    return CreateFontIndirectW(&full.metrics.lfMessageFont);
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace kinloom
