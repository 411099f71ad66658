#include "framework/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace fw::test {

namespace {

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

void FocusAtEnd(QLineEdit& field) {
  if (QWidget* window = field.window()) {
    window->show();
    window->activateWindow();
  }
  field.setFocus(Qt::MouseFocusReason);
  field.end(false);
}

QLineEdit& OpenEditor(ListBox& list) {
  for (QLineEdit* editor : list.viewport()->findChildren<QLineEdit*>())
    if (editor->isVisible()) return *editor;
  throw std::logic_error("list box " + list.Name() + " has no open cell editor");
}

QRect ScrollBarPart(ScrollBar& bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  option.subControls = QStyle::SC_All;
  return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

void ClickPart(ScrollBar& bar, QStyle::SubControl part) {
  QTest::mouseClick(&bar, Qt::LeftButton, {}, ScrollBarPart(bar, part).center());
}

}  // namespace

void ProcessEvents() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

void Type(EditField& field, const std::string& text) {
  FocusAtEnd(field);
  QTest::keyClicks(&field, ToQ(text));
}

void Retype(EditField& field, const std::string& text) {
  FocusAtEnd(field);
  field.selectAll();
  if (text.empty())
    QTest::keyClick(&field, Qt::Key_Delete);
  else
    QTest::keyClicks(&field, ToQ(text));
}

void PressReturn(Control& control) {
  QWidget& widget = control.Widget();
  if (auto* field = dynamic_cast<EditField*>(&control)) {
    FocusAtEnd(*field);
  } else {
    if (QWidget* window = widget.window()) window->activateWindow();
    widget.setFocus(Qt::TabFocusReason);
  }
  QTest::keyClick(&widget, Qt::Key_Return);
}

void Click(PushButton& button) {
  QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
}

void Click(RadioButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  const QRect indicator = button.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button);
  QTest::mouseClick(&button, Qt::LeftButton, {}, indicator.center());
}

std::vector<std::string> WalkFocus(int presses, Qt::Key key) {
  std::vector<std::string> names;
  for (int i = 0; i < presses; ++i) {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) throw std::logic_error("no widget has the keyboard focus");
    QTest::keyClick(focused, key);
    focused = QApplication::focusWidget();
    names.push_back(focused ? focused->objectName().toStdString() : std::string());
  }
  return names;
}

void ClickCell(ListBox& list, int row, int column) {
  const QModelIndex index = list.model()->index(row, column);
  if (!index.isValid()) throw std::logic_error("list box " + list.Name() + ": no cell to click");
  list.scrollTo(index);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(index).center());
}

void TypeInCellEditor(ListBox& list, const std::string& text) {
  QLineEdit& editor = OpenEditor(list);
  editor.end(false);
  QTest::keyClicks(&editor, ToQ(text));
}

void RetypeInCellEditor(ListBox& list, const std::string& text) {
  QLineEdit& editor = OpenEditor(list);
  editor.selectAll();
  if (text.empty())
    QTest::keyClick(&editor, Qt::Key_Delete);
  else
    QTest::keyClicks(&editor, ToQ(text));
}

void CommitCellEditor(ListBox& list) { QTest::keyClick(&OpenEditor(list), Qt::Key_Return); }

void DoubleClickCell(ListBox& list, int row, int column) {
  const QModelIndex index = list.model()->index(row, column);
  if (!index.isValid()) throw std::logic_error("list box " + list.Name() + ": no cell to double-click");
  list.scrollTo(index);
  QWidget* window = list.window();
  QWindow* handle = window->windowHandle();
  if (!handle) throw std::logic_error("list box " + list.Name() + " is not shown");
  QTest::mouseDClick(handle, Qt::LeftButton, {}, list.viewport()->mapTo(window, list.visualRect(index).center()));
  ProcessEvents();
}

bool CellEditorOpen(ListBox& list) {
  const QList<QLineEdit*> editors = list.viewport()->findChildren<QLineEdit*>();
  return std::any_of(editors.begin(), editors.end(), [](const QLineEdit* editor) { return editor->isVisible(); });
}

