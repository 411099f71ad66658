// Number texts too wide for their label or list cell: shortened in the
// middle of their digits, never at their end, with the full text kept.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <string>

#include "framework/TestSupport.h"

namespace {

namespace ui = fw::test;

const std::string kEllipsis = "\u2026";
const std::string kSmall = "-1.23456789012345e-05";
const std::string kComplex = "-1.23456789012345e-05 and 123.456789012345\u00B7i";

const fw::ControlSpec kLayout[] = {
    {fw::Kind::StaticText, "Result", "", 20, 20, 120, 25, 16},
    {fw::Kind::StaticText, "TextChoice0", "", 20, 60, 200, 20, 14, fw::Italic},
    {fw::Kind::StaticText, "Tiny", "", 20, 90, 8, 20, 14},
    {.kind = fw::Kind::ListBox, .name = "ListBox1", .left = 20, .top = 120, .width = 240,
     .height = 100, .textSize = 14, .flags = fw::Heading | fw::GridVertical, .columns = 3,
     .columnWidths = "20%, 40%, 40%"},
};

class NumberTexts : public ::testing::Test {
 protected:
  void SetUp() override { ui::Activate(window); }
  fw::Window window{{.title = "Numbers", .width = 300, .height = 240}, kLayout};
};

// The shown text is the full text with one stretch of digits in the middle
// of the number replaced by "…".
void ExpectShortenedInTheMiddle(const std::string& shown, const std::string& full) {
  const auto cut = shown.find(kEllipsis);
  ASSERT_NE(cut, std::string::npos) << shown;
  const std::string head = shown.substr(0, cut), tail = shown.substr(cut + kEllipsis.size());
  EXPECT_EQ(full.substr(0, head.size()), head) << shown;
  EXPECT_EQ(full.substr(full.size() - tail.size()), tail) << shown;
  EXPECT_LT(head.size() + tail.size(), full.size());
}

TEST_F(NumberTexts, ALabelKeepsSignAndExponentAndItsOwnTextWhole) {
  fw::StaticText& result = window.staticText("Result");
  result.SetText(kSmall);
  const std::string shown = result.text().toStdString();
  ExpectShortenedInTheMiddle(shown, kSmall);
  EXPECT_EQ(shown.substr(0, 4), "-1.2");
  EXPECT_EQ(shown.substr(shown.size() - 4), "e-05");
  EXPECT_LE(result.fontMetrics().horizontalAdvance(result.text()), result.width());
  EXPECT_EQ(result.Text(), kSmall) << "the program reads the full text back";
  EXPECT_EQ(result.toolTip().toStdString(), kSmall);

  result.SetWidth(400);  // room enough: the whole number again, no tooltip
  EXPECT_EQ(result.text().toStdString(), kSmall);
  EXPECT_TRUE(result.toolTip().isEmpty());

  result.SetText("300");
  EXPECT_EQ(result.text().toStdString(), "300");
  EXPECT_TRUE(result.toolTip().isEmpty());
}

TEST_F(NumberTexts, AComplexRootKeepsBothPartsTheirExponentAndTheImaginaryUnit) {
  fw::StaticText& root = window.staticText("TextChoice0");
  root.SetText(kComplex);
  const std::string shown = root.text().toStdString();
  EXPECT_EQ(shown.substr(0, 4), "-1.2");
  EXPECT_NE(shown.find("e-05 and 123."), std::string::npos) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 3), "\u00B7i") << shown;
  EXPECT_LE(root.fontMetrics().horizontalAdvance(root.text()), root.width());
  EXPECT_EQ(root.Text(), kComplex);
}

TEST_F(NumberTexts, WithNoRoomAtAllOneDigitStaysOnEachSide) {
  fw::StaticText& tiny = window.staticText("Tiny");
  tiny.SetText(kSmall);
  EXPECT_EQ(tiny.text().toStdString(), "-1.2" + kEllipsis + "5e-05");
  tiny.SetText("12345678901234.5");  // one digit after the point: the whole digits give way
  EXPECT_EQ(tiny.text().toStdString(), "1" + kEllipsis + "4.5");
  tiny.SetText("no solution");  // no number: nothing to shorten
  EXPECT_EQ(tiny.text().toStdString(), "no solution");
}

TEST_F(NumberTexts, AListCellIsShortenedOnScreenWithTheFullTextInItsTooltip) {
  fw::ListBox& list = window.listBox("ListBox1");
  list.AddRow(" ");
  list.SetCell(0, 0, "CO2");
  list.SetCell(0, 1, kSmall);
  list.SetCell(0, 2, "1");
  ui::ProcessEvents();
  EXPECT_EQ(list.Cell(0, 1), kSmall);
  const std::string shown = list.ShownCell(0, 1);
  ExpectShortenedInTheMiddle(shown, kSmall);
  EXPECT_EQ(shown.substr(shown.size() - 4), "e-05");
  EXPECT_EQ(list.ShownCell(0, 0), "CO2");
  EXPECT_EQ(list.ShownCell(0, 2), "1");

  const auto hover = [&](int column) {
    const QPoint at = list.visualRect(list.model()->index(0, column)).center();
    QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
  };
  EXPECT_EQ(hover(0), "") << "a cell that fits has no tooltip";
  EXPECT_EQ(hover(1), kSmall);
  QToolTip::hideText();
}

TEST_F(NumberTexts, TheColumnsShareTheViewAlsoBesideAScrollBar) {
  fw::ListBox& list = window.listBox("ListBox1");
  const auto total = [&] { return list.columnWidth(0) + list.columnWidth(1) + list.columnWidth(2); };
  EXPECT_EQ(total(), list.viewport()->width());
  const int wide = list.viewport()->width();
  for (int row = 0; row < 30; ++row) list.AddRow("CO2");  // far more than the list shows
  ui::ProcessEvents();
  ASSERT_LT(list.viewport()->width(), wide) << "a scroll bar takes its share";
  EXPECT_EQ(total(), list.viewport()->width()) << "no column runs under the scroll bar";
  EXPECT_NEAR(list.columnWidth(0), 0.2 * list.viewport()->width(), 1.0);
  list.DeleteAllRows();
  ui::ProcessEvents();
  EXPECT_EQ(total(), wide);
}

TEST_F(NumberTexts, AListWithAHeadingRowShowsEmptyHeadingsUntilTheyAreSet) {
  fw::ListBox& list = window.listBox("ListBox1");
  const auto shownHeading = [&](int column) {
    return list.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
  };
  for (int column = 0; column < 3; ++column) EXPECT_EQ(shownHeading(column), "") << column;
  list.SetHeading(1, "activity");
  EXPECT_EQ(shownHeading(1), "activity");
  list.SetColumnCount(4);
  EXPECT_EQ(shownHeading(3), "");
  EXPECT_EQ(shownHeading(1), "activity");
}

}  // namespace
