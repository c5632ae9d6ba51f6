// The GDI holders under Wine: what they own is released on every way out of a scope.
#include "platform/win32/gdi_handles.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kinloom {
namespace {

TEST(GdiHandlesTest, AnErrorPartWayThroughReleasesEverythingTakenSoFar) {
  HFONT font = nullptr;
  HBRUSH brush = nullptr;
  HDC screen = GetDC(nullptr);
  HGDIOBJ fontBefore = GetCurrentObject(screen, OBJ_FONT);
  try {
    Font ownedFont(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, L"Tahoma"));
    Brush ownedBrush(CreateSolidBrush(RGB(1, 2, 3)));
    font = ownedFont.Get();
    brush = ownedBrush.Get();
    Selection selection(screen, font);
    EXPECT_EQ(GetCurrentObject(screen, OBJ_FONT), font);
    throw std::runtime_error("Cannot create the control btnOK");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(GetCurrentObject(screen, OBJ_FONT), fontBefore);  // deselected before deletion
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(GetObjectType(brush), 0u);
  ReleaseDC(nullptr, screen);
}

TEST(GdiHandlesTest, AMovedHolderOwnsItsObjectAloneAndAReplacedOneIsDeleted) {
  Brush first(CreateSolidBrush(RGB(1, 2, 3)));
  HBRUSH replaced = first.Get();
  HBRUSH kept = nullptr;
  {
    Brush second(CreateSolidBrush(RGB(4, 5, 6)));
    kept = second.Get();
    first = std::move(second);
  }
  EXPECT_EQ(GetObjectType(replaced), 0u);
  EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(first.Get(), kept);
}

}  // namespace
}  // namespace kinloom
