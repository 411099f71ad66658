// A value typed into a first-approach list and left by a click elsewhere: on
// a button of the window that reads, refills or empties the lists, or into
// another window and back. With or without Return first, the value typed is
// the one that counts, and no commit arrives late for an editor the list no
// longer has, also when the click comes in together with the Return (the
// program busy meanwhile, so that nothing queued ran between them).

#include <string>
#include <vector>

#include "app/Start2Window.h"
#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

using namespace phasetest;

enum class Then { Calculate, FirstApproach, Clear, OtherWindowAndBack };

struct Ending {
  const char* name;
  bool returnFirst;
  Then then;
};

constexpr Ending kEndings[] = {
    {"typed, then calculate", false, Then::Calculate},
    {"typed and Return, then calculate", true, Then::Calculate},
    {"typed, then calculate first approach", false, Then::FirstApproach},
    {"typed and Return, then calculate first approach", true, Then::FirstApproach},
    {"typed, then clear", false, Then::Clear},
    {"typed and Return, then clear", true, Then::Clear},
    {"typed, then another window and back", false, Then::OtherWindowAndBack},
    {"typed and Return, then another window and back", true, Then::OtherWindowAndBack},
};

class PhaseListEditTest : public WindowTest {
 protected:
  // A first approach for CO2 0.5 / CH4 0.5 at 200 K; then phase Y typed
  // equal to the fluid, 5 and 5 (its sum is 1 once normalised): CO2 ended by
  // Return, CH4 left open unless `ending` presses Return; then at once, with
  // nothing queued run, the ending's step. The value cells are opened by a
  // double-click.
  void EditAndEnd(fw::Window& window, const std::vector<std::string>& firstApproach, const char* approachButton,
                  const Ending& ending) {
    const test::QtMessageCapture messages;
    SetFluid({{CO2, 0.5}, {CH4, 0.5}});
    Perform(window, firstApproach);
    fw::ListBox& list = window.listBox("ListBoxPhaseY");
    test::DoubleClickCell(list, RowOf(list, CO2), 1);
    test::RetypeInCellEditor(list, "5");
    test::CommitCellEditor(list);
    test::ProcessEvents();
    test::DoubleClickCell(list, RowOf(list, CH4), 1);
    test::RetypeInCellEditor(list, "5");
    if (ending.returnFirst) test::CommitCellEditor(list);
    switch (ending.then) {
      case Then::Calculate: Click(window, "calculate"); break;
      case Then::FirstApproach: Click(window, approachButton); break;
      case Then::Clear: Click(window, "Clear"); break;
      case Then::OtherWindowAndBack:
        test::SwitchTo(Start2Window::Get());
        test::Activate(window);
        break;
    }
    test::ProcessEvents();
    EXPECT_EQ(messages.Containing("QAbstractItemView"), std::vector<std::string>{});
    EXPECT_FALSE(test::CellEditorOpen(list));
  }

  // What the lists and phase Y hold after the ending: the typed 5 where the
  // step keeps the phase; a refill shows the new first approach in rows that
  // no edit reaches.
  static void ExpectTypedValueKept(fw::Window& window, Then then) {
    fw::ListBox& list = window.listBox("ListBoxPhaseY");
    if (then == Then::Clear) {
      EXPECT_EQ(list.RowCount(), 0);
      EXPECT_EQ(Globals::ygas[CH4], 5.0);
    }
    if (then == Then::FirstApproach) {
      ASSERT_EQ(list.RowCount(), 2);
      EXPECT_LT(Globals::ygas[CH4], 1.0);
      EXPECT_EQ(ListValues(window, "ListBoxPhaseY")[CH4], rt::Val(rt::Str(Globals::ygas[CH4])));
      EXPECT_FALSE(list.CellEditable(RowOf(list, CH4), 1));
    }
    if (then == Then::Calculate || then == Then::OtherWindowAndBack) {
      EXPECT_EQ(list.Cell(RowOf(list, CH4), 1), "5");
    }
  }
};

// With phase Y equal to the fluid both phases are the same, so the first
// pass from a start of 10 MPa (a quarter of the way to 0.9 of it) balances
// at 9.75, a possible trivial solution; only the typed CH4 makes phase Y the
// fluid. After a switch of windows, "calculate" runs from the value typed.
TEST_F(PhaseListEditTest, BubbleDewPointCountsTheValueTypedHoweverTheEditEnds) {
  auto& window = Open<BubbleDewPoint>();
  for (const Ending& ending : kEndings) {
    SCOPED_TRACE(ending.name);
    EditAndEnd(window, {"RadioButtonTh", "dataEntryTh=200", "Liquid1", "FirstApproach", "dataEntry2=10"},
               "FirstApproach", ending);
    ExpectTypedValueKept(window, ending.then);
    if (ending.then == Then::OtherWindowAndBack) {
      EXPECT_EQ(Globals::ygas[CH4], 5.0);
      Click(window, "calculate");
    }
    if (ending.then == Then::Calculate || ending.then == Then::OtherWindowAndBack) {
      EXPECT_EQ(TextOf(window, "Answer"), "9.75");
      EXPECT_EQ(TextOf(window, "ResultText"), kTrivial);
      EXPECT_EQ(Globals::ygas[CH4], 0.5) << "5 and 5 normalised";
    }
  }
}

// This window's calculation leaves the phases as the edits made them.
TEST_F(PhaseListEditTest, LiquidVapourEqCountsTheValueTypedHoweverTheEditEnds) {
  auto& window = Open<LiquidVapourEq>();
  for (const Ending& ending : kEndings) {
    SCOPED_TRACE(ending.name);
    EditAndEnd(window, {"dataEntry=100", "dataEntry1=200", "CalFirstApproach"}, "CalFirstApproach", ending);
    ExpectTypedValueKept(window, ending.then);
    if (ending.then != Then::FirstApproach) {
      EXPECT_EQ(Globals::ygas[CH4], 5.0);
    }
  }
}

}  // namespace
