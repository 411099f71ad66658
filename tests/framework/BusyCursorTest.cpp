// The busy cursor of a long handler: shown once the delay has passed, and
// only then; put back at the end of the handler, leaving any cursor that was
// set before it.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <chrono>

#include "framework/BusyCursor.h"

namespace {

using namespace std::chrono_literals;

Qt::CursorShape OverrideShape() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor ? cursor->shape() : Qt::BlankCursor;  // blank: no override
}

TEST(BusyCursor, ShownAfterTheDelayAndPutBackAtTheEnd) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));  // set before the handler
  {
    fw::BusyCursor busy(0ms);
    EXPECT_FALSE(busy.Shown());
    EXPECT_EQ(OverrideShape(), Qt::CrossCursor);  // nothing before the first poll
    busy.Poll();
    EXPECT_TRUE(busy.Shown());
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    busy.Poll();  // once shown, later polls change nothing
  }
  EXPECT_EQ(OverrideShape(), Qt::CrossCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyCursor, ShortHandlerNeverShowsIt) {
  {
    fw::BusyCursor busy(1h);
    for (int pass = 0; pass < 1000; ++pass) busy.Poll();
    EXPECT_FALSE(busy.Shown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
