// Putting text on the clipboard.
#include "platform/win32/clipboard.h"

#include <cstring>

#include "platform/win32/wide_text.h"

namespace kinloom {

namespace {

// Clipboard managers and remote sessions hold the clipboard for a few hundred milliseconds after
// each change; a copy waits that out, up to about a second.
constexpr DWORD kClipboardPatienceMs = 1000;
constexpr DWORD kClipboardRetryMs = 20;

bool OpenClipboardPatiently(HWND owner) {
  const DWORD start = GetTickCount();
  while (!OpenClipboard(owner)) {
    if (GetTickCount() - start >= kClipboardPatienceMs) return false;
    Sleep(kClipboardRetryMs);
  }
  return true;
}

}  // namespace

// As Unicode: the system derives the other clipboard formats from it in the user's own code page.
bool CopyTextToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = ToUtf16(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  void* target = GlobalLock(memory);
  if (target) {
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
  }
  // Memory that would not lock holds no text: nothing is better than garbage.
  if (!target || !OpenClipboardPatiently(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // On success the clipboard owns the memory.
  const bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!copied) GlobalFree(memory);
  CloseClipboard();
  return copied;
}

}  // namespace kinloom
