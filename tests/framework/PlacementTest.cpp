// Where a window opens: the placement inside the screen's available area,
// each expectation worked out by hand.
#include <gtest/gtest.h>

#include "framework/Placement.h"

namespace {

using fw::WindowPlace;

// An 800 x 600 area (1600 x 1200 at a scale of two) and a frame with a
// 24-pixel title bar and 1-pixel borders: 2 wider and 25 taller outside.
const QRect kSmall(0, 0, 800, 600);
const QMargins kFrame(1, 24, 1, 1);

struct Row {
  const char* name;
  QRect area;
  QMargins frame;
  WindowPlace wanted;
  int minHeight;
  WindowPlace placed;
};

const Row kRows[] = {
    {"a window that fits stays where it is wanted", kSmall, kFrame, {{100, 50}, {635, 400}}, 400,
     {{100, 50}, {635, 400}}},
    // 725 = 700 + a 25-pixel menu bar, centred at y = (600 - 750) / 2; the
    // room is 600 - 25 = 575.
    {"a scrolling window centred on a small screen fills its height", kSmall, kFrame, {{81, -75}, {635, 725}}, 425,
     {{81, 0}, {635, 575}}},
    {"a window that cannot shrink hangs from the top, title bar in reach", kSmall, kFrame, {{0, 0}, {540, 630}}, 630,
     {{0, 0}, {540, 630}}},
    {"a window shrinks no further than its minimum", kSmall, kFrame, {{81, -75}, {635, 725}}, 625,
     {{81, 0}, {635, 625}}},
    {"without a frame the window alone fills the height", kSmall, QMargins(), {{82, -62}, {635, 725}}, 425,
     {{82, 0}, {635, 600}}},
    // 600 - 225 = 375 and 800 - 302 = 498: as little as it takes.
    {"too far right and down: moved back just inside", kSmall, kFrame, {{700, 500}, {300, 200}}, 200,
     {{498, 375}, {300, 200}}},
    {"a panel along the top: below it", QRect(0, 30, 800, 570), kFrame, {{100, 0}, {300, 200}}, 200,
     {{100, 30}, {300, 200}}},
    {"wider than the area: its left edge at the area's", kSmall, kFrame, {{-50, 100}, {900, 200}}, 200,
     {{0, 100}, {900, 200}}},
    {"a screen left of the primary one", QRect(-1280, 0, 1280, 1024), kFrame, {{-1500, -20}, {400, 300}}, 300,
     {{-1280, 0}, {400, 300}}},
};

TEST(Placement, AWindowOpensInsideTheAvailableAreaWithItsTitleBarInReach) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const WindowPlace placed = fw::PlaceInside(row.area, row.frame, row.wanted, row.minHeight);
    EXPECT_EQ(placed.frameTopLeft, row.placed.frameTopLeft);
    EXPECT_EQ(placed.size, row.placed.size);
  }
}

TEST(Placement, CentringAndFittingCountTheFrame) {
  // (800 - 302) / 2 and (600 - 225) / 2, rounded down.
  EXPECT_EQ(fw::CentredIn(kSmall, kFrame, {300, 200}), QPoint(249, 187));
  EXPECT_EQ(fw::CentredIn(QRect(100, 30, 800, 570), kFrame, {300, 200}), QPoint(349, 202));
  EXPECT_TRUE(fw::FitsInside(kSmall, kFrame, {635, 575}));
  EXPECT_FALSE(fw::FitsInside(kSmall, kFrame, {635, 576})) << "one pixel too tall with its frame";
  EXPECT_FALSE(fw::FitsInside(kSmall, kFrame, {799, 100})) << "too wide with its borders";
}

// The size of a window whose content scrolls, in a room of 796 x 596 (an
// 800 x 600 area less a 2-pixel frame) with 15-pixel scroll bars.
struct ScrolledRow {
  const char* name;
  QSize content;
  int menuHeight;
  QSize size;
};

const ScrolledRow kScrolledRows[] = {
    // 605 + 21 = 626 is cut to 596, and 540 + 15 = 555 still fits.
    {"too tall: as tall as the room, a bar wider", {540, 605}, 21, {555, 596}},
    {"content that fits takes no bar", {300, 200}, 21, {300, 221}},
    {"exactly the room takes no bar", {796, 596}, 0, {796, 596}},
    {"too wide: as wide as the room, a bar taller", {900, 200}, 0, {796, 215}},
    // 790 + 15 = 805 is wider than 796.
    {"the bar along the height cuts the width", {790, 700}, 0, {796, 596}},
    // 590 + 15 = 605 is taller than 596.
    {"the bar along the width cuts the height", {900, 590}, 0, {796, 596}},
};

TEST(Placement, AScrollingWindowTakesWhatItsContentNeedsUpToTheRoom) {
  const QSize room = fw::RoomInside(kSmall, QMargins(2, 2, 2, 2));
  ASSERT_EQ(room, QSize(796, 596));
  EXPECT_EQ(fw::RoomInside(kSmall, kFrame), QSize(798, 575));
  for (const ScrolledRow& row : kScrolledRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fw::ScrolledSize(room, row.content, row.menuHeight, 15), row.size);
  }
}

}  // namespace
