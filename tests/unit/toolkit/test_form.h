// A small form for the toolkit tests: a background and pictures whose events are logged.
#pragma once

#include <string>
#include <vector>

#include "platform/toolkit/window.h"

namespace kinloom::toolkit_test {

// Client 200 x 100. Stacking from the bottom: background (whole client), a at (10, 10) 30 x 20,
// b at (50, 10) 30 x 20, hidden at (10, 10) 30 x 20 (invisible, over a), top at (60, 20) 30 x 20
// (partly over b).
class TestForm : public Window {
 public:
  TestForm();
  void FormCreate() override { ++formCreates; }

  // Logs every pointer event as "down a L", "move b", "up a R", "click a".
  void LogEvents(std::vector<std::string>& log);

  Picture background, a, b, hidden, top;
  int formCreates = 0;
};

}  // namespace kinloom::toolkit_test
