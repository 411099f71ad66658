#include "framework/NumberText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

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

// The exponent as printf writes it: a sign and at least two digits.
QString ExponentText(QChar mark, int order) {
  return QString(mark) + QChar(order < 0 ? '-' : '+') + QStringLiteral("%1").arg(std::abs(order), 2, 10, QChar('0'));
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
    number.exponentMark = match.capturedLength(3) ? match.captured(3)[0] : QChar();
    // Exponents beyond a Double's range are shown as written.
    const int exponent = std::clamp(match.captured(4).toInt(), -9999, 9999);
    number.order = int(match.capturedLength(1) - number.leadingZeros - 1) + exponent;
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
  int order = number.order;
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
