#pragma once
// The 34 built-in pictures. Each getter loads its picture from the
// application's resources by its fixed resource number on first use and
// keeps it until ReleaseAll at shut-down; a picture the resources lack stays
// none (nullptr) and is asked for again by the next call.

#include <array>

#include "framework/Picture.h"

namespace Pictures {

fw::PicturePtr Liquid();        // 168
fw::PicturePtr Vapour();        // 169
fw::PicturePtr Logo();          // 171
fw::PicturePtr H2O_39();        // 172
fw::PicturePtr CO2_40();        // 173
fw::PicturePtr N2_27();         // 174
fw::PicturePtr H2S_37();        // 175
fw::PicturePtr NH3_38();        // 176
fw::PicturePtr H2_27();         // 177
fw::PicturePtr O2_29();         // 178
fw::PicturePtr CO_33();         // 179
fw::PicturePtr Ar_30();         // 180
fw::PicturePtr CH4_39();        // 181
fw::PicturePtr C2H6_45();       // 182
fw::PicturePtr EoS_152();       // 183
fw::PicturePtr amix_162();      // 184
fw::PicturePtr bmix_127();      // 185
fw::PicturePtr gases_488();     // 186
fw::PicturePtr spinodal_288();  // 187
fw::PicturePtr ANV_158();       // 188
fw::PicturePtr AVV_154();       // 189
fw::PicturePtr dpdv_255();      // 190
fw::PicturePtr dpdv2_239();     // 191
fw::PicturePtr vc_99();         // 192
fw::PicturePtr pc_130();        // 193
fw::PicturePtr Tc_122();        // 194
fw::PicturePtr ac_127();        // 195
fw::PicturePtr bc_116();        // 196
fw::PicturePtr Entropy_141();   // 197
fw::PicturePtr Helmholtz_122(); // 198
fw::PicturePtr Energy_203();    // 199
fw::PicturePtr Enthalpy_165();  // 200
fw::PicturePtr Gibbs_218();     // 201
fw::PicturePtr chem_125();      // 202

// Drops every cached picture, in the order of the list above.
void ReleaseAll();

// One cache slot: the picture of a resource number, loaded once.
class CachedPicture {
 public:
  explicit constexpr CachedPicture(int resourceNumber) : number_(resourceNumber) {}
  fw::PicturePtr Get();
  void Release() { slot_.reset(); }
  bool Loaded() const { return slot_ != nullptr; }
  int ResourceNumber() const { return number_; }

 private:
  int number_;
  fw::PicturePtr slot_;
};

// The table of the built-in pictures: name, resource number, getter, and the
// control size the picture is drawn for.
struct PictureEntry {
  const char* name;
  int resourceNumber;
  fw::PictureGetter getter;
  int width;
  int height;
};
extern const std::array<PictureEntry, 34> Table;

}  // namespace Pictures
