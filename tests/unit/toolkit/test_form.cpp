// The logging test form.
#include "tests/unit/toolkit/test_form.h"

namespace kinloom::toolkit_test {
namespace {

const char* ButtonLetter(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft:
      return "L";
    case MouseButton::kRight:
      return "R";
    default:
      return "M";
  }
}

}  // namespace

TestForm::TestForm() {
  title = "Test form";
  clientWidth = 200;
  clientHeight = 100;
  const struct {
    Picture& picture;
    const char* name;
    Rect bounds;
  } layout[] = {
      {background, "background", {0, 0, 200, 100}},
      {a, "a", {10, 10, 40, 30}},
      {b, "b", {50, 10, 80, 30}},
      {hidden, "hidden", {10, 10, 40, 30}},
      {top, "top", {60, 20, 90, 40}},
  };
  for (const auto& item : layout) {
    item.picture.name = item.name;
    item.picture.SetBounds(item.bounds.left, item.bounds.top, item.bounds.Width(),
                           item.bounds.Height());
    Add(item.picture);
  }
  hidden.visible = false;
}

void TestForm::LogEvents(std::vector<std::string>& log) {
  for (Picture* picture : {&background, &a, &b, &hidden, &top}) {
    picture->OnMouseDown = [&log](Picture& sender, MouseButton button) {
      log.push_back("down " + sender.name + " " + ButtonLetter(button));
    };
    picture->OnMouseMove = [&log](Picture& sender) { log.push_back("move " + sender.name); };
    picture->OnMouseUp = [&log](Picture& sender, MouseButton button) {
      log.push_back("up " + sender.name + " " + ButtonLetter(button));
    };
    picture->OnClick = [&log](Picture& sender) { log.push_back("click " + sender.name); };
  }
}

}  // namespace kinloom::toolkit_test
