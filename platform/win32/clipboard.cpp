// Putting text on the clipboard.
#include "platform/win32/clipboard.h"

#include <cstring>

#include "platform/win32/wide_text.h"

namespace kinloom {

// As Unicode: the system derives the other clipboard formats from it in the user's own code page.
bool CopyTextToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = ToUtf16(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
  }
  if (!OpenClipboard(owner)) {
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
