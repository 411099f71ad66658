#pragma once
// What a window shows holds no infinity or NaN as a number: no label, no
// list heading or cell, and no entry field but those the test typed into
// (named as such, or as "<list>:<row>" for a list row whose cell it typed).
// With the entries that read as no finite number, and the shared state that
// a refused entry leaves as it was.

#include <array>
#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/windows/WindowTestSupport.h"

namespace wintest {

// "inf", "-inf", "nan", "-nan", "infinity" (any case) as a word of the text,
// also within a complex root's text: how a conversion writes an infinity or
// a NaN.
inline bool ShowsNonFinite(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto letter = [&](std::size_t at) { return at < lower.size() && std::isalpha(static_cast<unsigned char>(lower[at])); };
  for (const std::string word : {"nan", "infinity", "inf"}) {
    for (auto at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1))
      if ((at == 0 || !letter(at - 1)) && !letter(at + word.size())) return true;
  }
  return false;
}

// Returns how many texts showed one, for a driver's counts.
inline int ExpectNoNonFiniteShown(fw::Window& window, const std::string& where,
                                  const std::set<std::string>& typed = {}) {
  int found = 0;
  const auto expectFinite = [&](const std::string& at, const std::string& text) {
    const bool nonFinite = ShowsNonFinite(text);
    EXPECT_FALSE(nonFinite) << at << text << '"';
    found += nonFinite;
  };
  for (fw::Control* control : window.Controls()) {
    const std::string at = where + ", " + window.Title() + " " + control->Name() + ": \"";
    if (auto* label = dynamic_cast<fw::StaticText*>(control)) {
      expectFinite(at, label->Text());
    } else if (auto* field = dynamic_cast<fw::EditField*>(control)) {
      if (!typed.contains(control->Name())) expectFinite(at, field->Text());
    } else if (auto* list = dynamic_cast<fw::ListBox*>(control)) {
      for (int column = 0; column < list->ColumnCount(); ++column) {
        expectFinite(at, list->Heading(column));
        for (int row = 0; row < list->RowCount(); ++row)
          if (!typed.contains(control->Name() + ":" + std::to_string(row))) expectFinite(at, list->Cell(row, column));
      }
    }
  }
  return found;
}

// Texts that the text-to-number conversion reads as an infinity or a NaN,
// each with a name for the test's messages.
inline const std::vector<std::pair<const char*, std::string>>& NotFiniteTexts() {
  static const std::vector<std::pair<const char*, std::string>> texts = {
      {"inf", "inf"},     {"-inf", "-inf"},     {"nan", "nan"},
      {"-nan", "-nan"},   {"1e400", "1e400"},   {"-1e400", "-1e400"},
      {"400 digits", std::string(400, '9')},
  };
  return texts;
}

// The shared conditions and results that the windows write, as they stand.
struct SharedConditions {
  double T = Globals::TempKelvin, P = Globals::PresMPa;
  std::array<double, 4> volumes = Globals::MolarVolumes;
  Globals::GasTable activity = Globals::Activity;
  bool operator==(const SharedConditions&) const = default;
};

}  // namespace wintest
