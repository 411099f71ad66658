#include "windows/phase_behaviour/EndReport.h"

#include "runtime/Runtime.h"

namespace phase {

void EndReport(fw::StaticText& status, const Outcome& outcome, const ReportSteps& steps) {
  const bool solved = IsSolution(outcome);
  status.SetText("Solution after " + rt::Str(outcome.run.reported) + " iterations");
  if (steps.marks) steps.marks();
  if (!solved || outcome.run.reported == 0) {
    status.SetText(kNoSolution);
    if (steps.captionReset) steps.captionReset();
  }
  if (!solved) return;
  if (LooksTrivial(outcome)) {
    status.SetText(kTrivialSolution);
    if (steps.captionReset) steps.captionReset();
  }
  if (steps.finalCheck) steps.finalCheck();
}

}  // namespace phase
