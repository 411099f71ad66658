#pragma once
// Windows built for the tests of the GUI layer: one of every control kind,
// and small windows for the single-instance getter.

#include <string>

#include "framework/Picture.h"
#include "framework/Window.h"

namespace fwtest {

// The stand-in picture of the test resources: 40 x 20, red with a blue
// circle of radius 6 at (30, 10).
inline fw::PicturePtr TestPicture() { return fw::GetPicture(901); }

inline const fw::WindowSpec kControlsSpec{
    .title = "Controls",
    .width = 420,
    .height = 400,
    .resizable = true,
    .minWidth = 420,
    .minHeight = 200,
    .maxWidth = 420,
    .maxHeight = 600,
};

// Positions are window coordinates, also for the controls on containers.
inline const fw::ControlSpec kControlsLayout[] = {
    {fw::Kind::Rectangle, "Rectangle1", "", 0, 0, 405, 600, 0, fw::NoBorder},
    {fw::Kind::StaticText, "Title", "Every control \xCB\x9A \xC2\xB7", 20, 10, 220, 22, 18, fw::Bold,
     "Rectangle1"},
    {fw::Kind::EditField, "Field", "", 20, 40, 120, 25, 16, 0, "Rectangle1"},
    {fw::Kind::StaticText, "Unit", "cm /mol", 150, 40, 70, 25, 16, 0, "Rectangle1"},
    {fw::Kind::StaticText, "Super", "3", 172, 36, 16, 20, 12, 0, "Rectangle1"},
    {fw::Kind::RadioButton, "Kelvin", " in K", 247, 47, 56, 20, 12, fw::On, "Rectangle1", "System",
     "unit"},
    {fw::Kind::RadioButton, "Celsius", " in \xCB\x9A" "C", 247, 68, 56, 20, 12, 0, "Rectangle1",
     "System", "unit"},
    // Created after the buttons it frames.
    {fw::Kind::GroupBox, "GroupBox1", "", 240, 40, 70, 54, 0, 0, "Rectangle1"},
    {fw::Kind::GroupBox, "GroupBox2", "Roots", 20, 70, 200, 45, 14, fw::Italic, "Rectangle1"},
    {fw::Kind::RadioButton, "Choice0", "", 30, 90, 20, 20, 18, 0, "GroupBox2", "palatino", "roots"},
    {fw::Kind::RadioButton, "Choice1", "", 60, 90, 20, 20, 18, 0, "GroupBox2", "palatino", "roots"},
    {fw::Kind::StaticText, "RootText", "1.5 and -2\xC2\xB7i", 90, 90, 120, 20, 14, fw::Italic,
     "GroupBox2", "palatino"},
    {fw::Kind::PushButton, "calculate", "calculate", 20, 125, 100, 30, 18, fw::DefaultButton,
     "Rectangle1"},
    {fw::Kind::PushButton, "Clear", "clear", 330, 10, 50, 20, 10, fw::TabLast, "Rectangle1"},
    {fw::Kind::RoundRectangle, "RoundRectangle1", "", 20, 165, 380, 35, 0, 0, "Rectangle1"},
    {fw::Kind::StaticText, "Result", "result", 30, 172, 200, 20, 14, 0, "RoundRectangle1"},
    {fw::Kind::StaticText, "Right", "right", 240, 172, 150, 20, 14, fw::AlignRight,
     "RoundRectangle1"},
    {fw::Kind::Line, "Line1", "", 20, 210, 380, 0, 0, 0, "Rectangle1"},
    {.kind = fw::Kind::Canvas, .name = "Canvas1", .left = 20, .top = 220, .width = 80,
     .height = 40, .parent = "Rectangle1", .picture = &TestPicture},
    {.kind = fw::Kind::ImageWell, .name = "ImageWell1", .left = 120, .top = 220, .width = 40,
     .height = 20, .parent = "Rectangle1", .picture = &TestPicture},
    {.kind = fw::Kind::ImageWell, .name = "HiddenWell", .left = 170, .top = 220, .width = 40,
     .height = 20, .flags = fw::Hidden, .parent = "Rectangle1", .picture = &TestPicture},
    {.kind = fw::Kind::ListBox, .name = "ListBox1", .text = "Gas\tValue", .left = 20, .top = 270,
     .width = 200, .height = 90, .textSize = 12, .flags = fw::Heading | fw::GridVertical,
     .parent = "Rectangle1", .columns = 2, .columnWidths = "40% 60%"},
    {.kind = fw::Kind::ListBox, .name = "OneValue", .left = 240, .top = 270, .width = 150,
     .height = 25, .textSize = 16, .flags = fw::NoScrollBars, .parent = "Rectangle1"},
    {fw::Kind::StaticText, "Multi", "first line\rsecond line of the note", 240, 305, 150, 60, 12,
     fw::MultiLine | fw::Italic, "Rectangle1"},
    {fw::Kind::EditField, "Disabled", "locked", 20, 370, 120, 22, 12, fw::Disabled, "Rectangle1"},
    {.kind = fw::Kind::ScrollBar, .name = "ScrollBar1", .left = 405, .top = 0, .width = 15,
     .height = 385, .maximum = 200, .pageStep = 400},
};

// Counts the events of the controls; handlers are bound after the layout.
class ControlsWindow : public fw::Window {
 public:
  ControlsWindow() : fw::Window(kControlsSpec, kControlsLayout) {
    onTextChange("Field", [this] { ++fieldChanges; lastFieldText = editField("Field").Text(); });
    onAction("calculate", [this] { ++calculatePresses; });
    onAction("Clear", [this] { ++clearPresses; });
    onAction("Kelvin", [this] { ++kelvinActions; });
    onAction("Celsius", [this] { ++celsiusActions; });
    onAction("Choice0", [this] { ++choiceActions; });
    onAction("Choice1", [this] { ++choiceActions; });
    onCellClick("ListBox1", [this](int row, int column) {
      clicks.push_back({row, column});
      listBox("ListBox1").SetCellEditable(row, 1);
      listBox("ListBox1").EditCell(row, 1);
    });
    onCellTextChange("ListBox1", [this](int row, int column) {
      edits.push_back({row, column});
      editedTexts.push_back(listBox("ListBox1").Cell(row, 1));
    });
    onValueChanged("ScrollBar1", [this] {
      ++scrolls;
      rectangle("Rectangle1").SetTop(-scrollBar("ScrollBar1").Value());
    });
  }

  void Event_Activate() override { ++activations; }
  void Event_Resizing() override {
    ++resizings;
    scrollBar("ScrollBar1").SetHeight(Height() - 15);
    scrollBar("ScrollBar1").SetMaximum(600 - Height());
  }

  struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
  };
  int fieldChanges = 0;
  std::string lastFieldText;
  int calculatePresses = 0;
  int clearPresses = 0;
  int kelvinActions = 0;
  int celsiusActions = 0;
  int choiceActions = 0;
  std::vector<Cell> clicks;
  std::vector<Cell> edits;
  std::vector<std::string> editedTexts;
  int scrolls = 0;
  int activations = 0;
  int resizings = 0;
};

}  // namespace fwtest
