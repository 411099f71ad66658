// The menu bar model, the framework's Edit and Quit commands, and the event
// loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "framework/Application.h"
#include "framework/TestSupport.h"

namespace {

namespace ui = fw::test;

std::unique_ptr<fw::MenuItem> Item(const char* name, const char* text, const char* shortcut,
                                   fw::MenuItem::Type type = fw::MenuItem::Type::Plain) {
  auto item = std::make_unique<fw::MenuItem>(type);
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (shortcut) item->SetKeyboardShortcut(shortcut);
  return item;
}

// The menu bar of the program: File with Quit, Edit with the edit commands.
std::unique_ptr<fw::MenuBar> ProgramMenuBar() {
  auto bar = std::make_unique<fw::MenuBar>();
  bar->Append(Item("FileMenu", "&File", ""));
  bar->Child("FileMenu")->Append(Item("FileQuit", "&Quit", "Cmd+Q", fw::MenuItem::Type::Quit));
  bar->Append(Item("EditMenu", "&Edit", ""));
  fw::MenuItem& edit = *bar->Child("EditMenu");
  edit.Append(Item("EditUndo", "&Undo", "Cmd+Z"));
  edit.Append(Item("UntitledMenu1", "-", nullptr));
  edit.Append(Item("EditCut", "Cu&t", "Cmd+X"));
  edit.Append(Item("EditCopy", "&Copy", "Cmd+C"));
  edit.Append(Item("EditPaste", "&Paste", "Cmd+V"));
  edit.Append(Item("EditClear", "&Delete", ""));
  edit.Append(Item("UntitledMenu0", "-", nullptr));
  edit.Append(Item("EditSelectAll", "Select &All", "Cmd+A"));
  return bar;
}

const fw::ControlSpec kFieldLayout[] = {
    {fw::Kind::EditField, "Field", "", 10, 10, 150, 25, 16},
    {fw::Kind::EditField, "Other", "", 10, 50, 150, 25, 16},
};

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    bar = ProgramMenuBar();
    app().SetMenuBar(bar.get());
  }
  void TearDown() override {
    fw::CloseAllWindows();
    ui::ProcessEvents();
    app().SetMenuBar(nullptr);
  }
  static fw::Application& app() { return *fw::Application::Instance(); }
  QAction& Action(const char* menu, const char* item) { return bar->Child(menu)->Child(item)->Action(); }

  std::unique_ptr<fw::MenuBar> bar;
};

TEST_F(Menus, ChildFindsItemsByName) {
  ASSERT_NE(bar->Child("EditMenu"), nullptr);
  EXPECT_EQ(bar->Child("EditMenu")->Child("EditCut")->Text(), "Cu&t");
  EXPECT_EQ(bar->Child("EditCut"), nullptr) << "only direct children";
  EXPECT_EQ(bar->Child("EditMenu")->Children().size(), 8u);
  EXPECT_TRUE(bar->Child("EditMenu")->Child("UntitledMenu0")->IsSeparator());
}

TEST_F(Menus, EveryWindowWithAMenuBarShowsFileAndEditOutsideItsClientArea) {
  fw::Window window({.title = "Start", .width = 540, .height = 605}, kFieldLayout);
  ui::Activate(window);
  ASSERT_NE(window.MenuBar(), nullptr);
  const auto menus = window.MenuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Edit");
  const auto editItems = menus[1]->menu()->actions();
  ASSERT_EQ(editItems.size(), 8);
  EXPECT_TRUE(editItems[1]->isSeparator());
  EXPECT_EQ(editItems[2]->text(), "Cu&t");
  EXPECT_EQ(window.Height(), 605);
  EXPECT_GT(window.height(), 605) << "the menu bar lies above the client area";

  fw::Window bare({.title = "Bare", .width = 100, .height = 100, .menuBar = false}, kFieldLayout);
  EXPECT_EQ(bare.MenuBar(), nullptr);
}

