// Points, sizes and rectangles in pixels; rectangles exclude their right and bottom edges.
#pragma once

#include <algorithm>

namespace kinloom {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(Point a, Point b) { return !(a == b); }
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
  friend bool operator!=(Size a, Size b) { return !(a == b); }
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect FromSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Size GetSize() const { return {Width(), Height()}; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // The common part; empty (all zero) when they do not meet.
  Rect Intersect(const Rect& other) const {
    Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
           std::min(bottom, other.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

}  // namespace kinloom
