#pragma once
// What a window shows after a calculation, measured in the fonts it shows it
// in: every caption, number and heading fits its box (condensed or shortened
// in the middle, never cut off).

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <string>

#include "tests/windows/WindowTestSupport.h"

namespace wintest {

inline void ExpectNothingCutOff(fw::Window& window) {
  for (fw::Control* control : window.Controls()) {
    const std::string where = window.Title() + ": " + control->Name();
    if (auto* label = dynamic_cast<fw::StaticText*>(control)) {
      const QFontMetrics metrics = label->fontMetrics();
      if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height() + metrics.descent()) << where;
      } else {
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
      const QFontMetrics metrics(list->font());
      for (int column = 0; column < list->ColumnCount(); ++column)
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(list->Heading(column))),
                  list->columnWidth(column) + (column + 1 == list->ColumnCount() ? 40 : 0))
            << where << " heading " << column;
    }
  }
}

}  // namespace wintest