TEST_F(Menus, ShortcutsAreTheControlKeyAndEmptyMeansNone) {
  EXPECT_EQ(Action("FileMenu", "FileQuit").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(Action("EditMenu", "EditUndo").shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_EQ(Action("EditMenu", "EditCopy").shortcut(), QKeySequence(QKeySequence::Copy));
  EXPECT_EQ(Action("EditMenu", "EditSelectAll").shortcut(), QKeySequence(QKeySequence::SelectAll));
  EXPECT_TRUE(Action("EditMenu", "EditClear").shortcut().isEmpty());
}

TEST_F(Menus, EditCommandsAreEnabledOnlyWhenTheyApplyToTheFocusedField) {
  fw::Window window({.title = "Edit", .width = 200, .height = 100}, kFieldLayout);
  ui::Activate(window);
  window.editField("Other").setFocus();
  QApplication::clipboard()->clear();
  app().UpdateEditCommands();
  EXPECT_FALSE(Action("EditMenu", "EditCut").isEnabled()) << "nothing selected";
  EXPECT_FALSE(Action("EditMenu", "EditSelectAll").isEnabled()) << "nothing to select";
  EXPECT_FALSE(Action("EditMenu", "EditPaste").isEnabled()) << "empty clipboard";
  EXPECT_FALSE(Action("EditMenu", "EditUndo").isEnabled());
  EXPECT_TRUE(Action("FileMenu", "FileQuit").isEnabled());

  fw::EditField& field = window.editField("Field");
  ui::Type(field, "0.25");
  EXPECT_TRUE(Action("EditMenu", "EditSelectAll").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditUndo").isEnabled());
  EXPECT_FALSE(Action("EditMenu", "EditCopy").isEnabled());
  field.selectAll();
  EXPECT_TRUE(Action("EditMenu", "EditCut").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditCopy").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditClear").isEnabled());
}

TEST_F(Menus, EditCommandsActOnTheFocusedFieldAndRaiseItsChangeEvent) {
  fw::Window window({.title = "Edit", .width = 200, .height = 100}, kFieldLayout);
  int changes = 0;
  window.onTextChange("Other", [&] { ++changes; });
  ui::Activate(window);
  fw::EditField& field = window.editField("Field");
  ui::Type(field, "0.75");
  Action("EditMenu", "EditSelectAll").trigger();
  EXPECT_EQ(field.selectedText(), "0.75");
  Action("EditMenu", "EditCut").trigger();
  EXPECT_EQ(field.Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "0.75");

  fw::EditField& other = window.editField("Other");
  ui::Type(other, "");
  Action("EditMenu", "EditPaste").trigger();
  EXPECT_EQ(other.Text(), "0.75");
  EXPECT_EQ(changes, 1);
  Action("EditMenu", "EditUndo").trigger();
  EXPECT_EQ(other.Text(), "");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(field.Text(), "") << "only the focused field is touched";
}

TEST_F(Menus, TheEditMenuOpenedFromTheKeyboardActsOnTheFieldThatHadTheFocus) {
  fw::Window window({.title = "Edit", .width = 200, .height = 100}, kFieldLayout);
  ui::Activate(window);
  fw::EditField& field = window.editField("Field");
  ui::Type(field, "0.125");
  field.setSelection(2, 3);
  QApplication::clipboard()->clear();

  QTest::keyClick(&field, Qt::Key_E, Qt::AltModifier);  // Alt+E opens Edit
  ui::ProcessEvents();
  QMenu* edit = window.MenuBar()->actions()[1]->menu();
  ASSERT_TRUE(edit->isVisible());
  EXPECT_TRUE(Action("EditMenu", "EditCopy").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditCut").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditSelectAll").isEnabled());
  EXPECT_TRUE(Action("EditMenu", "EditUndo").isEnabled());
  EXPECT_FALSE(Action("EditMenu", "EditPaste").isEnabled()) << "empty clipboard";

  QTest::keyClick(edit, Qt::Key_T);  // Cu&t
  ui::ProcessEvents();
  EXPECT_FALSE(edit->isVisible());
  EXPECT_EQ(field.Text(), "0.");
  EXPECT_EQ(QApplication::clipboard()->text(), "125");
  EXPECT_EQ(QApplication::focusWidget(), &field) << "the focus goes back to the field";
  EXPECT_TRUE(Action("EditMenu", "EditPaste").isEnabled());
}

TEST_F(Menus, AFieldOfAWindowThatIsNoLongerActiveIsNoTarget) {
  fw::Window window({.title = "Edit", .width = 200, .height = 100}, kFieldLayout);
  ui::Activate(window);
  fw::EditField& field = window.editField("Field");
  ui::Type(field, "0.25");
  field.selectAll();
  ASSERT_TRUE(Action("EditMenu", "EditCopy").isEnabled());
  // A window without a control that takes the focus.
  const fw::ControlSpec textOnly[] = {{fw::Kind::StaticText, "Note", "note", 10, 10, 80, 25}};
  fw::Window other({.title = "Other", .width = 200, .height = 100}, textOnly);
  ui::Activate(other);
  ASSERT_EQ(QApplication::focusWidget(), nullptr);
  EXPECT_FALSE(Action("EditMenu", "EditCopy").isEnabled());
  EXPECT_FALSE(Action("EditMenu", "EditSelectAll").isEnabled());
  ui::Activate(window);
  EXPECT_TRUE(Action("EditMenu", "EditSelectAll").isEnabled()) << "back in the field's window";
}

// A click on a result selects its whole value, as a click on a list cell
// chooses the cell, and so does a double-click (not the word under the
// mouse, such as a sign or the digits after the point); Ctrl+C and the Edit menu's Copy then copy the full value,
// also of a number shown rounded. A drag still selects a part of a number
// shown whole, also right after a click; a caption lets clicks through.
TEST_F(Menus, AClickOnAResultSelectsItsWholeValueToCopyAndADragAPart) {
  const fw::ControlSpec layout[] = {
      {fw::Kind::EditField, "Field", "", 10, 10, 150, 25, 16},
      {fw::Kind::StaticText, "Result", "", 10, 50, 80, 25, 16},
      {fw::Kind::PushButton, "Under", "under", 100, 50, 90, 25, 12},
      {fw::Kind::StaticText, "Caption", "over the button", 100, 50, 90, 25, 12},
  };
  fw::Window window({.title = "Copy", .width = 200, .height = 100}, layout);
  int presses = 0;
  window.onAction("Under", [&] { ++presses; });
  ui::Activate(window);
  fw::StaticText& result = window.staticText("Result");
  QAction& copy = Action("EditMenu", "EditCopy");
  const auto copied = [] { return QApplication::clipboard()->text().toStdString(); };

  const struct {
    std::string value;
    bool shownWhole;
  } values[] = {{"-243696.169153442", false}, {"-1.5e-05", true}, {"300.25", true}};
  for (const auto& [value, shownWhole] : values) {
    result.SetText(value);
    ASSERT_EQ(result.text().toStdString() == value, shownWhole) << value;
    for (const auto click : {ui::ClickAt, ui::DoubleClickAt}) {
      SCOPED_TRACE(value + (click == ui::ClickAt ? ", a click" : ", a double-click"));
      window.editField("Field").setFocus();  // coming from elsewhere
      ui::ProcessEvents();
      ASSERT_FALSE(copy.isEnabled());
      click(result, QPoint(result.width() / 2, 12));
      EXPECT_EQ(result.selectedText(), result.text());
      EXPECT_TRUE(copy.isEnabled());
      EXPECT_TRUE(Action("EditMenu", "EditSelectAll").isEnabled());
      for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo"})
        EXPECT_FALSE(Action("EditMenu", item).isEnabled()) << item << ": a label is only read";
      QApplication::clipboard()->setText("before");
      QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
      EXPECT_EQ(copied(), value);
      QApplication::clipboard()->setText("before");
      copy.trigger();
      EXPECT_EQ(copied(), value);
    }
  }

  // Right after a click selected all of it, a drag selects a part; a rounded
  // number is selected whole however little of it is dragged across.
  ui::DragAcross(result, QPoint(1, 12), QPoint(QFontMetrics(result.font()).horizontalAdvance("300") + 1, 12));
  EXPECT_EQ(result.selectedText(), "300");
  copy.trigger();
  EXPECT_EQ(copied(), "300");
  result.SetText(values[0].value);
  EXPECT_FALSE(copy.isEnabled()) << "a new value is not selected";
  ui::DragAcross(result, QPoint(2, 12), QPoint(30, 12));
  EXPECT_EQ(result.selectedText(), result.text());
  QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copied(), values[0].value);

  fw::StaticText& caption = window.staticText("Caption");
  ui::ClickAt(caption, QPoint(30, 12));
  EXPECT_EQ(presses, 1) << "the caption takes no click";
  EXPECT_FALSE(caption.hasSelectedText());
  EXPECT_FALSE(copy.isEnabled()) << "the button took the focus";
}

