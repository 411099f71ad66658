#pragma once
// The designed layout of a window: its own properties and the table of its
// controls, applied in table order when the window is built.

#include <memory>

namespace fw {

class Picture;
using PicturePtr = std::shared_ptr<const Picture>;
// A built-in picture's getter (it loads the picture once and caches it).
using PictureGetter = PicturePtr (*)();

enum class Kind {
  StaticText,
  EditField,
  PushButton,
  RadioButton,
  GroupBox,
  Rectangle,       // filled rectangle; a container
  RoundRectangle,  // the same with 16 x 16 corner ovals; a container
  Line,            // from (left, top) to (left + width, top + height)
  Canvas,          // shows its backdrop picture
  ImageWell,       // shows its image
  ListBox,
  ScrollBar,       // vertical
};

// Flags of a control, or-ed together.
enum Flag : unsigned {
  MultiLine = 1u << 0,     // static text wraps within its box
  Bold = 1u << 1,
  Italic = 1u << 2,
  AlignCenter = 1u << 3,   // static text
  AlignRight = 1u << 4,    // static text
  DefaultButton = 1u << 5, // push button pressed by Return in the window
  Hidden = 1u << 6,
  Disabled = 1u << 7,
  On = 1u << 8,            // radio button on when built
  NoBorder = 1u << 9,      // rectangle or rounded rectangle without border
  Heading = 1u << 10,      // list box shows its heading row
  GridVertical = 1u << 11, // list box draws lines between its columns
  NoScrollBars = 1u << 12, // list box never shows a scroll bar
  LiveScroll = 1u << 13,   // scroll bar reports values while the thumb is dragged
  TabLast = 1u << 14,      // the keyboard's last stop in the window ("clear")
};

// One row of a layout table. Positions are in window coordinates of the
// designed layout (every container at its designed place), also for controls
// that sit on a container; the window turns them into container coordinates,
// so moving a container later carries its controls along.
struct ControlSpec {
  Kind kind;
  const char* name;
  const char* text = "";      // text, caption, or a list box's headings "A\tB"
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int textSize = 0;           // font size in pixels; 0 = the desktop default
  unsigned flags = 0;
  const char* parent = nullptr;  // container control by name; nullptr = window
  const char* font = "System";   // "System" = the desktop default family
  const char* group = nullptr;   // radio group name; nullptr = one group per parent
  PictureGetter picture = nullptr;  // canvas backdrop or image-well image
  int columns = 1;               // list box column count
  const char* columnWidths = ""; // list box, e.g. "50%, 50%" or "40% 60%"
  int minimum = 0;               // scroll bar
  int maximum = 100;
  int value = 0;
  int lineStep = 1;
  int pageStep = 10;
};

// Where a window first appears.
enum class Placement {
  Default,   // where the toolkit puts it
  Centred,   // centred on the screen's available area
};

// The window's own properties. Sizes are of the client area; a menu bar sits
// outside it.
struct WindowSpec {
  const char* title = "";
  int width = 300;
  int height = 300;
  bool resizable = false;
  int minWidth = 64;
  int minHeight = 64;
  int maxWidth = 32000;
  int maxHeight = 32000;
  bool visible = true;   // shown as soon as the getter has built it
  Placement placement = Placement::Default;
  bool menuBar = true;   // shows the application's menu bar
};

}  // namespace fw
