// The controls driven as a user drives them: which events fire, and when not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "framework/TestSupport.h"
#include "tests/framework/TestWindows.h"

namespace {

using fwtest::ControlsWindow;
namespace ui = fw::test;

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    window = new ControlsWindow();
    ui::Activate(*window);
  }
  void TearDown() override {
    delete window;
    ui::ProcessEvents();
  }
  ControlsWindow* window = nullptr;
};

// ---------------------------------------------------------------- fields

TEST_F(Controls, TypingFiresTheChangeEventOncePerKeystroke) {
  ui::Type(window->editField("Field"), "0.35");
  EXPECT_EQ(window->fieldChanges, 4);
  EXPECT_EQ(window->lastFieldText, "0.35");
  EXPECT_EQ(window->editField("Field").Text(), "0.35");
}

TEST_F(Controls, SettingAFieldFromCodeFiresTheChangeEventEvenWithoutChange) {
  fw::EditField& field = window->editField("Field");
  field.SetText("1.5");
  EXPECT_EQ(window->fieldChanges, 1);
  EXPECT_EQ(window->lastFieldText, "1.5");
  field.SetText("1.5");  // the same text: still an event
  EXPECT_EQ(window->fieldChanges, 2);
  field.SetText("");
  EXPECT_EQ(window->fieldChanges, 3);
  EXPECT_EQ(window->lastFieldText, "");
}

TEST(EditFields, ALongNumberWrittenByTheProgramShowsItsLeadingDigits) {
  const fw::ControlSpec layout[] = {{fw::Kind::EditField, "start", "", 10, 10, 60, 25},
                                    {fw::Kind::EditField, "other", "", 10, 40, 60, 25}};
  fw::Window window({.title = "Long", .width = 100, .height = 80}, layout);
  fw::EditField& field = window.editField("start");
  field.SetText("3.14177553839666");
  EXPECT_EQ(field.cursorPosition(), 0);
  ui::Type(field, "5");  // typing goes on where the user puts it
  EXPECT_EQ(field.Text(), "3.141775538396665");
}

// The left edge of the text drawn in a field: at or right of 0 when the field
// shows its text from the first character, left of it when scrolled on.
qreal DrawnStart(fw::EditField& field) {
  qreal left = field.width();
  for (const ui::DrawnText& run : ui::TextsDrawn(field)) left = std::min(left, run.box.left());
  return left;
}

TEST(EditFields, AFieldTheFocusVisitedShowsItsFirstCharacterAgain) {
  // Two first guesses filled by the program, too long for their fields.
  const fw::ControlSpec layout[] = {{fw::Kind::EditField, "Guess1", "", 10, 10, 60, 25, 16},
                                    {fw::Kind::EditField, "Guess2", "", 10, 40, 60, 25, 16},
                                    {fw::Kind::PushButton, "calculate", "calculate", 10, 70, 80, 25}};
  fw::Window window({.title = "Guesses", .width = 100, .height = 100}, layout);
  ui::Activate(window);
  fw::EditField& first = window.editField("Guess1");
  fw::EditField& second = window.editField("Guess2");
  ASSERT_EQ(QApplication::focusWidget(), &first) << "the window opens with the cursor in its first field";
  first.SetText("3.14177553839666");
  second.SetText("78.3435807700069");
  EXPECT_GE(DrawnStart(first), 0) << "filled by the program with the focus in it";
  EXPECT_GE(DrawnStart(second), 0);

  ui::WalkFocus(1, Qt::Key_Tab);  // into the second guess, all of it selected
  ASSERT_LT(DrawnStart(second), 0) << "the focus shows the end";
  ui::WalkFocus(1, Qt::Key_Tab);  // and out of it, to the button
  EXPECT_GE(DrawnStart(second), 0);
  EXPECT_EQ(second.Text(), "78.3435807700069");

  ui::Type(second, "5");  // the user types on where the cursor is put
  EXPECT_EQ(second.Text(), "78.34358077000695");
  ASSERT_LT(DrawnStart(second), 0);
  window.pushButton("calculate").setFocus(Qt::MouseFocusReason);  // a click elsewhere
  EXPECT_GE(DrawnStart(second), 0);
}