TEST_F(Menus, EditCopyAndControlCCopyTheChosenListCellAlike) {
  const fw::ControlSpec layout[] = {
      {fw::Kind::EditField, "Field", "", 10, 10, 150, 25, 16},
      {.kind = fw::Kind::ListBox, .name = "ListBox1", .left = 10, .top = 50, .width = 180, .height = 80,
       .textSize = 14, .columns = 2},
  };
  fw::Window window({.title = "Copy", .width = 200, .height = 140}, layout);
  ui::Activate(window);
  fw::ListBox& list = window.listBox("ListBox1");
  const std::string full = "0.123456789012345678";
  list.AddRow({"CO2", full});
  list.AddRow({"CH4", "0.5"});
  ASSERT_NE(list.ShownCell(0, 1), full) << "shown rounded";
  const auto copied = [] { return QApplication::clipboard()->text().toStdString(); };
  QAction& copy = Action("EditMenu", "EditCopy");

  // Reached by Tab, the list has a current cell but none chosen: neither
  // copies.
  ui::WalkFocus(1, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), &list);
  QApplication::clipboard()->setText("before");
  EXPECT_FALSE(copy.isEnabled());
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copied(), "before");

  ui::ClickCell(list, 0, 1);
  EXPECT_TRUE(copy.isEnabled());
  for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo", "EditSelectAll"})
    EXPECT_FALSE(Action("EditMenu", item).isEnabled()) << item << ": a list is only read";
  copy.trigger();
  EXPECT_EQ(copied(), full) << "the full text, as the tooltip shows it";
  QApplication::clipboard()->setText("before");
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copied(), full);

  ui::ClickCell(list, 1, 0);
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copied(), "CH4");
  list.DeleteAllRows();
  EXPECT_FALSE(copy.isEnabled()) << "nothing left to copy";
}