void ClickArrowDown(ScrollBar& bar) { ClickPart(bar, QStyle::SC_ScrollBarAddLine); }
void ClickArrowUp(ScrollBar& bar) { ClickPart(bar, QStyle::SC_ScrollBarSubLine); }
void ClickPageDown(ScrollBar& bar) {
  // A click in the track below the thumb, near the bottom arrow.
  const QRect track = ScrollBarPart(bar, QStyle::SC_ScrollBarAddPage);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(track.center().x(), track.bottom() - 2));
}

void DragThumbTo(ScrollBar& bar, int value) {
  const QPoint thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
  QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
  bar.setSliderPosition(value);  // where the drag has taken the thumb
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb);
}

void TurnWheel(Window& window, QPoint at, int notches, int parts) {
  QWidget& client = window.Client();
  QWidget* under = client.childAt(at);
  if (!under) under = &client;
  const QPoint global = client.mapToGlobal(at);
  // Eighths of a degree, 120 a notch, positive away from the user.
  const QPoint turn(0, (notches > 0 ? -120 : 120) / parts);
  for (int i = 0; i < std::abs(notches) * parts; ++i) {
    // As the window system's wheel events go: to the widget beneath the
    // pointer, and on to its parents while none takes it.
    for (QWidget* widget = under; widget; widget = widget->parentWidget()) {
      QWheelEvent wheel(widget->mapFromGlobal(global), global, QPoint(), turn, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      // Taken when the widget both handled and accepted it.
      if (QApplication::sendEvent(widget, &wheel) && wheel.isAccepted()) break;
      if (widget->isWindow() || widget->testAttribute(Qt::WA_NoMousePropagation)) break;
    }
  }
  ProcessEvents();
}

void Activate(Window& window) {
  window.Show();
  if (!QTest::qWaitForWindowActive(&window, 2000)) QApplication::setActiveWindow(&window);
  ProcessEvents();
}

void SwitchTo(Window& window) {
  window.show();
  window.raise();
  QApplication::setActiveWindow(&window);
}

void ResizeClient(Window& window, int width, int height) {
  const int extraWidth = window.width() - window.Client().width();
  const int extraHeight = window.height() - window.Client().height();
  window.resize(width + extraWidth, height + extraHeight);
  ProcessEvents();
}

void CloseByCloseBox(Window& window) {
  window.close();
  ProcessEvents();
}

std::string HoverTooltip(Window& window, QPoint at) {
  QToolTip::hideText();
  ProcessEvents();
  QWindow* handle = window.windowHandle();
  if (!handle) throw std::logic_error("window " + window.Title() + " is not shown");
  const QPoint inWindow = window.Client().mapTo(&window, at);
  // Arriving from elsewhere: Qt finds the widget under the mouse itself.
  QTest::mouseMove(handle, inWindow + QPoint(1, 1));
  QTest::mouseMove(handle, inWindow);
  if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000)) return {};
  const std::string text = QToolTip::text().toStdString();
  QToolTip::hideText();
  return text;
}

namespace {

// The mouse goes through the window, so that Qt finds the widget under it
// itself; `at` in the widget's coordinates becomes the window's.
struct ThroughWindow {
  explicit ThroughWindow(QWidget& widget) : widget(widget), window(*widget.window()), handle(window.windowHandle()) {
    if (!handle) throw std::logic_error("the widget's window is not shown");
  }
  QPoint operator()(QPoint at) const { return widget.mapTo(&window, at); }
  QWidget& widget;
  QWidget& window;
  QWindow* handle;
};

}  // namespace

void ClickAt(QWidget& widget, QPoint at) {
  const ThroughWindow mouse(widget);
  QTest::mouseClick(mouse.handle, Qt::LeftButton, {}, mouse(at));
}

void DoubleClickAt(QWidget& widget, QPoint at) {
  const ThroughWindow mouse(widget);
  QTest::mouseDClick(mouse.handle, Qt::LeftButton, {}, mouse(at));
}

void DragAcross(QWidget& widget, QPoint from, QPoint to) {
  const ThroughWindow mouse(widget);
  QTest::mousePress(mouse.handle, Qt::LeftButton, {}, mouse(from));
  QTest::mouseMove(mouse.handle, mouse(to));
  QTest::mouseRelease(mouse.handle, Qt::LeftButton, {}, mouse(to));
}