TEST(EditFields, AHandlerThatRewritesItsOwnFieldIsNotCalledAgainFromWithin) {
  const fw::ControlSpec layout[] = {{fw::Kind::EditField, "minimum", "", 10, 10, 80, 25}};
  fw::Window window({.title = "Own", .width = 100, .height = 50}, layout);
  int runs = 0;
  window.onTextChange("minimum", [&] {
    ++runs;
    window.editField("minimum").SetText("put number");
  });
  window.editField("minimum").SetText("-300");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(window.editField("minimum").Text(), "put number");
  window.editField("minimum").SetText("1");
  EXPECT_EQ(runs, 2);
}

TEST_F(Controls, ReturnInAFieldPressesTheDefaultButton) {
  ui::PressReturn(window->editField("Field"));
  EXPECT_EQ(window->calculatePresses, 1);
  EXPECT_TRUE(window->pushButton("calculate").IsDefault());
  EXPECT_FALSE(window->pushButton("Clear").IsDefault());
}

TEST_F(Controls, AFieldHasNoLengthLimit) {
  fw::EditField& field = window->editField("Field");
  const std::string digits(40000, '7');
  field.SetText(digits);
  EXPECT_EQ(field.Text(), digits);
  ui::Type(field, "5");  // typing at the end goes on past Qt's usual 32767
  EXPECT_EQ(field.Text().size(), digits.size() + 1);
  EXPECT_EQ(window->lastFieldText.back(), '5');
}

// --------------------------------------------------------------- buttons

TEST_F(Controls, ReturnAndSpaceOnAFocusedButtonPressThatButtonNotTheDefault) {
  fw::PushButton& clear = window->pushButton("Clear");
  clear.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&clear, Qt::Key_Return);
  EXPECT_EQ(window->clearPresses, 1);
  QTest::keyClick(&clear, Qt::Key_Space);
  EXPECT_EQ(window->clearPresses, 2);
  EXPECT_EQ(window->calculatePresses, 0);

  fw::PushButton& calculate = window->pushButton("calculate");
  calculate.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&calculate, Qt::Key_Enter);
  EXPECT_EQ(window->calculatePresses, 1) << "the focused default button, once";

  fw::RadioButton& kelvin = window->radioButton("Kelvin");
  kelvin.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&kelvin, Qt::Key_Return);
  EXPECT_EQ(window->calculatePresses, 2) << "elsewhere Return presses the default button";
  EXPECT_EQ(window->clearPresses, 2);
}

TEST_F(Controls, ClickingAButtonRunsItsActionUnlessItIsDisabled) {
  ui::Click(window->pushButton("calculate"));
  EXPECT_EQ(window->calculatePresses, 1);
  window->pushButton("calculate").SetEnabled(false);
  ui::Click(window->pushButton("calculate"));
  EXPECT_EQ(window->calculatePresses, 1);
}

// ---------------------------------------------------------- radio buttons

TEST_F(Controls, ClickingARadioSwitchesItsGroupOnlyAndRunsItsAction) {
  fw::RadioButton& kelvin = window->radioButton("Kelvin");
  fw::RadioButton& celsius = window->radioButton("Celsius");
  fw::RadioButton& choice0 = window->radioButton("Choice0");
  choice0.SetValue(true);
  ASSERT_TRUE(kelvin.Value());

  ui::Click(celsius);
  EXPECT_TRUE(celsius.Value());
  EXPECT_FALSE(kelvin.Value());
  EXPECT_TRUE(choice0.Value()) << "another group is left alone";
  EXPECT_EQ(window->celsiusActions, 1);
  EXPECT_EQ(window->kelvinActions, 0) << "switched off, not clicked";

  ui::Click(celsius);  // clicking the button that is on keeps it on
  EXPECT_TRUE(celsius.Value());
  EXPECT_EQ(window->celsiusActions, 2);
}

