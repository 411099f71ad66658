// Number texts too wide for their label or list cell: rounded to as many
// significant digits as fit, never cut, with the full text kept for the
// program, the tooltip and the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QTest>
#include <QToolTip>
#include <string>

#include "framework/NumberText.h"
#include "framework/TestSupport.h"
#include "tests/ReadsAs.h"

namespace {

namespace ui = fw::test;
using testing_support::ReadsAs;

const std::string kSmall = "-1.23456789012345e-05";
const std::string kComplex = "-1.23456789012345e-05 and 123.456789012345\u00B7i";

// ------------------------------------------------------ the rounding rule

// Each expectation rounded by hand; the box holds `room` characters.
struct Rounding {
  const char* name;
  const char* full;
  int room;
  const char* shown;
};

const Rounding kRoundings[] = {
    {"fits whole", "0.5", 3, "0.5"},
    {"a molar volume", "175.86795970576905", 13, "175.867959706"},
    {"rounded up at the last digit kept", "251.072031159199", 12, "251.07203116"},
    {"a half goes away from zero", "0.125", 4, "0.13"},
    {"negative", "-243696.16915378", 10, "-243696.17"},
    {"exponent kept", "6.85374162954595e-05", 12, "6.853742e-05"},
    {"three-digit exponent", "1.23456789012345e-100", 10, "1.235e-100"},
    {"carry into the exponent", "9.99999999e-05", 8, "1.00e-04"},
    {"carry into a new whole digit", "99.96", 4, "100"},
    {"small in its own notation", "0.0001234567890123", 9, "0.0001235"},
    {"whole digits that do not fit take an exponent", "20204167068.8704", 9, "2.020e+10"},
    {"a long whole number", "36000000", 7, "3.6e+07"},
    {"both parts of a complex root", "64.1935063542591 and -45.2093104860666\u00B7i", 26,
     "64.193506 and -45.209310\u00B7i"},
    {"no room: the shortest rounding", "175.86795970576905", 1, "2e+02"},
    {"digits inside a word stay", "H2O", 1, "H2O"},
};

TEST(RoundingRule, ShowsTheMostSignificantDigitsThatFit) {
  for (const Rounding& row : kRoundings) {
    SCOPED_TRACE(row.name);
    const fw::NumberText text(QString::fromUtf8(row.full));
    const QString shown = text.Fitting([&](const QString& form) { return form.size() <= row.room; });
    EXPECT_EQ(shown.toStdString(), row.shown);
    EXPECT_TRUE(ReadsAs(shown.toStdString(), row.full));
    EXPECT_EQ(text.Full().toStdString(), row.full);
  }
}

TEST(RoundingRule, TheReadingCheckRefusesCutsAndWrongDigits) {
  EXPECT_FALSE(ReadsAs("175.867959705", "175.86795970576905")) << "cut, not rounded";
  EXPECT_FALSE(ReadsAs("175.86795\u20265769", "175.86795970576905")) << "an ellipsis";
  EXPECT_FALSE(ReadsAs("6.853742e-04", "6.85374162954595e-05")) << "a wrong exponent";
  EXPECT_FALSE(ReadsAs("6.853742", "6.85374162954595e-05")) << "a lost exponent";
  EXPECT_FALSE(ReadsAs("64.193506 and 45.209310\u00B7i", "64.1935063542591 and -45.2093104860666\u00B7i"));
}

TEST(RoundingRule, OnlyWholeNumbersAndComplexPairsAreNumbers) {
  const struct {
    const char* text;
    bool number;
  } rows[] = {{"-243696.169153", true},
              {"6.85374162954595e-05", true},
              {"0", true},
              {"64.19 and -45.2\u00B7i", true},
              {"no solution", false},
              {"put number", false},
              {"Solution after 12 iterations", false},
              {"12 and", false},
              {"", false}};
  for (const auto& row : rows) EXPECT_EQ(fw::NumberText(QString::fromUtf8(row.text)).IsNumber(), row.number) << row.text;
  EXPECT_EQ(fw::NumberText("no solution").Rounded(1), "no solution") << "nothing to round";
}

// ------------------------------------------------------- labels and lists

const fw::ControlSpec kLayout[] = {
    {fw::Kind::StaticText, "Result", "", 20, 20, 120, 25, 16},
    {fw::Kind::StaticText, "TextChoice0", "", 20, 60, 200, 20, 14, fw::Italic},
    {fw::Kind::StaticText, "Tiny", "", 20, 90, 8, 20, 14},
    {.kind = fw::Kind::ListBox, .name = "ListBox1", .left = 20, .top = 120, .width = 240,
     .height = 100, .textSize = 14, .flags = fw::Heading | fw::GridVertical, .columns = 3,
     .columnWidths = "20%, 40%, 40%"},
    {fw::Kind::PushButton, "Under", "under", 150, 20, 60, 25, 12},
    {fw::Kind::StaticText, "Caption", "over the button", 150, 20, 60, 25, 12},
};

class NumberTexts : public ::testing::Test {
 protected:
  void SetUp() override { ui::Activate(window); }
  void TearDown() override { QToolTip::hideText(); }
  fw::Window window{{.title = "Numbers", .width = 300, .height = 240}, kLayout};
};

double Width(const QWidget& widget, const QString& text) {
  return QFontMetricsF(widget.font()).horizontalAdvance(text);
}

TEST_F(NumberTexts, ALabelRoundsANumberInItsOwnFaceAndKeepsTheFullText) {
  fw::StaticText& result = window.staticText("Result");
  const std::string full = "175.86795970576905";
  result.SetText(full);
  const std::string shown = result.text().toStdString();
  EXPECT_TRUE(ReadsAs(shown, full));
  EXPECT_GE(shown.size(), 10u) << shown << ": a 120-pixel box holds more digits";
  EXPECT_LE(Width(result, result.text()), result.width());
  EXPECT_EQ(result.font().stretch(), 100) << "rounded, not condensed";
  EXPECT_EQ(result.Text(), full) << "the program reads the full text back";
  EXPECT_EQ(result.toolTip().toStdString(), full);

  result.SetWidth(400);  // room enough: the whole number again, no tooltip
  EXPECT_EQ(result.text().toStdString(), full);
  EXPECT_TRUE(result.toolTip().isEmpty());
}

TEST_F(NumberTexts, AComplexRootRoundsBothParts) {
  fw::StaticText& root = window.staticText("TextChoice0");
  root.SetText(kComplex);
  const std::string shown = root.text().toStdString();
  EXPECT_TRUE(ReadsAs(shown, kComplex));
  EXPECT_NE(shown, kComplex);
  EXPECT_NE(shown.find("e-05 and 123."), std::string::npos) << shown;
  EXPECT_LE(Width(root, root.text()), root.width());
  EXPECT_EQ(root.font().stretch(), 100);
  EXPECT_EQ(root.Text(), kComplex);
}

TEST_F(NumberTexts, WithNoRoomAtAllTheShortestRoundingIsCondensed) {
  fw::StaticText& tiny = window.staticText("Tiny");
  tiny.SetText(kSmall);
  EXPECT_EQ(tiny.text().toStdString(), "-1e-05");
  EXPECT_EQ(tiny.font().stretch(), 75);
  tiny.SetText("no solution");  // no number: condensed, whole
  EXPECT_EQ(tiny.text().toStdString(), "no solution");
  EXPECT_EQ(tiny.font().stretch(), 75);
}

TEST_F(NumberTexts, HoveringAShortenedNumberShowsItWholeAndCaptionsLetClicksThrough) {
  fw::StaticText& result = window.staticText("Result");
  result.SetText(kSmall);
  const QPoint centre(result.Left() + 10, result.Top() + result.Height() / 2);
  EXPECT_EQ(ui::HoverTooltip(window, centre), kSmall);

  int presses = 0;
  window.onAction("Under", [&] { ++presses; });
  fw::StaticText& caption = window.staticText("Caption");
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                    window.Client().mapTo(&window, QPoint(caption.Left() + 30, caption.Top() + 12)));
  EXPECT_EQ(presses, 1) << "the caption above the button takes no click";
}

