// What a platform provides to the toolkit: native windows, message loops, boxes and art.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/message_box.h"
#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/controls.h"
#include "platform/toolkit/double_click.h"
#include "platform/toolkit/geometry.h"

namespace kinloom {

class Window;

// The platform's side of one top-level window. The portable Window owns it and calls it; the
// backend calls the Window's entry points back.
class NativeWindow {
 public:
  virtual ~NativeWindow() = default;
  // Puts the window where it is about to be shown (on the first show of a window that asks for
  // it, centred on the screen), fits it to the display scale of the monitor there and returns
  // that scale. Show follows.
  virtual int PlaceForShow() = 0;
  // Shows and activates.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Outer top-left corner in screen coordinates.
  virtual Point Position() const = 0;
  virtual void MoveTo(Point p) = 0;
  // Schedules a repaint of part of the client area (96-DPI numbers, as every rectangle the
  // Window passes); painting calls Window::Compose.
  virtual void Invalidate(const Rect& clientArea) = 0;
  // Pushes a model change of a native control (check box state, caption, text) to it.
  virtual void ControlChanged(Control& control) = 0;
  // Routes every pointer event to this window until released (after a left press).
  virtual void CapturePointer() = 0;
  virtual void ReleasePointer() = 0;
  // The window's highlight moved onto this choice (Window::choices); assistive technology
  // follows it.
  virtual void ChoiceHighlighted(int index) = 0;
  // Queues a close request (as the close box gives) that arrives once the running handler has
  // returned, like any other event.
  virtual void PostClose() = 0;
};

// Told of every left press of the program: its time (a wrapping millisecond clock) and screen
// position; answers whether it is the second press of a double click.
using PressObserver = std::function<bool(std::uint32_t timeMs, Point screen)>;

class Backend {
 public:
  virtual ~Backend() = default;
  // A hidden native window for `window`, sized to its client area, with native children for its
  // push buttons, check boxes and labels (control id = Control::id); pictures (through
  // Window::Compose) and bevels are painted by the window itself.
  virtual std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) = 0;
  // Shows `main` and dispatches events until main.IsClosed() (checked after each event).
  virtual void RunMessageLoop(Window& main) = 0;
  // Disables the other windows, shows `window`, dispatches events until its ModalResult() is
  // not 0, re-enables the others, hides it (in that order, so activation returns to the window
  // beneath) and returns that result.
  virtual int RunModal(Window& window) = 0;
  // Shows the box modally over the whole application; returns the pressed button's result,
  // kCloseBoxResult for the close box.
  virtual int ShowMessageBox(const MessageBoxModel& box) = 0;
  // The plain system box of the default error report: stop icon, one OK button.
  virtual void ShowErrorReport(const std::string& caption, const std::string& text) = 0;
  // Art by asset stem at `scale` (1 or 2), decoded: "main-artArbora" at 1 is the file
  // assets/art/main-artArbora.bmp, at 2 assets/art-2x/main-artArbora.bmp, each kept compressed
  // (packed_art.h) as the resource ArtResourceName(name) of type ArtResourceType(scale). Throws
  // kinloom::Error when it is missing or malformed.
  virtual Bitmap LoadArt(const std::string& name, int scale) = 0;
  virtual DoubleClickLimits SystemDoubleClickLimits() const = 0;
  // Every left press, on any window (its frame too), box or button of the program, goes to
  // `observer` before the window or control under it gets it. An empty observer ends this.
  virtual void ReportPressesTo(PressObserver observer) = 0;
};

// The resource name under which the Windows build embeds an art asset: upper case, '-' as '_'.
std::string ArtResourceName(const std::string& name);
// The resource type of the art at `scale`: "ART1X", "ART2X". A type per scale keeps each scale's
// pictures together in the program file, so reading the 1x art never pages in the 2x art.
std::string ArtResourceType(int scale);

}  // namespace kinloom
