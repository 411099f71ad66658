#pragma once
// The status line of both two-phase windows after a run of the half-secant
// iteration.

#include <functional>

#include "framework/Controls.h"
#include "numerics/HalfSecant.h"

namespace phase {

inline constexpr const char* kNoSolution = "No solution, adjust First Approach and try again";
inline constexpr const char* kTrivialSolution =
    "Possible trivial solution, optional: adjust First Approach and try again";

struct ReportSteps {
  std::function<void()> marks = {};         // the window's result marks
  std::function<void()> captionReset = {};  // undoes them when there is no solution
  std::function<void()> finalCheck = {};    // a check of the window's own after a solution
};

// The status line: the pass count; "no solution" after a failure or a stop
// in the first pass; after a solution, the trivial-solution warning when the
// first present gas has nearly equal fractions or molar volumes in the two
// phases, then the window's final check.
void EndReport(fw::StaticText& status, const Outcome& outcome, const ReportSteps& steps = {});

}  // namespace phase