TEST_F(Menus, QuitEndsTheEventLoop) {
  fw::Window window({.title = "Quit", .width = 200, .height = 100}, kFieldLayout);
  window.Show();
  QTimer::singleShot(0, [&] { Action("FileMenu", "FileQuit").trigger(); });
  EXPECT_EQ(app().Run(), 0);
  EXPECT_TRUE(window.isVisible()) << "the loop ends; shut-down is the program's";
}

TEST_F(Menus, ControlQQuitsFromAnyWindowWithTheMenuBar) {
  fw::Window window({.title = "Quit", .width = 200, .height = 100}, kFieldLayout);
  ui::Activate(window);
  QTimer::singleShot(0, [&] { QTest::keyClick(&window.editField("Field"), Qt::Key_Q, Qt::ControlModifier); });
  QTimer failed;  // ends the loop only when the shortcut did not
  failed.setSingleShot(true);
  QObject::connect(&failed, &QTimer::timeout, [&] { app().exit(7); });
  failed.start(2000);
  EXPECT_EQ(app().Run(), 0);
}

TEST_F(Menus, AnExceptionEscapingAHandlerInTheLoopIsReportedAndTheLoopGoesOn) {
  const fw::ControlSpec layout[] = {{fw::Kind::PushButton, "Go", "go", 10, 10, 80, 25}};
  fw::Window window({.title = "Loop", .width = 200, .height = 100}, layout);
  window.onAction("Go", [] { throw std::runtime_error("bad entry"); });
  ui::ErrorCapture reports;
  QTimer::singleShot(0, [&] { ui::Click(window.pushButton("Go")); });
  QTimer::singleShot(0, [&] { Action("FileMenu", "FileQuit").trigger(); });
  EXPECT_EQ(app().Run(), 0);
  EXPECT_EQ(reports.Messages(), std::vector<std::string>{"bad entry"});
}

}  // namespace
