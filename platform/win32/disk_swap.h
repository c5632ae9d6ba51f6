// What Windows tells the program around a disk swap: the question it asks the foreground window
// before running a newly inserted disk's AutoPlay, and the arrival of a disk in a drive.
#pragma once

#include "platform/win32/win_api.h"

namespace kinloom {

// The registered message "QueryCancelAutoPlay": the foreground window's TRUE keeps Windows from
// running the inserted disk's AutoRun program or AutoPlay handler.
UINT QueryCancelAutoPlayMessage();

// True when WM_DEVICECHANGE's parameters report media put into a drive: the arrival of a volume
// flagged DBTF_MEDIA.
bool IsMediaArrival(WPARAM wParam, LPARAM lParam);

// While one exists, every window of ours answers QueryCancelAutoPlay with TRUE; at any other
// time it answers as the default procedure does, so the user's own AutoPlay choice stands.
class AutoPlayHeldOff {
 public:
  AutoPlayHeldOff();
  ~AutoPlayHeldOff();
  AutoPlayHeldOff(const AutoPlayHeldOff&) = delete;
  AutoPlayHeldOff& operator=(const AutoPlayHeldOff&) = delete;

  static bool Active();
};

}  // namespace kinloom
