#include "monitors/form_grafikon.h"

#include <QVBoxLayout>
#include <algorithm>

#include "core/okoszisztema.h"
#include "localisation/nyelvi_tabla.h"
#include "localisation/program_uzenetek.h"
#include "monitors/kep_mentes.h"
#include "monitors/letszam_sor.h"
#include "widgets/pnx_grafikon.h"
#include "widgets/qszin.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

TForm_Grafikon::TForm_Grafikon(TOkoszisztema& okoszisztema, QWidget* szulo)
    : QWidget(szulo, Qt::Window), okoszisztema_(okoszisztema) {
  setObjectName(QStringLiteral("Form_Grafikon"));
  setWindowTitle(QStringLiteral("Grafikon"));
  grafikon_ = new TPnx_Grafikon(this);
  grafikon_->setObjectName(QStringLiteral("Grafikon"));
  grafikon_->SetCaption(QStringLiteral("Populáció grafikon"));
  grafikon_->SetXTgFelirat(QStringLiteral("Idő"));
  grafikon_->SetIdovonalak(true);
  grafikon_->SetIllesztes(true);
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(0, 0, 0, 0);
  reteg->addWidget(grafikon_);
  resize(678, 307);
  kepMentes_ = HelyiMenuAkcio(*this, "Act_KepPngMentes");
  adatMentes_ = HelyiMenuAkcio(*this, "Act_AdatCsvMentes");
}

void TForm_Grafikon::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("cgForm_Grafikon")));
  grafikon_->SetFeliratok({Qs(tabla.Szoveg("cgLbL_YTgFelirat")), Qs(tabla.Szoveg("cgLbl_Caption")),
                           Qs(tabla.Szoveg("cgChB_Kezelo")), Qs(tabla.Szoveg("cgLbl_Ido")),
                           Qs(tabla.Szoveg("cgChB_Ertek")), Qs(tabla.Szoveg("cgChB_IdoVonalak")),
                           Qs(tabla.Szoveg("cgLbl_Dec")), Qs(tabla.Szoveg("cgLbl_Csusz")),
                           Qs(tabla.Szoveg("cgLbl_Oszt"))});
  grafikon_->SetGombSzovegek(Qs(tabla.Szoveg("cg1Btn_AktualisKeres")), Qs(tabla.Szoveg("cg2Btn_AktualisKeres")));
  grafikon_->SetIllesztesFelirat(Qs(tabla.Szoveg("cxChB_Illesztes")));
  grafikon_->SetXTgFelirat(Qs(tabla.Szoveg(kGrafikonIdoSzoveg)));
  kepMentes_->setText(Qs(tabla.Szoveg("cxAct_KepPngMentes")));
  adatMentes_->setText(Qs(tabla.Szoveg("cxAct_AdatCsvMentes")));
}

void TForm_Grafikon::Megnyitas() {
  // Normally the elapsed time is what the sources hold; never start past it.
  grafikon_->SetHossz(std::min<int64_t>(okoszisztema_.Ido, Rogzitett()));
  for (int32_t i = 0; i < okoszisztema_.NovenyFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Noveny, i);
  for (int32_t i = 0; i < okoszisztema_.AllatFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Allat, i);
}

void TForm_Grafikon::SorozatHozzaadas(TSorozatFajta fajta, int32_t id) {
  const bool allat = fajta == TSorozatFajta::Allat;
  if (allat ? !okoszisztema_.VanAllatFaj(id) : !okoszisztema_.VanNovenyFaj(id)) return;
  if (SorozatIndex(fajta, id) >= 0) return;
  const TElolenyFaj& faj = allat ? static_cast<const TElolenyFaj&>(okoszisztema_.AllatFaj(id))
                                 : static_cast<const TElolenyFaj&>(okoszisztema_.NovenyFaj(id));
  TAdatCsoport& s =
      grafikon_->UjAdatCsoport(LetszamSor(allat ? okoszisztema_.AllatLetszam : okoszisztema_.NovenyLetszam, id));
  kulcsok_.push_back({fajta, id});
  s.SetNev(Qs(faj.MegjelenitettNev()));
  s.SetSzin(QSzin(faj.Szin()));
}

void TForm_Grafikon::Atnevezes(TSorozatFajta fajta, int32_t id) {
  const int i = SorozatIndex(fajta, id);
  if (i < 0) return;
  const TElolenyFaj& faj = fajta == TSorozatFajta::Allat ? static_cast<const TElolenyFaj&>(okoszisztema_.AllatFaj(id))
                                                         : okoszisztema_.NovenyFaj(id);
  grafikon_->Sorozat(i).SetNev(Qs(faj.MegjelenitettNev()));
}

void TForm_Grafikon::Atszinezes(TSorozatFajta fajta, int32_t id) {
  const int i = SorozatIndex(fajta, id);
  if (i < 0) return;
  const TElolenyFaj& faj = fajta == TSorozatFajta::Allat ? static_cast<const TElolenyFaj&>(okoszisztema_.AllatFaj(id))
                                                         : okoszisztema_.NovenyFaj(id);
  grafikon_->Sorozat(i).SetSzin(QSzin(faj.Szin()));
}

int TForm_Grafikon::SorozatKeres(const QString& nev) const {
  for (int i = 0; i < grafikon_->SorozatokSzama(); ++i)
    if (grafikon_->Sorozat(i).Nev() == nev) return i;
  return -1;
}

int TForm_Grafikon::SorozatIndex(TSorozatFajta fajta, int32_t id) const {
  for (size_t i = 0; i < kulcsok_.size(); ++i)
    if (kulcsok_[i].Fajta == fajta && kulcsok_[i].Id == id) return static_cast<int>(i);
  return -1;
}

int64_t TForm_Grafikon::Rogzitett() const {
  return std::min(okoszisztema_.AllatLetszam.Hossz(), okoszisztema_.NovenyLetszam.Hossz());
}

void TForm_Grafikon::Leptet() {
  const int64_t rogzitett = Rogzitett();
  while (grafikon_->Hossz() < rogzitett) grafikon_->Leptet();
}

}  // namespace zelvaris
