#pragma once
// Whether a text shown in a box reads as the full text it stands for: the
// same words, the same count of numbers, each number either as written or
// rounded, that is within half a unit of its last digit shown, and no
// ellipsis anywhere.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace testing_support {

struct ShownNumber {
  std::string text;
  long double value;
  long double lastDigit;  // the unit of the last digit written
};

inline std::vector<ShownNumber> NumbersIn(const std::string& text, std::string& words) {
  static const QRegularExpression number(QStringLiteral("(\\d+)(?:\\.(\\d*))?(?:[eE]([-+]?\\d+))?"));
  const QString all = QString::fromStdString(text);
  std::vector<ShownNumber> numbers;
  QString rest;
  qsizetype from = 0;
  for (auto it = number.globalMatch(all); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    rest += all.mid(from, match.capturedStart(0) - from) + QChar('#');
    from = match.capturedEnd(0);
    const std::string written = match.captured(0).toStdString();
    const int decimals = int(match.capturedLength(2));
    const int exponent = match.capturedLength(3) ? match.captured(3).toInt() : 0;
    numbers.push_back({written, std::strtold(written.c_str(), nullptr), std::pow(10.0L, exponent - decimals)});
  }
  words = (rest + all.mid(from)).toStdString();
  return numbers;
}

inline ::testing::AssertionResult ReadsAs(const std::string& shown, const std::string& full) {
  for (const char* ellipsis : {"\u2026", "..."})
    if (shown.find(ellipsis) != std::string::npos)
      return ::testing::AssertionFailure() << "\"" << shown << "\" has an ellipsis";
  std::string shownWords, fullWords;
  const std::vector<ShownNumber> shownNumbers = NumbersIn(shown, shownWords);
  const std::vector<ShownNumber> fullNumbers = NumbersIn(full, fullWords);
  if (shownWords != fullWords || shownNumbers.size() != fullNumbers.size())
    return ::testing::AssertionFailure() << "\"" << shown << "\" is not a form of \"" << full << "\"";
  for (std::size_t i = 0; i < shownNumbers.size(); ++i) {
    const ShownNumber& a = shownNumbers[i];
    const ShownNumber& b = fullNumbers[i];
    if (a.text == b.text) continue;
    // Half a unit, and the rounding of the two readings into long doubles.
    const long double error = std::fabs(a.value - b.value);
    const long double reading = 4 * std::numeric_limits<long double>::epsilon() * std::fabs(b.value);
    if (!(error <= 0.5L * a.lastDigit + reading))
      return ::testing::AssertionFailure() << a.text << " in \"" << shown << "\" is " << double(error)
                                           << " from " << b.text << ", more than half its last digit";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace testing_support
