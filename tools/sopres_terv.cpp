#include "tools/sopres_terv.h"

namespace zelvaris {

TFutasTerv FutasTerve(const TBatchBeallitas& b, uint32_t mag, int32_t index) {
  TFutasTerv f;
  f.Index = index;
  f.Ismetles = index % b.Ismetlesek;
  f.Mag = mag + static_cast<uint32_t>(f.Ismetles);
  int64_t pont = index / b.Ismetlesek;
  f.Ertekek.resize(b.Sopresek.size());
  for (size_t i = b.Sopresek.size(); i-- > 0;) {
    const TSopresLeiras& s = b.Sopresek[i];
    f.Ertekek[i] = static_cast<int32_t>(s.Tol + (pont % s.Pontok()) * s.Lepes);
    pont /= s.Pontok();
  }
  return f;
}

std::vector<TBeallitando> FutasErtekei(const TBatchBeallitas& b, const TFutasTerv& f) {
  std::vector<TBeallitando> ertekek = RogzitettErtekek(b);
  for (size_t i = 0; i < b.Sopresek.size(); ++i)
    ertekek.push_back({&b.Sopresek[i].Parameter, std::to_string(f.Ertekek[i])});
  return ertekek;
}

}  // namespace zelvaris
