#include "core/fajok.h"

#include <algorithm>
#include <limits>

#include "core/kereso_tabla.h"
#include "core/okoszisztema.h"

namespace zelvaris {

TElolenyFaj::TElolenyFaj(TOkoszisztema* okoszisztema, int32_t id, TSzin szin)
    : okoszisztema_(okoszisztema), id_(id), szin_(szin) {}

void TElolenyFaj::SetNev(const std::string& nev) {
  nev_ = nev;
  std::replace(nev_.begin(), nev_.end(), '\r', ' ');
  std::replace(nev_.begin(), nev_.end(), '\n', ' ');
}

std::string TElolenyFaj::MegjelenitettNev() const {
  return nev_ + " (" + std::to_string(id_) + ")";
}

void TElolenyFaj::Ujrarajzolas() {
  if (okoszisztema_ != nullptr) okoszisztema_->Ujrarajzol();
}

void TElolenyFaj::SetSzin(TSzin szin) {
  if (szin == szin_) return;
  szin_ = szin;
  Ujrarajzolas();
}

void TElolenyFaj::SetTkp(bool tkp) {
  if (tkp == tkp_) return;
  tkp_ = tkp;
  Ujrarajzolas();
}

void TElolenyFaj::SetNgy(bool ngy) {
  if (ngy == ngy_) return;
  ngy_ = ngy;
  Ujrarajzolas();
}

void TPredaTar::SetNovenyPredak(TCsoportok csoportok) {
  novenyPredak_ = std::move(csoportok);
  TalaltNovenyek.assign(novenyPredak_.size(), {});
}

void TPredaTar::SetAllatPredak(TCsoportok csoportok) {
  allatPredak_ = std::move(csoportok);
  TalaltAllatok.assign(allatPredak_.size(), {});
}

TAllatFaj::TAllatFaj(TOkoszisztema* okoszisztema, int32_t id)
    : TElolenyFaj(okoszisztema, id, FeherSzin), Predak(id) {}

void TAllatFaj::SetTomeg(int32_t tomeg) {
  tomeg_ = tomeg;
  for (int32_t i = 0; i < Egyedek.Darab(); ++i) Egyedek[i].Tomeg = tomeg;
}

void TAllatFaj::SetMozgasHossz(int32_t h) {
  if (h == mozgasHossz_) return;
  mozgasHossz_ = h;
  mozgasSugar_ = Okoszisztema()->Tabla().SugarHosszbol(h);
}

void TAllatFaj::SetMozgasSugar(int32_t r) {
  mozgasSugar_ = r;
  // A radius whose disc holds more than 2^31 - 1 cells gives the largest
  // budget instead of counting rings without end.
  constexpr int64_t legtobb = std::numeric_limits<int32_t>::max();
  const int64_t kor = Okoszisztema()->Tabla().KorMeretKorlatos(r, legtobb + 1);
  mozgasHossz_ = static_cast<int32_t>(std::min(kor - 1, legtobb));
}

int32_t TAllatFaj::MozgasPlusz() const {
  const int64_t kor =
      Okoszisztema()->Tabla().KorMeretKorlatos(mozgasSugar_, int64_t{1} << 33);
  return static_cast<int32_t>(int64_t{mozgasHossz_} - (kor - 1));
}

TNovenyFaj::TNovenyFaj(TOkoszisztema* okoszisztema, int32_t id)
    : TElolenyFaj(okoszisztema, id, ZoldSzin) {}

}  // namespace zelvaris
