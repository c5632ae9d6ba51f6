// HeadlessBackend: the toolkit's backend for native tests: scripted input, read-back, recordings.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/toolkit/backend.h"
#include "platform/toolkit/window.h"
#include "tests/support/scripted_message_boxes.h"

namespace kinloom {

class HeadlessBackend;

// A window on the 1024 x 768 headless screen (at 96 DPI). Outer and client corner coincide (no
// frame).
class HeadlessWindow : public NativeWindow {
 public:
  HeadlessWindow(HeadlessBackend& backend, Window& window) : backend_(backend), window_(window) {}
  ~HeadlessWindow() override;

  int PlaceForShow() override;
  void Show() override;
  void Hide() override;
  Point Position() const override { return position_; }
  void MoveTo(Point p) override { position_ = p; }
  void Invalidate(const Rect& clientArea) override;
  void ControlChanged(Control& control) override;
  void CapturePointer() override;
  void ReleasePointer() override;
  void ChoiceHighlighted(int index) override { lastHighlighted_ = index; }
  void PostClose() override;

  Window& Model() const { return window_; }
  // The choice assistive technology was last told is highlighted, or -1.
  int LastHighlightedChoice() const { return lastHighlighted_; }
  bool IsShown() const { return shown_; }
  bool IsEnabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  int ShowCount() const { return showCount_; }

  // Invalidations since the last reset: how many, and the rectangle that covers them all.
  // Counted rather than listed, so that recording them never allocates.
  int InvalidationCount() const { return invalidations_; }
  Rect InvalidatedArea() const { return invalidatedArea_; }
  void ResetInvalidations();
  int ControlChangeCount() const { return controlChanges_; }

 private:
  HeadlessBackend& backend_;
  Window& window_;
  Point position_;
  bool shown_ = false;
  bool enabled_ = true;
  int showCount_ = 0;
  int invalidations_ = 0;
  Rect invalidatedArea_;
  int controlChanges_ = 0;
  int lastHighlighted_ = -1;
};

struct ErrorReport {
  std::string caption;
  std::string text;
};

// Loops (the main loop and every modal run) take their events from one queue of scripted steps,
// each run "while the loop waits". A loop that needs a step when none is left fails the test and
// ends, so a test never hangs. At destruction, steps never run, unanswered message boxes and error
// reports nobody took fail the test too.
class HeadlessBackend : public Backend {
 public:
  static constexpr Size kScreenSize{1024, 768};

  HeadlessBackend();
  ~HeadlessBackend() override;

  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override;
  void RunMessageLoop(Window& main) override;
  int RunModal(Window& window) override;
  int ShowMessageBox(const MessageBoxModel& box) override;
  void ShowErrorReport(const std::string& caption, const std::string& text) override;
  Bitmap LoadArt(const std::string& name, int scale) override;
  // Fixed, as on a system with the default settings.
  DoubleClickLimits SystemDoubleClickLimits() const override { return {}; }
  void ReportPressesTo(PressObserver observer) override { pressObserver_ = std::move(observer); }

  // Script.
  void Then(std::function<void()> step);
  // Runs pending activations and close requests, as a real loop would between events.
  void RunPosted();
  ScriptedMessageBoxes& Boxes() { return boxes_; }
  std::vector<ErrorReport> TakeErrorReports();
  // The display scale of the headless screen, at which windows are shown from now on.
  void SetDpi(int dpi) { dpi_ = dpi; }
  // Art served instead of the picture the program file would hold.
  void SetArt(const std::string& name, Bitmap art, int scale = 1);
  // Every picture asked for so far, with its scale, in order.
  const std::vector<std::pair<std::string, int>>& ArtLoads() const { return artLoads_; }

  // Screen state.
  static HeadlessWindow& NativeOf(const Window& window);
  Window* ActiveWindow() const;
  Window* TopWindow() const;  // the topmost shown window
  Bitmap ClientPixels(const Window& window) const;
  bool PointerCaptured(const Window& window) const;
  // How often hiding the active window left the program without an active window, so that
  // activation would pass to another program.
  int ActivationLosses() const { return activationLosses_; }

  // Pointer input in client coordinates. Input to a hidden or disabled window that does not
  // hold the pointer fails the test and is dropped, as no user could give it. Presses come a
  // second apart, far beyond the double-click time, except PressAgain, which comes at once.
  void MovePointer(Window& window, Point p);
  void Press(Window& window, Point p, MouseButton button = MouseButton::kLeft);
  void PressAgain(Window& window, Point p);  // left, as the second press of a double click
  void Release(Window& window, Point p, MouseButton button = MouseButton::kLeft);
  void Click(Window& window, Point p);  // move there, left press, left release
  void DoubleClick(Window& window, Point p);
  // A left press on a button of a box or dialog at this screen point: only the application
  // hears of it, as the native button takes the rest.
  void PressNativeButton(Point screen) { ReportPress(screen, kPressPauseMs); }
  // Keyboard and standard controls.
  // Enter or Escape in a dialog: the button the window names for it, as the dialog manager asks.
  void PressKey(Window& window, Key key);
  void PressButton(Window& window, int id) { window.ButtonCommand(id); }
  void ToggleCheckBox(Window& window, int id);
  void CloseBox(Window& window) { window.Close(); }

 private:
  friend class HeadlessWindow;
  void Shown(HeadlessWindow& native);
  void Hidden(HeadlessWindow& native);
  void Forget(HeadlessWindow& native);
  bool Accepts(Window& window, const char* what);
  bool NextStep(const char* loop);
  void ReportPress(Point screen, std::uint32_t afterMs);
  void Press(Window& window, Point p, MouseButton button, std::uint32_t afterMs);

  static constexpr std::uint32_t kPressPauseMs = 1000;
  static constexpr std::uint32_t kDoubleClickGapMs = 100;

  std::vector<HeadlessWindow*> zOrder_;  // shown windows, bottom to top
  HeadlessWindow* active_ = nullptr;
  HeadlessWindow* capture_ = nullptr;
  std::vector<HeadlessWindow*> pendingActivations_;
  HeadlessWindow* pendingClose_ = nullptr;  // only the main window's close is ever posted
  int activationLosses_ = 0;
  PressObserver pressObserver_;
  std::uint32_t clockMs_ = 0;
  int dpi_ = kBaseDpi;
  std::deque<std::function<void()>> steps_;
  bool outOfSteps_ = false;
  ScriptedMessageBoxes boxes_;
  std::vector<ErrorReport> errorReports_;
  std::map<std::pair<std::string, int>, Bitmap> art_;
  std::vector<std::pair<std::string, int>> artLoads_;
};

}  // namespace kinloom