TEST_F(NumberTexts, ASelectedNumberIsCopiedWholeWithControlC) {
  fw::StaticText& result = window.staticText("Result");
  result.SetText(kSmall);
  QApplication::clipboard()->clear();
  ui::DragAcross(result, QPoint(2, 10), QPoint(30, 10));  // a few of the digits shown
  EXPECT_EQ(QApplication::focusWidget(), &result);
  EXPECT_EQ(result.selectedText(), result.text()) << "a rounded number is selected whole";
  QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), kSmall);

  result.SetText("300.25");  // shown whole: the part selected is copied
  ui::DragAcross(result, QPoint(1, 10), QPoint(int(Width(result, "300")) + 1, 10));
  QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "300");
}

// The cell (row, column) as drawn: its text and how far into the cell it
// reaches.
std::pair<std::string, double> DrawnCell(fw::ListBox& list, int row, int column) {
  const QRect cell = list.visualRect(list.model()->index(row, column));
  const ui::DrawnText drawn = ui::DrawnIn(ui::TextsDrawn(*list.viewport()), cell);
  return {drawn.text.toStdString(), drawn.box.right() - cell.left()};
}

TEST_F(NumberTexts, AListCellDrawsTheRoundingThatFitsTheWidthReallyDrawn) {
  fw::ListBox& list = window.listBox("ListBox1");
  list.AddRow(" ");
  list.SetCell(0, 0, "CO2");
  list.SetCell(0, 1, "6.85374162954595e-05");
  list.SetCell(0, 2, "10.4078391938712");
  // Every width from a very narrow to a wide middle column, the last column
  // taking the rest: the style elides nothing, and draws what ShownCell says.
  for (int width = 40; width <= 170; ++width) {
    list.SetColumnWidths("30 " + std::to_string(width));
    for (int column = 1; column < 3; ++column) {
      SCOPED_TRACE("column " + std::to_string(column) + " at " + std::to_string(list.columnWidth(column)));
      const auto [drawn, right] = DrawnCell(list, 0, column);
      EXPECT_TRUE(ReadsAs(drawn, list.Cell(0, column)));
      EXPECT_EQ(drawn, list.ShownCell(0, column));
      EXPECT_LE(right, list.columnWidth(column));
    }
  }
  EXPECT_EQ(list.Cell(0, 1), "6.85374162954595e-05");
  EXPECT_EQ(list.ShownCell(0, 0), "CO2");

  list.SetColumnWidths("20%, 40%, 40%");
  const QPoint cell = list.visualRect(list.model()->index(0, 1)).center();
  const QPoint first = list.visualRect(list.model()->index(0, 0)).center();
  const auto inClient = [&](QPoint at) { return list.viewport()->mapTo(&window.Client(), at); };
  EXPECT_EQ(ui::HoverTooltip(window, inClient(first)), "") << "a cell shown whole has no tooltip";
  EXPECT_EQ(ui::HoverTooltip(window, inClient(cell)), "6.85374162954595e-05");
}

TEST_F(NumberTexts, CellsBesideTheScrollBarAreRoundedToTheNarrowerColumn) {
  fw::ListBox& list = window.listBox("ListBox1");
  for (int row = 0; row < 30; ++row) {  // far more than the list shows
    list.AddRow("CO2");
    list.SetCell(row, 2, "4.99999008732612e-05");
  }
  ui::ProcessEvents();
  ASSERT_TRUE(list.verticalScrollBar()->isVisible());
  const auto [drawn, right] = DrawnCell(list, 0, 2);
  EXPECT_TRUE(ReadsAs(drawn, "4.99999008732612e-05"));
  EXPECT_LE(right, list.columnWidth(2));
  EXPECT_LE(list.visualRect(list.model()->index(0, 2)).right(), list.viewport()->width());
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
