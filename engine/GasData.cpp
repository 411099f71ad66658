// Built-in gas data and the shared calculation state.

#include "engine/Globals.h"

namespace Globals {

const std::array<const char*, NumGases> GasNames = {
    "H2O", "CO2", "N2", "H2S", "NH3", "H2", "O2", "CO", "Ar", "CH4", "C2H6"};

namespace {

// Argon's critical volume and acentric factor are stored as 0.0; no function
// reads the critical volumes.
constexpr GasTable kTtrip = {273.16, 216.592, 63.148, 187.6, 195.4, 13.8,
                             54.361, 68.127, 83.3, 90.6941, 90.352};
constexpr GasTable kTcrit = {647.096, 304.128, 126.193, 373.539, 405.6, 32.98,
                             154.581, 132.85, 150.87, 190.564, 305.33};
constexpr GasTable kPcrit = {22.064, 7.3773, 3.3978, 8.94, 11.28, 1.293,
                             5.043, 3.4935, 4.898, 4.5922, 4.8718};
constexpr GasTable kVcrit = {56.0, 94.118905, 89.46944618, 97.6998, 72.5, 65.029,
                             73.36757153, 92.16589862, 0.0, 98.628, 145.5604076};
constexpr GasTable kAcentric = {0.344, 0.225, 0.04, 0.1, 0.25, -0.22,
                                0.021, 0.049, 0.0, 0.008, 0.098};
constexpr GasTable kMolarMass = {18.01528, 44.0098, 28.01348, 34.08188, 17.03056, 2.01588,
                                 31.9988, 28.0104, 39.9484, 16.04276, 30.06964};

}  // namespace

Composition fraction{};
GasTable Ttrip{}, Tcrit{}, Pcrit{}, Vcrit{}, Acentric{};
GasTable MM{};
GasMatrix a{};
GasTable b{};
std::array<double, 4> MolarVolumes{};
GasTable Fugacity{};
GasTable Coefficient{};
GasTable Activity{};
GasTable K_liq_vap{};
Composition xgas{};
Composition ygas{};
std::array<std::int64_t, NumGases> IntegerFraction{};
std::int64_t PrecisionFactor = 1'000'000'000'000;
double TempKelvin = 0.0;
double PresMPa = 0.0;
double Vexcess = 0.0;

void ResetSharedState() {
  fraction = {};
  Tcrit = {};
  Pcrit = {};
  Vcrit = {};
  a = {};
  b = {};
  MolarVolumes = {};
  MM = {};
  Fugacity = {};
  Coefficient = {};
  Activity = {};
  Ttrip = {};
  K_liq_vap = {};
  Acentric = {};
  xgas = {};
  ygas = {};
  IntegerFraction = {};
  PrecisionFactor = 1'000'000'000'000;  // 10^12 is exact as a Double too
  TempKelvin = 0.0;
  PresMPa = 0.0;
  Vexcess = 0.0;
}

// The tables hold constants, so a reload only has to copy them.
void CriticalValues() {
  Ttrip = kTtrip;
  Tcrit = kTcrit;
  Pcrit = kPcrit;
  Vcrit = kVcrit;
  Acentric = kAcentric;
}

void MolecularMasses() { MM = kMolarMass; }

}  // namespace Globals
