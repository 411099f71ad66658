#pragma once
// Whether a text shown in a box reads as the full text it stands for: the
// same words, the same count of numbers, each number either as written or
// rounded, that is within half a unit of its last digit shown, and no
// ellipsis anywhere.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>
#include <vector>

namespace testing_support {

struct ShownNumber {
  std::string text;
  long double value;
  long double lastDigit;  // the unit of the last digit written
};

inline std::vector<ShownNumber> NumbersIn(const std::string& text, std::string& words) {
  static const std::regex number(R"((\d+)(?:\.(\d*))?(?:[eE]([-+]?\d+))?)");
  std::vector<ShownNumber> numbers;
  words.clear();
  auto from = text.cbegin();
  for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it) {
    const std::smatch& match = *it;
    words.append(from, match[0].first) += '#';
    from = match[0].second;
    const int decimals = int(match[2].length());
    const int exponent = match[3].matched ? std::stoi(match[3].str()) : 0;
    numbers.push_back({match[0].str(), std::strtold(match[0].str().c_str(), nullptr),
                       std::pow(10.0L, exponent - decimals)});
  }
  words.append(from, text.cend());
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
