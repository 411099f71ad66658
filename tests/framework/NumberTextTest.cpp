// Number texts too wide for their label or list cell: rounded to as many
// significant digits as fit, never cut, with the full text kept for the
// program, the tooltip and the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>
#include <cfloat>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "framework/NumberText.h"
#include "framework/TestSupport.h"
#include "framework/TextFitter.h"
#include "tests/ReadsAs.h"

namespace {

namespace ui = fw::test;
using testing_support::ReadsAs;

const std::string kSmall = "-1.23456789012345e-05";
const std::string kComplex = "-1.23456789012345e-05 and 123.456789012345\u00B7i";

// ------------------------------------------------- what a text may show

// A number as written, counted exactly however long its exponent: its
// significant digits as written (trailing zeros too) and the power of ten of
// the first. None when the exponent is too long even for 128 bits.
struct Decimal {
  std::string digits;  // no leading zeros; empty for zero
  __int128 order = 0;
};

std::optional<Decimal> DecimalOf(const QRegularExpressionMatch& match) {
  const std::string whole = match.captured(1).toStdString();
  const std::string digits = whole + match.captured(2).toStdString();
  std::string exponent = match.captured(3).toStdString();
  const bool negative = !exponent.empty() && exponent[0] == '-';
  if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.erase(0, 1);
  exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size()));
  if (exponent.size() > 36) return std::nullopt;
  __int128 power = 0;
  for (const char digit : exponent) power = power * 10 + (digit - '0');
  const std::size_t lead = std::min(digits.find_first_not_of('0'), digits.size());
  return Decimal{digits.substr(lead), __int128(whole.size()) - __int128(lead) - 1 + (negative ? -power : power)};
}

// Whether `shown` lies within half a unit of its last digit of `full`.
::testing::AssertionResult Within(const Decimal& shown, const Decimal& full) {
  if (shown.digits.empty() || full.digits.empty()) {
    if (shown.digits.empty() == full.digits.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "zero for a number that is not, or the reverse";
  }
  const __int128 shift = shown.order - full.order;
  if (shift < -1 || shift > 1) return ::testing::AssertionFailure() << "another order of magnitude";
  // Both in units of 10^(full.order + 1), where the full number lies in [0.1, 1).
  const long double a = std::strtold(("0." + shown.digits).c_str(), nullptr) * std::pow(10.0L, int(shift));
  const long double b = std::strtold(("0." + full.digits).c_str(), nullptr);
  const long double unit = std::pow(10.0L, int(shift) - int(shown.digits.size()));
  if (std::fabs(a - b) <= 0.5L * unit + 8 * LDBL_EPSILON) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "more than half its last digit away";
}

// A drawn text shows the typed text's own value: the text itself, its start
// cut with an ellipsis, or the same words with each number either as written
// or within half a unit of the last digit shown, its exponent exact.
::testing::AssertionResult ShowsTheValueOf(const QString& drawn, const QString& typed) {
  const auto failure = [&] { return ::testing::AssertionFailure() << "\"" << drawn.toStdString() << "\" for \"" << typed.toStdString() << "\": "; };
  if (drawn == typed) return ::testing::AssertionSuccess();
  if (drawn.endsWith(QChar(0x2026))) {
    if (typed.startsWith(drawn.chopped(1))) return ::testing::AssertionSuccess();
    return failure() << "cut from another text";
  }
  static const QRegularExpression number(QStringLiteral("(\\d+)(?:\\.(\\d*))?(?:[eE]([-+]?\\d+))?"));
  std::vector<QRegularExpressionMatch> numbers[2];
  QString words[2];
  const QString* texts[2] = {&drawn, &typed};
  for (int i = 0; i < 2; ++i) {
    qsizetype from = 0;
    for (auto it = number.globalMatch(*texts[i]); it.hasNext();) {
      numbers[i].push_back(it.next());
      words[i] += texts[i]->mid(from, numbers[i].back().capturedStart(0) - from) + QChar('#');
      from = numbers[i].back().capturedEnd(0);
    }
    words[i] += texts[i]->mid(from);
  }
  if (words[0] != words[1] || numbers[0].size() != numbers[1].size()) return failure() << "other words";
  for (std::size_t n = 0; n < numbers[0].size(); ++n) {
    if (numbers[0][n].captured(0) == numbers[1][n].captured(0)) continue;
    const std::optional<Decimal> shown = DecimalOf(numbers[0][n]);
    const std::optional<Decimal> full = DecimalOf(numbers[1][n]);
    if (!shown || !full) return failure() << "a number too long to count is shown rounded";
    if (const auto near = Within(*shown, *full); !near) return failure() << near.message();
  }
  return ::testing::AssertionSuccess();
}

// The form a fitter shows in a box that holds `room` characters: the whole
// path a label or a cell takes, measured in characters instead of pixels.
QString ShownInRoom(const QString& typed, int room) {
  const fw::TextFits fits = [room](const QFont&, const QString& form) { return form.size() <= room; };
  const fw::NumberText text(typed);
  bool fitted = false;
  const QString form = fw::FormIn(text, QFont(), fits, fitted);
  return fw::FormShown(text, QFont(), fits, form, fitted);
}

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
    // Exponents beyond 32 bits and beyond four digits.
    {"an exponent beyond the int range", "-1582.6e21474836485", 18, "-1.58e+21474836488"},
    {"an exponent beyond 9999", "1.23456789e99999", 12, "1.235e+99999"},
    {"a carry into a huge exponent", "9.996e2147483647", 15, "1.0e+2147483648"},
    {"a huge negative exponent", "-2.5e-9999999999", 15, "-3e-9999999999"},
    {"an exponent written with many leading zeros", "4.5e00000000000000000000003", 6, "5e+03"},
    {"a complex pair with huge exponents", "1.5e99999 and -2.25e-2147483649\u00B7i", 29,
     "2e+99999 and -2e-2147483649\u00B7i"},
};