TEST_F(Controls, RadioValuesSetByCodeRunNoActionAndMayLeaveAGroupWithNoneOn) {
  fw::RadioButton& choice0 = window->radioButton("Choice0");
  fw::RadioButton& choice1 = window->radioButton("Choice1");
  EXPECT_FALSE(choice0.Value());
  EXPECT_FALSE(choice1.Value()) << "a group may start with none on";
  choice0.SetValue(true);
  choice1.SetValue(true);
  EXPECT_FALSE(choice0.Value());
  EXPECT_TRUE(choice1.Value());
  choice1.SetValue(false);
  EXPECT_FALSE(choice0.Value());
  EXPECT_FALSE(choice1.Value());
  EXPECT_EQ(window->choiceActions, 0);
}

TEST_F(Controls, ARadioWithoutCaptionCanBeClicked) {
  ui::Click(window->radioButton("Choice1"));
  EXPECT_TRUE(window->radioButton("Choice1").Value());
  EXPECT_EQ(window->choiceActions, 1);
}

TEST(RadioGroups, ButtonsWithoutAGroupNameShareTheGroupOfTheirContainer) {
  const fw::ControlSpec layout[] = {
      {fw::Kind::RadioButton, "A", "a", 10, 10, 50, 20},
      {fw::Kind::RadioButton, "B", "b", 10, 40, 50, 20, 0, fw::On},
      {fw::Kind::GroupBox, "Box", "", 100, 0, 100, 100},
      {fw::Kind::RadioButton, "C", "c", 110, 20, 50, 20, 0, fw::On, "Box"},
      {fw::Kind::RadioButton, "D", "d", 110, 50, 50, 20, 0, 0, "Box"},
  };
  fw::Window window({.title = "Groups", .width = 220, .height = 120}, layout);
  window.radioButton("A").SetValue(true);
  EXPECT_FALSE(window.radioButton("B").Value());
  EXPECT_TRUE(window.radioButton("C").Value());
  window.radioButton("D").SetValue(true);
  EXPECT_FALSE(window.radioButton("C").Value());
  EXPECT_TRUE(window.radioButton("A").Value());
}

// ------------------------------------------------------------- list boxes

TEST_F(Controls, RowsAreAddedFilledReadAndDeleted) {
  fw::ListBox& list = window->listBox("ListBox1");
  EXPECT_EQ(list.LastIndex(), -1);
  list.AddRow(" ");
  list.SetCell(list.LastIndex(), 0, "H2O");
  list.SetCell(list.LastIndex(), 1, "0.25");
  list.AddRow("CH4");
  EXPECT_EQ(list.LastIndex(), 1);
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(0, 0), "H2O");
  EXPECT_EQ(list.Cell(0, 1), "0.25");
  EXPECT_EQ(list.Cell(1, 0), "CH4");
  EXPECT_EQ(list.Cell(1, 1), "");
  EXPECT_THROW(list.Cell(2, 0), std::out_of_range);
  EXPECT_THROW(list.SetCell(0, 2, "x"), std::out_of_range);
  // Rows with all their texts at once, after those there are.
  list.AddRow({"N2", "0.5"});
  list.AddRows({});
  EXPECT_EQ(list.LastIndex(), 2);
  list.AddRows({{"CO2", "0.125"}, {"Ar"}});
  EXPECT_EQ(list.LastIndex(), 4);
  ASSERT_EQ(list.RowCount(), 5);
  const std::vector<std::vector<std::string>> cells = {
      {"H2O", "0.25"}, {"CH4", ""}, {"N2", "0.5"}, {"CO2", "0.125"}, {"Ar", ""}};
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 2; ++column) EXPECT_EQ(list.Cell(row, column), cells[row][column]);
  EXPECT_THROW(list.AddRow({"a", "b", "c"}), std::out_of_range);
  EXPECT_THROW(list.AddRows({{"a"}, {"a", "b", "c"}}), std::out_of_range);
  EXPECT_EQ(list.RowCount(), 5) << "a row too wide adds nothing";
  list.DeleteAllRows();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(list.LastIndex(), -1);
  EXPECT_TRUE(window->edits.empty()) << "the program's writes raise no cell change";
}

