// The keyboard tests of every window test program, over the tables of
// windows that each program instantiates them with.

#include "tests/windows/KeysAndWheel.h"

namespace wintest {

TEST_P(TabOrder, WalksTheFieldsFirstAndClearLast) { ExpectTabOrder(GetParam().open(), GetParam().order); }
// The program of the shared pieces has no windows of its own to walk.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TabOrder);

TEST_P(ReturnKey, PressesTheButtonOfTheFocusedStep) { ExpectReturnPresses(GetParam().open(), GetParam().rows); }
// Only the programs with windows of more than one action button have rows.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReturnKey);

}  // namespace wintest
