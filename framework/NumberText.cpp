#include "framework/NumberText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace fw {

namespace {

// A number stands alone: no letter, digit or point touches it ("H2O" holds none).
const QRegularExpression& NumberPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("(?<![\\w.])(\\d+)(?:\\.(\\d*))?(?:([eE])([-+]?\\d+))?(?![\\w.])"));
  return pattern;
}

const QRegularExpression& WholeNumberPattern() {
  static const QRegularExpression pattern(QStringLiteral(
      "^\\s*[-+]?\\d+(?:\\.\\d*)?(?:[eE][-+]?\\d+)?"
      "(?: and [-+]?\\d+(?:\\.\\d*)?(?:[eE][-+]?\\d+)?\\x{00B7}i)?\\s*$"));
  return pattern;
}

// The longest exponent counted exactly: with the digits before the point
// added, the order still fits 64 bits.
constexpr qsizetype kLongestExponent = 18;

// The written exponent ("-0012"; empty for none) as a number, or none when it
// has more digits than can be counted exactly.
std::optional<qint64> ExponentOf(const QString& written) {
  qsizetype first = written.startsWith(QChar('-')) || written.startsWith(QChar('+')) ? 1 : 0;
  const bool negative = first == 1 && written[0] == QChar('-');
  while (first < written.size() && written[first] == QChar('0')) ++first;
  const QString digits = written.mid(first);
  if (digits.size() > kLongestExponent) return std::nullopt;
  const qint64 magnitude = digits.isEmpty() ? 0 : digits.toLongLong();
  return negative ? -magnitude : magnitude;
}

// The exponent as printf writes it: a sign and at least two digits.
QString ExponentText(QChar mark, qint64 order) {
  return QString(mark) + QChar(order < 0 ? '-' : '+') + QStringLiteral("%1").arg(order < 0 ? -order : order, 2, 10, QChar('0'));
}

}  // namespace

NumberText::NumberText(const QString& text) : full_(text) {
  isNumber_ = WholeNumberPattern().match(text).hasMatch();
  for (auto it = NumberPattern().globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    Number number;
    number.start = match.capturedStart(0);
    number.length = match.capturedLength(0);
    number.digits = match.captured(1) + match.captured(2);
    number.leadingZeros = 0;
    while (number.leadingZeros < number.digits.size() && number.digits[number.leadingZeros] == QChar('0'))
      ++number.leadingZeros;
    const qsizetype significant = number.digits.size() - number.leadingZeros;
    if (significant <= 1) continue;  // nothing to round
    // A number with an exponent too long to count exactly is shown as
    // written: a rounding of it would carry some other exponent.
    const std::optional<qint64> exponent = ExponentOf(match.captured(4));
    if (!exponent) continue;
    number.exponentMark = match.capturedLength(3) ? match.captured(3)[0] : QChar();
    number.order = qint64(match.capturedLength(1) - number.leadingZeros - 1) + *exponent;
    numbers_.push_back(number);
    mostDigits_ = std::max(mostDigits_, int(significant));
  }
}

QString NumberText::Rounded(int digits) const {
  QString result;
  qsizetype at = 0;
  for (const Number& number : numbers_) {
    result += full_.mid(at, number.start - at) + RoundedNumber(number, std::max(1, digits));
    at = number.start + number.length;
  }
  return result + full_.mid(at);
}

QString NumberText::RoundedNumber(const Number& number, int digits) const {
  QString kept = number.digits.mid(number.leadingZeros);
  if (kept.size() <= digits) return full_.mid(number.start, number.length);
  qint64 order = number.order;
  const bool up = kept[digits] >= QChar('5');
  kept.truncate(digits);
  if (up) {
    int i = digits - 1;
    for (; i >= 0 && kept[i] == QChar('9'); --i) kept[i] = QChar('0');
    if (i >= 0) {
      kept[i] = QChar(kept[i].unicode() + 1);
    } else {  // 9.99 -> 10.0: one more whole digit
      kept = QString(QChar('1')) + kept.left(digits - 1);
      ++order;
    }
  }
  if (number.exponentMark.isNull()) {
    if (order < 0) return QStringLiteral("0.") + QString(-order - 1, QChar('0')) + kept;
    if (order < digits) {
      const qsizetype whole = order + 1;
      return whole == digits ? kept : kept.left(whole) + QChar('.') + kept.mid(whole);
    }
  }
  const QString mantissa = digits == 1 ? kept : kept.left(1) + QChar('.') + kept.mid(1);
  return mantissa + ExponentText(number.exponentMark.isNull() ? QChar('e') : number.exponentMark, order);
}

QString NumberText::Fitting(const std::function<bool(const QString&)>& fits, bool* fitted) const {
  if (fitted) *fitted = true;
  if (fits(full_)) return full_;
  QString tried = full_;
  for (int digits = mostDigits_ - 1; digits >= 1; --digits) {
    QString form = Rounded(digits);
    if (form == tried) continue;
    if (fits(form)) return form;
    tried = std::move(form);
  }
  if (fitted) *fitted = false;
  return tried;
}

}  // namespace fw