TEST_F(Controls, ColumnWidthsArePercentagesOfTheInnerWidth) {
  fw::ListBox& list = window->listBox("ListBox1");
  const int inner = list.viewport()->width();
  EXPECT_NEAR(list.columnWidth(0), 0.4 * inner, 1);
  EXPECT_NEAR(list.columnWidth(0) + list.columnWidth(1), inner, 1);
  list.SetColumnWidths("50%, 50%");
  EXPECT_NEAR(list.columnWidth(0), 0.5 * inner, 1);
  list.SetColumnWidths("30 70%");  // a plain number is pixels
  EXPECT_EQ(list.columnWidth(0), 30);
}

TEST_F(Controls, HeadingsShowOnlyWhereTheLayoutAsksForThem) {
  fw::ListBox& list = window->listBox("ListBox1");
  EXPECT_TRUE(list.horizontalHeader()->isVisible());
  EXPECT_EQ(list.Heading(0), "Gas");
  EXPECT_EQ(list.Heading(1), "Value");
  list.SetHeading(0, "Temperature (\xCB\x9A" "C)");
  EXPECT_EQ(list.Heading(0), "Temperature (\xCB\x9A" "C)");
  EXPECT_THROW(list.SetHeading(2, "x"), std::out_of_range);
  EXPECT_FALSE(window->listBox("OneValue").horizontalHeader()->isVisible());
}

TEST_F(Controls, TheVerticalScrollBarShowsOnlyWhenRowsOverflow) {
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow("one");
  ui::ProcessEvents();
  EXPECT_FALSE(list.verticalScrollBar()->isVisible());
  for (int i = 0; i < 20; ++i) list.AddRow("more");
  ui::ProcessEvents();
  EXPECT_TRUE(list.verticalScrollBar()->isVisible());
  fw::ListBox& one = window->listBox("OneValue");
  for (int i = 0; i < 5; ++i) one.AddRow("1");
  ui::ProcessEvents();
  EXPECT_FALSE(one.verticalScrollBar()->isVisible());
}

TEST_F(Controls, ClickingACellReportsItsRowAndColumn) {
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow("H2O");
  list.AddRow("CO2");
  list.SetCell(1, 1, "0.5");
  ui::ClickCell(list, 1, 0);
  ASSERT_EQ(window->clicks.size(), 1u);
  EXPECT_EQ(window->clicks[0], (ControlsWindow::Cell{1, 0}));
}

TEST_F(Controls, UserEditsOfACellFireOncePerKeystrokeWithTheCellUpToDate) {
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow("H2O");
  list.SetCell(0, 1, "0.9");
  list.AddRow("CH4");
  list.SetCell(1, 1, "0.1");
  ui::ClickCell(list, 1, 0);  // the handler opens the value cell of the row
  ASSERT_TRUE(list.CellEditable(1, 1));
  EXPECT_FALSE(list.CellEditable(1, 0));
  ui::RetypeInCellEditor(list, "0.35");
  EXPECT_EQ(window->editedTexts, (std::vector<std::string>{"0", "0.", "0.3", "0.35"}));
  for (const auto& edit : window->edits) EXPECT_EQ(edit, (ControlsWindow::Cell{1, 1}));
  ui::CommitCellEditor(list);
  EXPECT_EQ(list.Cell(1, 1), "0.35");
  EXPECT_EQ(list.Cell(0, 1), "0.9");
  EXPECT_EQ(window->edits.size(), 4u) << "committing is no further change";
  list.SetCell(1, 1, "0.2");
  EXPECT_EQ(window->edits.size(), 4u);
}

// Return ends the edit before the next input is handled: clicks that arrive
// with it (the program busy meanwhile) find the editor closed and nothing of
// the edit still to come. Return presses no button of the window.
TEST_F(Controls, ReturnInACellEndsTheEditBeforeTheNextClick) {
  const ui::QtMessageCapture messages;
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow({"H2O", "0.9"});
  list.AddRow({"CH4", "0.1"});
  ui::ClickCell(list, 1, 1);
  ui::RetypeInCellEditor(list, "0.35");
  ui::CommitCellEditor(list);
  EXPECT_FALSE(ui::CellEditorOpen(list));
  ui::ClickCell(list, 0, 1);
  ui::RetypeInCellEditor(list, "0.65");
  ui::CommitCellEditor(list);
  ui::Click(window->pushButton("Clear"));
  ui::ProcessEvents();
  EXPECT_EQ(messages.Containing("QAbstractItemView"), std::vector<std::string>{});
  EXPECT_EQ(list.Cell(1, 1), "0.35");
  EXPECT_EQ(list.Cell(0, 1), "0.65");
  EXPECT_EQ(window->editedTexts.back(), "0.65");
  EXPECT_EQ(window->calculatePresses, 0);
  EXPECT_EQ(window->clearPresses, 1);
}

