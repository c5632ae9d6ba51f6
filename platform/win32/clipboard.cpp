// Putting text on the clipboard.
#include "platform/win32/clipboard.h"

#include <cstring>

namespace kinloom {

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  if (void* bytes = GlobalLock(memory)) {
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
  }
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // On success the clipboard owns the memory.
  const bool copied = SetClipboardData(CF_TEXT, memory) != nullptr;
  if (!copied) GlobalFree(memory);
  CloseClipboard();
  return copied;
}

}  // namespace kinloom
