// A top-level window: its layout, its controls in stacking order, and the portable event rules.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/choices.h"
#include "platform/toolkit/controls.h"
#include "platform/toolkit/display_scale.h"
#include "platform/toolkit/geometry.h"

namespace kinloom {

class Application;
class NativeWindow;

enum class BorderStyle { kSingle, kDialog };  // both fixed size
enum class Key { kEnter, kEscape, kSpace, kTab, kUp, kDown, kLeft, kRight, kHome, kEnd };

// The result a modal window ends with when it is closed by its close box or the system menu.
constexpr int kModalCloseResult = 2;

// Forms derive from Window, add their controls in their constructor and set themselves up in
// FormCreate. The backend feeds pointer, key and window events to the entry points below in
// client coordinates; every handler runs behind the application's exception barrier.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Run once by Application::CreateForm, before the native window exists.
  virtual void FormCreate() {}
  // Run once, just before the window is first shown: a window decodes its art here, so art
  // of a window never shown costs nothing. A failure goes to the application's error report
  // and the window is shown all the same.
  virtual void FormFirstShow() {}
  // Run when a window shown before is to be drawn at another display scale: a window reloads its
  // art for the new scale here. A failure goes to the application's error report.
  virtual void FormScaleChanged() {}

  // Layout, set before the native window is created.
  std::string title;
  int clientWidth = 0;
  int clientHeight = 0;
  BorderStyle border = BorderStyle::kSingle;
  bool minimizeBox = false;
  bool centredOnFirstShow = false;
  std::string fontName = "MS Sans Serif";
  int fontPointSize = 8;
  std::uint32_t colour = 0xC0C0C0;  // where no picture lies

  std::function<void()> OnActivate;
  std::function<void()> OnClose;  // main window only
  std::function<void()> OnShow;   // as it is shown, before it is first painted

  // Keys for a window that handles them itself instead of through standard controls: a key
  // went down (repeat: held down, auto-repeated), came up, or the window lost the keyboard
  // while one may be held.
  std::function<void(Key key, bool shift, bool repeat)> OnKeyDown;
  std::function<void(Key key)> OnKeyUp;
  std::function<void()> OnKeyboardLost;

  // The window's windowless choices, for assistive technology; nullptr when it has none.
  ChoiceList* choices = nullptr;
  // Run once the window is shown, and just before it hides: a window that takes another's
  // place shows before the other hides, so activation never leaves the program in between.
  std::function<void()> OnShown;
  std::function<void()> OnHiding;

  // Adds a control on top of those added before.
  void Add(Control& control);
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* ControlById(int id) const;

  // The topmost visible picture under the point, or nullptr.
  Picture* HitTest(Point p) const;

  // Pointer entry points. A left press gives its control the pointer until the left release;
  // while a control holds the pointer every pointer event goes to it. A left press and left
  // release on the same control click it, before the release event runs. The second press of
  // a double click, as the application decides it, is a press that makes no click.
  void MouseDown(Point p, MouseButton button);
  // `moved` is false for the move a window gets when it appears under a pointer at rest.
  void MouseMove(Point p, bool moved = true);
  void MouseUp(Point p, MouseButton button);
  // The native capture was taken away (another window, a system dialog): forget the press.
  void CaptureLost();
  // Whether the pointer really moved for the move event being handled.
  bool PointerMoved() const { return pointerMoved_; }
  // Runs the picture's OnClick, if any, behind the application's barrier.
  void Click(Picture& picture);

  // A push button was pressed (by pointer, Enter or Escape): runs the OnClick of the push button
  // with this id; ids of no push button do nothing.
  void ButtonCommand(int id);
  // The push buttons that Enter and Escape press (isDefault, isCancel) by id; 0 for none.
  int DefaultButtonId() const;
  int CancelButtonId() const;
  // Key entry points for windows with OnKeyDown; each runs its handler behind the barrier.
  void KeyDown(Key key, bool shift, bool repeat);
  void KeyUp(Key key);
  void KeyboardLost();
  // Assistive technology asked to run a choice; the backend calls this outside its request.
  void RunChoice(int index);
  // The highlight moved onto this choice: tells assistive technology.
  void ChoiceHighlighted(int index);
  // The native check box with this id was toggled by the user.
  void CheckBoxChanged(int id, bool checked);

  // Close box, system menu Close, or a handler closing the window. A modal window ends with
  // kModalCloseResult and runs no handler; the main window runs OnClose and closes for good,
  // even when OnClose fails, once no modal window runs (Application::HoldCloseWhileModal); any
  // other window hides.
  void Close();
  // The system ends the session: the main window runs OnClose and closes at once, modal windows
  // or not, and a failure is not reported: nobody is left to answer a box.
  void EndSession();
  // The window became the active window. Backends call this outside the activation message
  // itself, so a handler may show a modal window from here.
  void Activated();

  // The display scale of the monitor the window is drawn on, kBaseDpi until the backend says
  // otherwise. The layout, the pointer entry points and picture copies keep 96-DPI numbers;
  // pictures hold their images at this scale, and Compose paints at it.
  int Dpi() const { return dpi_; }
  // The backend: the window is drawn at `dpi` from now on. A window shown before runs
  // FormScaleChanged; one not yet shown loads its art at this scale when it is first shown.
  void SetDpi(int dpi);
  Size ClientSizeAtDpi() const;
  // Art by asset name for a picture at `placed` (96-DPI client coordinates) in `frames` stacked
  // frames, at this window's scale (Application::LoadArt).
  Bitmap LoadArt(const std::string& name, const Rect& placed, int frames = 1) const;

  // Paints the visible pictures that meet `area` into `target`, both in the window's pixels at
  // its scale, in stacking order over the window colour. Pixels of `target` outside `area` are
  // untouched.
  void Compose(const Rect& area, Bitmap& target) const;

  void Invalidate(const Control& control);
  void Invalidate(const Rect& area);
  // Pushes a model change of a native control (a check box state, a caption) to the screen.
  void ControlChanged(Control& control);

  // Showing and placing; forwarded to the native window when there is one.
  void Show();
  void Hide();
  bool IsVisible() const { return visible_; }
  Point Position() const;  // outer top-left, screen coordinates
  void MoveTo(Point p);

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool IsModal() const { return modal_; }
  bool IsMainWindow() const { return main_; }
  bool IsClosed() const { return closed_; }

  Application* App() const { return application_; }
  NativeWindow* Native() const { return native_.get(); }

 private:
  friend class Application;
  template <class F>
  void RunHandler(F&& handler);
  Picture* EventTarget(Point p) const;
  int FirstButtonId(bool PushButton::*flag) const;

  std::vector<Control*> controls_;
  Picture* holder_ = nullptr;          // holds the pointer after a left press
  Picture* clickCandidate_ = nullptr;  // pressed by a single left press
  bool pointerMoved_ = true;
  int modalResult_ = 0;
  bool modal_ = false;
  bool main_ = false;
  bool closed_ = false;
  bool visible_ = false;
  bool shownBefore_ = false;
  int dpi_ = kBaseDpi;
  Point position_;  // used while there is no native window
  Application* application_ = nullptr;
  std::unique_ptr<NativeWindow> native_;
};

}  // namespace kinloom