TEST_F(Controls, TypingInTheMiddleOfACellKeepsTheCursorWhereItIs) {
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow("H2O");
  list.SetCell(0, 1, "0.5");
  ui::ClickCell(list, 0, 1);
  auto* editor = list.viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setCursorPosition(2);  // after "0."
  QTest::keyClicks(editor, "12");
  EXPECT_EQ(list.Cell(0, 1), "0.125");
}

TEST_F(Controls, EditCellOpensNoEditorOnACellThatIsNotEditable) {
  fw::ListBox& list = window->listBox("ListBox1");
  list.AddRow("H2O");
  list.EditCell(0, 0);
  EXPECT_THROW(ui::TypeInCellEditor(list, "x"), std::logic_error);
  EXPECT_EQ(list.Cell(0, 0), "H2O");
}

// ------------------------------------------------------------ scroll bars

TEST_F(Controls, ArrowClicksMoveTheBarByOneLineAndThePanelWithIt) {
  fw::ScrollBar& bar = window->scrollBar("ScrollBar1");
  ui::ClickArrowDown(bar);
  EXPECT_EQ(bar.Value(), 1);
  EXPECT_EQ(window->scrolls, 1);
  EXPECT_EQ(window->rectangle("Rectangle1").Top(), -1);
  EXPECT_EQ(window->editField("Field").Top(), 39) << "a control on the panel moves with it";
  EXPECT_EQ(bar.Top(), 0) << "the bar itself stays";
  ui::ClickArrowUp(bar);
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(window->rectangle("Rectangle1").Top(), 0);
}

TEST_F(Controls, APageClickMovesOnePageWithinTheRange) {
  fw::ScrollBar& bar = window->scrollBar("ScrollBar1");
  ui::ClickPageDown(bar);
  EXPECT_EQ(bar.Value(), 200) << "page 400 is clamped at the maximum 200";
  EXPECT_EQ(window->rectangle("Rectangle1").Top(), -200);
}

TEST_F(Controls, DraggingTheThumbReportsOnlyWhenLetGo) {
  fw::ScrollBar& bar = window->scrollBar("ScrollBar1");
  ui::DragThumbTo(bar, 120);
  EXPECT_EQ(bar.Value(), 120);
  EXPECT_EQ(window->scrolls, 1);
  EXPECT_EQ(window->rectangle("Rectangle1").Top(), -120);
}

TEST_F(Controls, LoweringTheMaximumBelowTheValueMovesItAndReports) {
  fw::ScrollBar& bar = window->scrollBar("ScrollBar1");
  bar.SetValue(150);
  EXPECT_EQ(window->scrolls, 1);
  bar.SetMaximum(100);
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_EQ(window->scrolls, 2);
  EXPECT_EQ(window->rectangle("Rectangle1").Top(), -100);
  bar.SetMaximum(300);  // raising it leaves the value
  EXPECT_EQ(window->scrolls, 2);
}

// ------------------------------------------------------- texts and fonts

TEST_F(Controls, CarriageReturnsBreakTheLinesOfAStaticText) {
  fw::StaticText& multi = window->staticText("Multi");
  EXPECT_EQ(multi.Text(), "first line\rsecond line of the note");
  EXPECT_EQ(multi.text(), QString("first line\nsecond line of the note"));
  EXPECT_TRUE(multi.wordWrap());
  EXPECT_FALSE(window->staticText("Unit").wordWrap());
  multi.SetText("a\r\nb");
  EXPECT_EQ(multi.text(), QString("a\nb"));
}

