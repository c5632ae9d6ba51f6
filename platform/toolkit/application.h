// The application object: its title, its forms and main window, modal runs, boxes, error report.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/toolkit/backend.h"
#include "platform/toolkit/double_click.h"
#include "platform/toolkit/window.h"

namespace kinloom {

// The default error report's text: the error's text, plus a full stop when its last character
// sorts after '.'.
std::string ErrorReportText(const std::string& text);

class Application : public MessageBoxPort {
 public:
  explicit Application(Backend& backend);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::string title;

  // Constructs a form into `ref`, runs its FormCreate and creates its hidden native window.
  // The first form created becomes the main window. The application owns the forms.
  template <class T>
  void CreateForm(T*& ref) {
    auto form = std::make_unique<T>();
    ref = form.get();
    Adopt(std::move(form));
  }
  Window* MainWindow() const { return main_; }

  // Shows the main window and dispatches events until it has closed.
  void Run();
  // Shows `window` modally; returns its modal result (kModalCloseResult for its close box).
  int ShowModal(Window& window);
  int ShowMessageBox(const MessageBoxModel& box) override;

  // The backend reports every left press here before delivering it. Whether the press being
  // delivered is the second of a double click is decided once, here, for every window: the
  // first click may have opened or closed the window that the second press lands on.
  bool NoteLeftPress(std::uint32_t timeMs, Point screen);
  bool PressIsSecondOfDoubleClick() const { return secondPress_; }

  // A close request to the main window while a modal window runs (a dialog, a box, a
  // sub-screen) waits until every modal run has ended, so that the user's answer is in place;
  // it then comes again as a posted request. True when the request is held.
  bool HoldCloseWhileModal();
  Bitmap LoadArt(const std::string& name, int scale = 1) { return backend_.LoadArt(name, scale); }
  // The art of a picture drawn for `placed` (96-DPI client coordinates) in `frames` stacked
  // frames, for a window at `dpi`: the 1x art at 96 DPI and the 2x art at 192, each as it is,
  // and the 2x art reduced (ReduceArt) at any other scale. Throws kinloom::Error when it is
  // missing, malformed or not the size of its place.
  Bitmap LoadArt(const std::string& name, const Rect& placed, int frames, int dpi);

  // The exception barrier every handler and backend callback goes through: an escaping error
  // is shown by the default error report, and the program carries on.
  template <class F>
  void Guard(F&& fn) {
    try {
      fn();
    } catch (const std::exception& error) {
      ReportError(error.what());
    } catch (...) {
      ReportError(kUnknownErrorText);
    }
  }
  // The default error report: caption = title, ErrorReportText(text), stop icon, OK.
  void ReportError(const std::string& text);

  static const char* const kUnknownErrorText;

 private:
  void Adopt(std::unique_ptr<Window> form);
  template <class F>
  auto InModalRun(F&& run);

  Backend& backend_;
  PressHistory presses_;
  bool secondPress_ = false;
  int modalRuns_ = 0;
  bool closeHeld_ = false;
  std::vector<std::unique_ptr<Window>> forms_;
  Window* main_ = nullptr;
};

}  // namespace kinloom