TEST(RoundingRule, ShowsTheMostSignificantDigitsThatFit) {
  for (const Rounding& row : kRoundings) {
    SCOPED_TRACE(row.name);
    const fw::NumberText text(QString::fromUtf8(row.full));
    const QString shown = text.Fitting([&](const QString& form) { return form.size() <= row.room; });
    EXPECT_EQ(shown.toStdString(), row.shown);
    EXPECT_TRUE(ShowsTheValueOf(shown, text.Full()));
    EXPECT_EQ(text.Full().toStdString(), row.full);
  }
}

TEST(RoundingRule, ANumberThatCannotBeRoundedToFitIsCutAsWritten) {
  EXPECT_EQ(ShownInRoom("1.5e1234567890123456789", 10).toStdString(), "1.5e12345\u2026")
      << "an exponent too long to count";
  EXPECT_EQ(ShownInRoom("-1.23456789012345e-05", 5).toStdString(), "-1.2\u2026") << "no room for one digit";
  EXPECT_EQ(ShownInRoom("-1.23456789012345e-05", 1).toStdString(), "\u2026");
  EXPECT_EQ(ShownInRoom("no solution", 5).toStdString(), "no solution") << "a caption is not cut";
}

TEST(RoundingRule, TheValueCheckRefusesWrongExponentsAndCuts) {
  EXPECT_FALSE(ShowsTheValueOf("-1.583e+03", "-1582.6e21474836485")) << "the exponent read as 0";
  EXPECT_FALSE(ShowsTheValueOf("1.2346e+9999", "1.23456789e99999")) << "the exponent clamped";
  EXPECT_FALSE(ShowsTheValueOf("1.2346e+99998", "1.23456789e99999"));
  EXPECT_FALSE(ShowsTheValueOf("1.2345e+99999", "1.23456789e99999")) << "cut, not rounded";
  EXPECT_FALSE(ShowsTheValueOf("1.5e1234\u2026", "1.6e1234567890123456789")) << "cut from another text";
}

// Typed numbers of every shape: signs, leading zeros, long digit runs, and
// exponents short, at the 32-bit and 64-bit edges, far beyond them, or
// padded with zeros.
class RandomNumbers {
 public:
  explicit RandomNumbers(unsigned seed) : rng_(seed) {}

