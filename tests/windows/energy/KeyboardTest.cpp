// The energy windows from the keyboard: Tab walks the two fields first, then
// the unit switch, "calculate molar volume" and the roots, and "clear" last.

#include "tests/windows/KeysAndWheel.h"
#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

const std::vector<std::string> kScalarOrder = {"dataEntry", "dataEntry1", "Kelvin", "calculate", "Choice0", "Clear"};

const TabCase kTabOrders[] = {
    {"Energy", Opened<EnergyWindow>, kScalarOrder},
    {"Enthalpy", Opened<EnthalpyWindow>, kScalarOrder},
    {"Entropy", Opened<EntropyWindow>, kScalarOrder},
    {"Helmholtz", Opened<HelmholtzWindow>, kScalarOrder},
    {"Gibbs", Opened<GibbsWindow>, kScalarOrder},
    {"ChemPot", Opened<ChemPotWindow>,
     {"dataEntry", "dataEntry1", "Kelvin", "calculate", "Choice0", "ListBox1", "Clear"}},
};

INSTANTIATE_TEST_SUITE_P(Windows, TabOrder, ::testing::ValuesIn(kTabOrders), ByName());

}  // namespace
