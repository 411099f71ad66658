#include "resources/Pictures.h"

#include <QtGlobal>
#include <vector>

// Registers the compiled-in picture files once; a resource in a static
// library is not registered by itself.
static void RegisterPictureResources() {
#ifdef VDW_HAVE_PICTURES
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
#endif
}

namespace Pictures {

fw::PicturePtr CachedPicture::Get() {
  if (!slot_) {
    RegisterPictureResources();
    slot_ = fw::GetPicture(number_);
  }
  return slot_;
}

namespace {

// One cache slot per entry of the table, in table order.
std::vector<CachedPicture>& Slots() {
  static std::vector<CachedPicture> cache = [] {
    std::vector<CachedPicture> made;
    for (const PictureEntry& entry : Table) made.emplace_back(entry.resourceNumber);
    return made;
  }();
  return cache;
}

// The slot of a getter: the table is the one place that pairs a picture
// with its resource number.
fw::PicturePtr Cached(fw::PictureGetter getter) {
  for (std::size_t i = 0; i < Table.size(); ++i)
    if (Table[i].getter == getter) return Slots()[i].Get();
  return nullptr;
}

}  // namespace

fw::PicturePtr Liquid() { return Cached(&Liquid); }
fw::PicturePtr Vapour() { return Cached(&Vapour); }
fw::PicturePtr Logo() { return Cached(&Logo); }
fw::PicturePtr H2O_39() { return Cached(&H2O_39); }
fw::PicturePtr CO2_40() { return Cached(&CO2_40); }
fw::PicturePtr N2_27() { return Cached(&N2_27); }
fw::PicturePtr H2S_37() { return Cached(&H2S_37); }
fw::PicturePtr NH3_38() { return Cached(&NH3_38); }
fw::PicturePtr H2_27() { return Cached(&H2_27); }
fw::PicturePtr O2_29() { return Cached(&O2_29); }
fw::PicturePtr CO_33() { return Cached(&CO_33); }
fw::PicturePtr Ar_30() { return Cached(&Ar_30); }
fw::PicturePtr CH4_39() { return Cached(&CH4_39); }
fw::PicturePtr C2H6_45() { return Cached(&C2H6_45); }
fw::PicturePtr EoS_152() { return Cached(&EoS_152); }
fw::PicturePtr amix_162() { return Cached(&amix_162); }
fw::PicturePtr bmix_127() { return Cached(&bmix_127); }
fw::PicturePtr gases_488() { return Cached(&gases_488); }
fw::PicturePtr spinodal_288() { return Cached(&spinodal_288); }
fw::PicturePtr ANV_158() { return Cached(&ANV_158); }
fw::PicturePtr AVV_154() { return Cached(&AVV_154); }
fw::PicturePtr dpdv_255() { return Cached(&dpdv_255); }
fw::PicturePtr dpdv2_239() { return Cached(&dpdv2_239); }
fw::PicturePtr vc_99() { return Cached(&vc_99); }
fw::PicturePtr pc_130() { return Cached(&pc_130); }
fw::PicturePtr Tc_122() { return Cached(&Tc_122); }
fw::PicturePtr ac_127() { return Cached(&ac_127); }
fw::PicturePtr bc_116() { return Cached(&bc_116); }
fw::PicturePtr Entropy_141() { return Cached(&Entropy_141); }
fw::PicturePtr Helmholtz_122() { return Cached(&Helmholtz_122); }
fw::PicturePtr Energy_203() { return Cached(&Energy_203); }
fw::PicturePtr Enthalpy_165() { return Cached(&Enthalpy_165); }
fw::PicturePtr Gibbs_218() { return Cached(&Gibbs_218); }
fw::PicturePtr chem_125() { return Cached(&chem_125); }

void ReleaseAll() {
  for (CachedPicture& slot : Slots()) slot.Release();
}

const std::array<PictureEntry, 34> Table = {{
    {"Liquid", 168, &Liquid, 120, 45},
    {"Vapour", 169, &Vapour, 120, 45},
    {"Logo", 171, &Logo, 368, 87},
    {"H2O_39", 172, &H2O_39, 39, 25},
    {"CO2_40", 173, &CO2_40, 40, 25},
    {"N2_27", 174, &N2_27, 27, 25},
    {"H2S_37", 175, &H2S_37, 37, 25},
    {"NH3_38", 176, &NH3_38, 38, 25},
    {"H2_27", 177, &H2_27, 27, 25},
    {"O2_29", 178, &O2_29, 29, 25},
    {"CO_33", 179, &CO_33, 33, 25},
    {"Ar_30", 180, &Ar_30, 30, 25},
    {"CH4_39", 181, &CH4_39, 39, 25},
    {"C2H6_45", 182, &C2H6_45, 45, 25},
    {"EoS_152", 183, &EoS_152, 152, 50},
    {"amix_162", 184, &amix_162, 162, 50},
    {"bmix_127", 185, &bmix_127, 127, 50},
    {"gases_488", 186, &gases_488, 488, 30},
    {"spinodal_288", 187, &spinodal_288, 288, 100},
    {"ANV_158", 188, &ANV_158, 158, 60},
    {"AVV_154", 189, &AVV_154, 154, 60},
    {"dpdv_255", 190, &dpdv_255, 255, 60},
    {"dpdv2_239", 191, &dpdv2_239, 239, 60},
    {"vc_99", 192, &vc_99, 99, 30},
    {"pc_130", 193, &pc_130, 130, 50},
    {"Tc_122", 194, &Tc_122, 122, 50},
    {"ac_127", 195, &ac_127, 127, 50},
    {"bc_116", 196, &bc_116, 116, 50},
    {"Entropy_141", 197, &Entropy_141, 141, 55},
    {"Helmholtz_122", 198, &Helmholtz_122, 122, 55},
    {"Energy_203", 199, &Energy_203, 203, 55},
    {"Enthalpy_165", 200, &Enthalpy_165, 165, 30},
    {"Gibbs_218", 201, &Gibbs_218, 218, 30},
    {"chem_125", 202, &chem_125, 125, 60},
}};

}  // namespace Pictures
