#pragma once
// How a text with numbers in it is shortened for a box too narrow for it:
// its numbers rounded to fewer significant digits, never cut.

#include <QString>
#include <functional>
#include <vector>

namespace fw {

class NumberText {
 public:
  explicit NumberText(const QString& text);

  const QString& Full() const { return full_; }
  // The whole text is one number, or a complex pair "a and b·i".
  bool IsNumber() const { return isNumber_; }
  // The text with each of its numbers that has more than `digits`
  // significant digits rounded to `digits` (halves away from zero). A number
  // keeps its sign, its notation where that can hold the digits (else it
  // takes an exponent: "2.02e+10") and the text around it; its exponent is
  // the exact one, however large. A number whose exponent has more digits
  // than can be counted exactly stays as written.
  QString Rounded(int digits) const;
  // The first of the text itself and its roundings to fewer and fewer digits
  // (down to one) for which `fits` holds; else the rounding to one digit.
  // `fitted` tells which.
  QString Fitting(const std::function<bool(const QString&)>& fits, bool* fitted = nullptr) const;

 private:
  struct Number {
    qsizetype start, length;
    QString digits;      // all digits, integer part and fraction
    qint64 order;        // the power of ten of the first significant digit
    QChar exponentMark;  // null without an exponent
    qsizetype leadingZeros;
  };
  QString RoundedNumber(const Number& number, int digits) const;

  QString full_;
  std::vector<Number> numbers_;
  int mostDigits_ = 0;  // significant digits of the longest number
  bool isNumber_ = false;
};

}  // namespace fw
