// What Windows tells the program around a disk swap: the AutoPlay question and a disk's arrival.
#include "platform/win32/disk_swap.h"

#include <dbt.h>

namespace kinloom {

namespace {

// Every window lives on the one user-interface thread.
int heldOff = 0;

}  // namespace

UINT QueryCancelAutoPlayMessage() {
  static const UINT message = RegisterWindowMessageW(L"QueryCancelAutoPlay");
  return message;
}

bool IsMediaArrival(WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  if (wParam != DBT_DEVICEARRIVAL || !header) return false;
  // Any program may send this: a record too short for a volume is not read past its end.
  if (header->dbch_size < sizeof(DEV_BROADCAST_VOLUME)) return false;
  const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header);
  return volume->dbcv_devicetype == DBT_DEVTYP_VOLUME && (volume->dbcv_flags & DBTF_MEDIA) != 0;
}

AutoPlayHeldOff::AutoPlayHeldOff() {
  ++heldOff;
}

AutoPlayHeldOff::~AutoPlayHeldOff() {
  --heldOff;
}

bool AutoPlayHeldOff::Active() {
  return heldOff > 0;
}

}  // namespace kinloom
