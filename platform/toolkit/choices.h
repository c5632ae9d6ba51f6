// What assistive technology reads of a window whose choices are windowless pictures.
#pragma once

#include "platform/toolkit/geometry.h"

namespace kinloom {

// The choices of one window, numbered 0 to ChoiceCount() - 1 in reading order.
class ChoiceList {
 public:
  virtual int ChoiceCount() const = 0;
  // The words the choice's picture shows.
  virtual const char* ChoiceName(int index) const = 0;
  virtual Rect ChoiceBounds(int index) const = 0;  // client coordinates
  // The highlighted choice (the one keys act on), or -1.
  virtual int HighlightedChoice() const = 0;
  // Runs what a click on the choice runs, showing its pressed frame meanwhile.
  virtual void ClickChoice(int index) = 0;

 protected:
  ~ChoiceList() = default;
};

}  // namespace kinloom