  QString Text() { return Pick(4) == 0 ? Number() + " and " + Number() + QChar(0x00B7) + "i" : Number(); }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
  std::string Digits(int count, bool leadingZero) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += char('0' + (i == 0 && !leadingZero ? 1 + Pick(9) : Pick(10)));
    return digits;
  }
  std::string Exponent() {
    static const char* const kEdges[] = {"9999", "10000", "99999", "2147483647", "2147483648", "21474836485",
                                         "999999999999999999", "1000000000000000000", "9223372036854775807"};
    switch (Pick(4)) {
      case 0: return Digits(1 + Pick(3), true);
      case 1: return kEdges[Pick(9)];
      case 2: return Digits(19 + Pick(22), false);
      default: return std::string(1 + Pick(25), '0') + Digits(1 + Pick(2), false);
    }
  }
  QString Number() {
    static const char* const kSigns[] = {"", "-", "+"};
    std::string text = std::string(kSigns[Pick(3)]) + Digits(1 + Pick(22), Pick(3) == 0);
    if (Pick(2)) text += "." + Digits(Pick(23), true);
    if (Pick(5) < 3) text += std::string(Pick(2) ? "e" : "E") + kSigns[Pick(3)] + Exponent();
    return QString::fromStdString(text);
  }
  std::mt19937 rng_;
};

TEST(RoundingRule, WhateverTheNumberAndTheRoomTheShownTextFitsAndShowsItsValue) {
  RandomNumbers numbers(20240611);
  for (int i = 0; i < 4000; ++i) {
    const QString typed = numbers.Text();
    const int room = 1 + i % 30;
    const QString shown = ShownInRoom(typed, room);
    ASSERT_LE(shown.size(), room) << typed.toStdString() << " shown " << shown.toStdString();
    ASSERT_TRUE(ShowsTheValueOf(shown, typed)) << "in " << room << " characters";
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

TEST_F(NumberTexts, WithNoRoomForOneDigitANumberIsCutWithAnEllipsis) {
  fw::StaticText& tiny = window.staticText("Tiny");
  tiny.SetText(kSmall);
  const QString shown = tiny.text();
  EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString() << ": no rounding clipped";
  EXPECT_TRUE(QString::fromStdString(kSmall).startsWith(shown.chopped(1)));
  EXPECT_EQ(tiny.font().stretch(), 75);
  EXPECT_EQ(tiny.toolTip().toStdString(), kSmall);
  EXPECT_EQ(tiny.Text(), kSmall);
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

// The label as drawn: its text and how far to the right it reaches.
std::pair<QString, double> DrawnLabel(fw::StaticText& label) {
  const ui::DrawnText drawn = ui::DrawnIn(ui::TextsDrawn(label), label.rect());
  return {drawn.text, drawn.box.right()};
}

TEST_F(NumberTexts, ALabelDrawsEveryNumberWithinItsBoxAsItsOwnValue) {
  fw::StaticText& result = window.staticText("Result");
  RandomNumbers numbers(7);
  std::vector<QString> texts = {"-1582.6e21474836485", "1.23456789e99999", "1.5e1234567890123456789"};
  for (int i = 0; i < 150; ++i) texts.push_back(numbers.Text());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    result.SetWidth(30 + int(i * 37 % 250));
    result.SetText(texts[i].toStdString());
    const auto [drawn, right] = DrawnLabel(result);
    SCOPED_TRACE(texts[i].toStdString() + " in " + std::to_string(result.width()) + " pixels");
    ASSERT_TRUE(ShowsTheValueOf(drawn, texts[i]));
    ASSERT_LE(right, result.width()) << drawn.toStdString() << ": nothing clipped";
    ASSERT_EQ(result.Text(), texts[i].toStdString());
  }
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

TEST_F(NumberTexts, AListCellDrawsEveryNumberWithinItsColumnAsItsOwnValue) {
  fw::ListBox& list = window.listBox("ListBox1");
  list.AddRow({"CO2", "", "0.5"});
  RandomNumbers numbers(11);
  // A start value typed into a first-approach cell, first.
  std::vector<QString> texts = {"-1582.6e21474836485", "1.23456789e99999", "1.5e1234567890123456789"};
  for (int i = 0; i < 150; ++i) texts.push_back(numbers.Text());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    list.SetColumnWidths("30 " + std::to_string(30 + i * 37 % 150));
    list.SetCell(0, 1, texts[i].toStdString());
    const auto [drawn, right] = DrawnCell(list, 0, 1);
    SCOPED_TRACE(texts[i].toStdString() + " in " + std::to_string(list.columnWidth(1)) + " pixels");
    ASSERT_TRUE(ShowsTheValueOf(QString::fromStdString(drawn), texts[i]));
    ASSERT_EQ(drawn, list.ShownCell(0, 1));
    ASSERT_LE(right, list.columnWidth(1));
  }
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
