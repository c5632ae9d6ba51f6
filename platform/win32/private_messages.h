// The program's own window messages, in one reserved range above WM_APP so that none collides
// with another or with the system's.
#pragma once

#include "platform/win32/win_api.h"

namespace kinloom {

constexpr UINT kFirstPrivateMessage = WM_APP;
constexpr UINT kLastPrivateMessage = WM_APP + 0x3F;

// Each is posted so that what it starts runs outside the message that caused it: a modal window
// may not run inside WM_ACTIVATE, an accessible action returns to its caller first, and a modal
// loop waiting in GetMessage wakes only for a posted message.
constexpr UINT kActivatedMessage = kFirstPrivateMessage + 1;       // to a toolkit window
constexpr UINT kPassActivationMessage = kFirstPrivateMessage + 2;  // to a blocked window
constexpr UINT kRunChoiceMessage = kFirstPrivateMessage + 3;       // wParam: the choice's index
constexpr UINT kLookForDiskMessage = kFirstPrivateMessage + 4;     // to a disk prompt
static_assert(kLookForDiskMessage <= kLastPrivateMessage, "the private range is full");

}  // namespace kinloom