TEST_F(Controls, TextSizesArePixelsAndNamedFontsFallBackToASerifFace) {
  const QFont unit = window->staticText("Unit").font();
  EXPECT_EQ(unit.pixelSize(), 16);
  EXPECT_EQ(unit.family(), QApplication::font().family());
  const QFont root = window->staticText("RootText").font();
  EXPECT_EQ(root.pixelSize(), 14);
  EXPECT_TRUE(root.italic());
  EXPECT_TRUE(QFontInfo(root).family().contains("Serif")) << QFontInfo(root).family().toStdString();
  EXPECT_TRUE(window->staticText("Title").font().bold());
}

TEST(Fonts, AControlOnAContainerKeepsItsOwnDefaultFont) {
  const fw::ControlSpec layout[] = {
      {fw::Kind::GroupBox, "GroupBox6", "Select", 20, 15, 200, 100, 16, fw::Italic},
      {fw::Kind::StaticText, "Plain", "plain", 30, 40, 100, 20, 0, 0, "GroupBox6"},
  };
  fw::Window window({.title = "Fonts", .width = 240, .height = 130}, layout);
  const QFont plain = window.staticText("Plain").font();
  EXPECT_FALSE(plain.italic());
  EXPECT_EQ(QFontInfo(plain).pixelSize(), QFontInfo(QApplication::font()).pixelSize());
  EXPECT_EQ(QFontInfo(window.groupBox("GroupBox6").font()).pixelSize(), 16);
}

TEST_F(Controls, TheDegreeMarkAndTheMiddleDotHaveGlyphs) {
  for (const char* name : {"Title", "RootText", "Unit"}) {
    const QFontMetrics metrics(window->staticText(name).font());
    EXPECT_TRUE(metrics.inFontUcs4(0x02DA)) << name;
    EXPECT_TRUE(metrics.inFontUcs4(0x00B7)) << name;
  }
}

TEST_F(Controls, AlignmentFlagsAlignTheText) {
  EXPECT_TRUE(window->staticText("Right").alignment() & Qt::AlignRight);
  EXPECT_TRUE(window->staticText("Result").alignment() & Qt::AlignLeft);
}

// ------------------------------------------------- visibility and state

TEST_F(Controls, HiddenAndDisabledFlagsAndTheirSetters) {
  EXPECT_FALSE(window->imageWell("HiddenWell").Visible());
  EXPECT_TRUE(window->imageWell("ImageWell1").Visible());
  EXPECT_FALSE(window->editField("Disabled").Enabled());
  window->imageWell("HiddenWell").SetVisible(true);
  EXPECT_TRUE(window->imageWell("HiddenWell").Visible());
  EXPECT_TRUE(window->imageWell("HiddenWell").isVisible());
  window->editField("Disabled").SetEnabled(true);
  EXPECT_TRUE(window->editField("Disabled").Enabled());
}

// ------------------------------------------------------------ the guard

TEST(Guard, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
  const fw::ControlSpec layout[] = {{fw::Kind::PushButton, "Fail", "fail", 10, 10, 80, 25}};
  fw::Window window({.title = "Guard", .width = 100, .height = 50}, layout);
  int runs = 0;
  window.onAction("Fail", [&] {
    ++runs;
    throw std::runtime_error("no such gas");
  });
  ui::ErrorCapture reports;
  ui::Activate(window);
  ui::Click(window.pushButton("Fail"));
  ui::Click(window.pushButton("Fail"));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(reports.Messages(), (std::vector<std::string>{"no such gas", "no such gas"}));
  EXPECT_TRUE(window.isVisible());
}

TEST(Guard, ReachingAMissingControlIsReportedLikeAnyError) {
  const fw::ControlSpec layout[] = {{fw::Kind::PushButton, "Go", "go", 10, 10, 80, 25}};
  fw::Window window({.title = "Guard", .width = 100, .height = 50}, layout);
  window.onAction("Go", [&] { window.staticText("Missing").SetText("x"); });
  ui::ErrorCapture reports;
  window.pushButton("Go").Press();
  ASSERT_EQ(reports.Messages().size(), 1u);
  EXPECT_NE(reports.Messages()[0].find("Missing"), std::string::npos);
}

}  // namespace