namespace {

// A paint engine that draws nothing and notes every text item.
class TextRecorder : public QPaintEngine {
 public:
  TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    const QRectF box(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
    texts.push_back({item.text(), transform_.mapRect(box)});
  }
  Type type() const override { return QPaintEngine::User; }

  std::vector<DrawnText> texts;

 private:
  QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
 public:
  explicit RecordingDevice(QSize size) : size_(size) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  std::vector<DrawnText>& Texts() { return engine_.texts; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmDepth: return 32;
      case PdmDpiX: case PdmPhysicalDpiX: case PdmDpiY: case PdmPhysicalDpiY: return 96;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
      default: return QPaintDevice::metric(metric);
    }
  }

 private:
  QSize size_;
  mutable TextRecorder engine_;
};

}  // namespace

std::vector<DrawnText> TextsDrawn(QWidget& widget) {
  ProcessEvents();
  RecordingDevice device(widget.size());
  widget.render(&device);
  return std::move(device.Texts());
}

DrawnText DrawnIn(const std::vector<DrawnText>& runs, const QRect& area) {
  DrawnText joined;
  for (const DrawnText& run : runs)
    if (area.contains(run.box.center().toPoint())) {
      joined.text += run.text;
      joined.box = joined.box.isNull() ? run.box : joined.box.united(run.box);
    }
  return joined;
}

ErrorCapture::ErrorCapture() {
  previous_ = SetErrorReportHook([this](const std::string& message) { messages_.push_back(message); });
}

ErrorCapture::~ErrorCapture() { SetErrorReportHook(std::move(previous_)); }

namespace {
QtMessageCapture* newestCapture = nullptr;
}  // namespace

QtMessageCapture::QtMessageCapture() : previous_(newestCapture) {
  newestCapture = this;
  previousHandler_ = qInstallMessageHandler(&QtMessageCapture::Keep);
}

QtMessageCapture::~QtMessageCapture() {
  qInstallMessageHandler(previousHandler_);
  newestCapture = previous_;
}

void QtMessageCapture::Keep(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (newestCapture) newestCapture->messages_.push_back(message.toStdString());
}

std::vector<std::string> QtMessageCapture::Containing(const std::string& part) const {
  std::vector<std::string> found;
  for (const std::string& message : messages_)
    if (message.find(part) != std::string::npos) found.push_back(message);
  return found;
}

namespace {
QuestionAnswerer* newestAnswerer = nullptr;
}  // namespace

QuestionAnswerer::QuestionAnswerer(std::string answer) : answer_(std::move(answer)), previous_(newestAnswerer) {
  newestAnswerer = this;
  QApplication::instance()->installEventFilter(this);
}

QuestionAnswerer::~QuestionAnswerer() {
  QApplication::instance()->removeEventFilter(this);
  newestAnswerer = previous_;
}

// A question is answered once its dialog shows, from the dialog's own event
// loop.
bool QuestionAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && newestAnswerer == this)
    if (auto* box = qobject_cast<QMessageBox*>(watched))
      QMetaObject::invokeMethod(this, [this, box = QPointer<QMessageBox>(box)] { if (box) Answer(*box); },
                                Qt::QueuedConnection);
  return false;
}

// Clicks the answer's button; a dialog without it is closed unanswered.
void QuestionAnswerer::Answer(QWidget& widget) {
  auto& box = static_cast<QMessageBox&>(widget);
  Asked asked{box.windowTitle().toStdString(), box.text().toStdString(), {}, box.grab().toImage()};
  QList<QAbstractButton*> buttons = box.buttons();
  std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
  QAbstractButton* chosen = nullptr;
  for (QAbstractButton* button : buttons) {
    asked.answers.push_back(button->text().toStdString());
    if (button->text().toStdString() == answer_) chosen = button;
  }
  asked_.push_back(std::move(asked));
  if (chosen)
    QTest::mouseClick(chosen, Qt::LeftButton, {}, chosen->rect().center());
  else
    box.reject();
}

}  // namespace fw::test
