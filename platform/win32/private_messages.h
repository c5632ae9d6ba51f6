// The program's own window messages, all in one reserved range above WM_APP so that no two
// collide and none meets a message of the system's.
#pragma once

#include "platform/win32/win_api.h"

namespace kinloom {

constexpr UINT kFirstPrivateMessage = WM_APP;
constexpr UINT kLastPrivateMessage = WM_APP + 0x3F;

// A toolkit window was activated; posted to itself, as the handler may show a modal window,
// which must not run inside WM_ACTIVATE, and the window is visible and active by the time it
// arrives.
constexpr UINT kActivatedMessage = kFirstPrivateMessage + 1;
// A window was activated while a modal window blocks it; posted to hand the activation on
// outside WM_ACTIVATE.
constexpr UINT kPassActivationMessage = kFirstPrivateMessage + 2;
// The default action of an accessible choice, posted so that the caller's request returns
// before the choice runs; wParam is the choice's index.
constexpr UINT kRunChoiceMessage = kFirstPrivateMessage + 3;

static_assert(kRunChoiceMessage <= kLastPrivateMessage, "the private range is full");

}  // namespace kinloom