namespace {

// ---------------------------------------------------------- text fitting

int advance(const QWidget& widget, const QString& text) {
  return QFontMetrics(widget.font()).horizontalAdvance(text);
}

TEST(TextFitting, ACaptionTooWideForItsBoxIsCondensedUntilItFits) {
  const char* longText = "Software Package with a long name, v.2";
  const fw::ControlSpec layout[] = {
      {fw::Kind::StaticText, "Wide", longText, 10, 10, 400, 25, 18},
      {fw::Kind::StaticText, "Narrow", longText, 10, 40, 1, 25, 18},
      {fw::Kind::StaticText, "Tight", longText, 10, 70, 300, 25, 18},
      {fw::Kind::RadioButton, "Radio", longText, 10, 100, 250, 20, 14},
  };
  fw::Window window({.title = "Fit", .width = 420, .height = 130}, layout);
  ui::Activate(window);  // sizes reach the controls when the window is shown
  fw::StaticText& wide = window.staticText("Wide");
  EXPECT_EQ(wide.font().stretch(), 100);  // room enough: the designed face
  EXPECT_LE(advance(wide, wide.text()), 400);
  // Never below three quarters, even where nothing would fit.
  EXPECT_EQ(window.staticText("Narrow").font().stretch(), 75);
  fw::StaticText& tight = window.staticText("Tight");
  if (advance(wide, wide.text()) > 300) {
    EXPECT_LT(tight.font().stretch(), 100);
    if (tight.font().stretch() > 75) {
      EXPECT_LE(advance(tight, tight.text()), 300);
    }
  }
  // The designed size and family stay; a later, shorter text gets them back.
  EXPECT_EQ(tight.font().pixelSize(), 18);
  tight.SetText("short");
  EXPECT_EQ(tight.font().stretch(), 100);
  EXPECT_LT(window.radioButton("Radio").font().stretch(), 100);
}

TEST(TextFitting, AWrappedTextMayUseTheLinesItsBoxHolds) {
  const char* sentence = "a-values and b-values of individual gases are obtained from critical-point properties";
  const fw::ControlSpec layout[] = {
      {fw::Kind::StaticText, "OneLine", sentence, 10, 10, 500, 20, 12, fw::MultiLine},
      {fw::Kind::StaticText, "ThreeLines", sentence, 10, 40, 200, 60, 12, fw::MultiLine},
  };
  fw::Window window({.title = "Wrap", .width = 520, .height = 110}, layout);
  ui::Activate(window);
  fw::StaticText& one = window.staticText("OneLine");
  if (one.font().stretch() > 75) {
    EXPECT_LE(advance(one, one.text()), 500);
  }
  EXPECT_EQ(window.staticText("ThreeLines").font().stretch(), 100);
}

}  // namespace

namespace {

// A wrapped text that needs more lines than its box holds (a long file path
// in a two-line status line) shows its whole text in a tooltip, and a user
// who selects it copies all of it; a wrapped text that fits has no tooltip.
TEST(TextFitting, AWrappedTextThatDoesNotFitOffersItsWholeTextAsTooltipAndCopy) {
  const std::string path = "exported to /" + std::string(40, 'd') + "/" + std::string(60, 'e') + "/150.txt";
  const fw::ControlSpec layout[] = {
      {fw::Kind::StaticText, "Status", "", 10, 10, 120, 24, 10, fw::MultiLine},
      {fw::Kind::StaticText, "Roomy", "", 10, 40, 300, 60, 10, fw::MultiLine},
  };
  fw::Window window({.title = "Status", .width = 320, .height = 110}, layout);
  ui::Activate(window);
  fw::StaticText& status = window.staticText("Status");
  status.SetText(path);
  EXPECT_EQ(status.toolTip().toStdString(), path);
  EXPECT_EQ(status.Text(), path);
  status.SelectAll();
  status.Copy();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), path);
  window.staticText("Roomy").SetText("exported to /tmp/150.txt");
  EXPECT_TRUE(window.staticText("Roomy").toolTip().isEmpty());
}

}  // namespace
