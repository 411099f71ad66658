#pragma once
// What a window shows after a calculation, measured in the fonts it shows it
// in and as it is drawn: every caption, number and heading fits its box
// (condensed, or a number rounded, never cut off or elided), and every
// number shown, in a label or a list cell, reads as the full value to within
// the digits it shows.

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <string>

#include "tests/ReadsAs.h"
#include "tests/windows/WindowTestSupport.h"

namespace wintest {

// Each visible cell of the list as drawn: whole or rounded, within its column.
inline void ExpectCellsReadable(fw::ListBox& list, const std::string& where) {
  const std::vector<test::DrawnText> runs = test::TextsDrawn(*list.viewport());
  for (int row = 0; row < list.RowCount(); ++row)
    for (int column = 0; column < list.ColumnCount(); ++column) {
      const QRect cell = list.visualRect(list.model()->index(row, column));
      if (!cell.intersects(list.viewport()->rect())) continue;
      const test::DrawnText drawn = test::DrawnIn(runs, cell);
      const std::string at = where + " cell (" + std::to_string(row) + ", " + std::to_string(column) + ")";
      EXPECT_TRUE(testing_support::ReadsAs(drawn.text.toStdString(), list.Cell(row, column))) << at;
      EXPECT_LE(drawn.box.right(), cell.left() + cell.width()) << at;
    }
}

inline void ExpectNothingCutOff(fw::Window& window) {
  for (fw::Control* control : window.Controls()) {
    const std::string where = window.Title() + ": " + control->Name();
    if (auto* label = dynamic_cast<fw::StaticText*>(control)) {
      const QFontMetrics metrics = label->fontMetrics();
      if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height() + metrics.descent()) << where;
      } else {
        if (label->isVisible() && !label->Text().empty() && !label->text().contains(QChar('\n'))) {
          const test::DrawnText drawn = test::DrawnIn(test::TextsDrawn(*label), label->rect());
          EXPECT_TRUE(testing_support::ReadsAs(drawn.text.toStdString(), label->Text())) << where;
          EXPECT_LE(drawn.box.right(), label->width()) << where << " \"" << drawn.text.toStdString() << "\"";
        }
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << where << " \"" << label->Text() << "\"";
        // The ink ends above the box's bottom (a "*" in a 10-pixel box fits).
        if (!label->text().isEmpty()) {
          EXPECT_LE(metrics.ascent() + metrics.tightBoundingRect(label->text()).bottom(), label->height())
              << where;
        }
      }
    } else if (auto* radio = dynamic_cast<fw::RadioButton*>(control)) {
      QStyleOptionButton option;
      option.initFrom(radio);
      const int room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
      EXPECT_LE(radio->fontMetrics().horizontalAdvance(radio->text()), room) << where;
    } else if (auto* button = dynamic_cast<fw::PushButton*>(control)) {
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 4) << where;
    } else if (auto* box = dynamic_cast<fw::GroupBox*>(control)) {
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 8) << where;
    } else if (auto* list = dynamic_cast<fw::ListBox*>(control)) {
      ExpectCellsReadable(*list, where);
      const QFontMetrics metrics(list->font());
      for (int column = 0; column < list->ColumnCount(); ++column)
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(list->Heading(column))),
                  list->columnWidth(column) + (column + 1 == list->ColumnCount() ? 40 : 0))
            << where << " heading " << column;
    }
  }
}

}  // namespace wintest
