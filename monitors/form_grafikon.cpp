#include "monitors/form_grafikon.h"

#include <QComboBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/okoszisztema.h"
#include "localisation/nyelvi_tabla.h"
#include "localisation/program_uzenetek.h"
#include "monitors/kep_mentes.h"
#include "monitors/letszam_sor.h"
#include "widgets/grafikon_panel.h"
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
  SzovegekTarolasa(TNyelviTabla());
  connect(grafikon_->Panel()->CmB_Nezet, &QComboBox::currentIndexChanged, this,
          [this](int i) { SetNezet(i == 1 ? TGrafikonNezet::Dozis : TGrafikonNezet::Letszam); });
}

void TForm_Grafikon::SzovegekTarolasa(const TNyelviTabla& tabla) {
  szovegek_.Feliratok = {Qs(tabla.Szoveg("cgLbL_YTgFelirat")), Qs(tabla.Szoveg("cgLbl_Caption")),
                         Qs(tabla.Szoveg("cgChB_Kezelo")),     Qs(tabla.Szoveg("cgLbl_Ido")),
                         Qs(tabla.Szoveg("cgChB_Ertek")),      Qs(tabla.Szoveg("cgChB_IdoVonalak")),
                         Qs(tabla.Szoveg("cgLbl_Dec")),        Qs(tabla.Szoveg("cgLbl_Csusz")),
                         Qs(tabla.Szoveg("cgLbl_Oszt"))};
  szovegek_.DozisCim = Qs(tabla.Szoveg("cxLbl_DozisCaption"));
  szovegek_.DozisYFelirat = Qs(tabla.Szoveg("cxLbL_DozisYTgFelirat"));
  szovegek_.DegAtlag = Qs(tabla.Szoveg("cxSor_DegAtlag"));
  szovegek_.PerAtlag = Qs(tabla.Szoveg("cxSor_PerAtlag"));
  grafikon_->Panel()->SetNezetek({Qs(tabla.Szoveg("cx1CmB_Nezet")), Qs(tabla.Szoveg("cx2CmB_Nezet"))});
}

void TForm_Grafikon::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("cgForm_Grafikon")));
  SzovegekTarolasa(tabla);
  FeliratokAlkalmazasa();
  grafikon_->SetGombSzovegek(Qs(tabla.Szoveg("cg1Btn_AktualisKeres")), Qs(tabla.Szoveg("cg2Btn_AktualisKeres")));
  grafikon_->SetIllesztesFelirat(Qs(tabla.Szoveg("cxChB_Illesztes")));
  grafikon_->SetXTgFelirat(Qs(tabla.Szoveg(kGrafikonIdoSzoveg)));
  kepMentes_->setText(Qs(tabla.Szoveg("cxAct_KepPngMentes")));
  adatMentes_->setText(Qs(tabla.Szoveg("cxAct_AdatCsvMentes")));
  // The dose series' names carry the language's words.
  for (size_t i = 0; i < kulcsok_.size(); ++i) grafikon_->Sorozat(static_cast<int>(i)).SetNev(SorozatNev(kulcsok_[i]));
}

void TForm_Grafikon::FeliratokAlkalmazasa() {
  std::array<QString, 9> feliratok = szovegek_.Feliratok;
  if (nezet_ == TGrafikonNezet::Dozis) {
    feliratok[0] = szovegek_.DozisYFelirat;
    feliratok[1] = szovegek_.DozisCim;
  }
  grafikon_->SetFeliratok(feliratok);
}

void TForm_Grafikon::SetNezet(TGrafikonNezet nezet) {
  if (nezet == nezet_) return;
  nezet_ = nezet;
  grafikon_->Panel()->CmB_Nezet->setCurrentIndex(nezet == TGrafikonNezet::Dozis ? 1 : 0);
  grafikon_->SorozatokTorlese();
  kulcsok_.clear();
  for (int32_t i = 0; i < okoszisztema_.NovenyFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Noveny, i);
  for (int32_t i = 0; i < okoszisztema_.AllatFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Allat, i);
  FeliratokAlkalmazasa();
  grafikon_->Frissit();
}

std::vector<TSorozatOszlop> TForm_Grafikon::CsvOszlopok() const {
  return nezet_ == TGrafikonNezet::Dozis ? DozisAtlagOszlopok(okoszisztema_) : SorozatOszlopok(okoszisztema_);
}

void TForm_Grafikon::Megnyitas() {
  // Normally the elapsed time is what the sources hold; never start past it.
  grafikon_->SetHossz(std::min<int64_t>(okoszisztema_.Ido, Rogzitett()));
  for (int32_t i = 0; i < okoszisztema_.NovenyFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Noveny, i);
  for (int32_t i = 0; i < okoszisztema_.AllatFajokSzama(); ++i) SorozatHozzaadas(TSorozatFajta::Allat, i);
}

namespace {

const TElolenyFaj& Faj(const TOkoszisztema& oko, TSorozatFajta fajta, int32_t id) {
  if (fajta == TSorozatFajta::Allat) return oko.AllatFaj(id);
  return oko.NovenyFaj(id);
}

}  // namespace

QString TForm_Grafikon::SorozatNev(const TKulcs& k) const {
  const QString nev = Qs(Faj(okoszisztema_, k.Fajta, k.Id).MegjelenitettNev());
  if (nezet_ == TGrafikonNezet::Letszam) return nev;
  return nev + u' ' + (k.Perzisztens ? szovegek_.PerAtlag : szovegek_.DegAtlag);
}

void TForm_Grafikon::SorozatHozzaadas(TSorozatFajta fajta, int32_t id) {
  const bool allat = fajta == TSorozatFajta::Allat;
  if (allat ? !okoszisztema_.VanAllatFaj(id) : !okoszisztema_.VanNovenyFaj(id)) return;
  if (SorozatIndex(fajta, id) >= 0) return;
  if (nezet_ == TGrafikonNezet::Letszam) {
    SorozatFelvetele(allat ? okoszisztema_.AllatLetszam : okoszisztema_.NovenyLetszam, {fajta, id});
  } else if (allat) {
    SorozatFelvetele(okoszisztema_.AllatDozis.DegAtlag, {fajta, id, false});
    SorozatFelvetele(okoszisztema_.AllatDozis.PerAtlag, {fajta, id, true});
  }
}

void TForm_Grafikon::SorozatFelvetele(const TLetszamForras& forras, const TKulcs& kulcs) {
  TAdatCsoport& s = grafikon_->UjAdatCsoport(LetszamSor(forras, kulcs.Id));
  kulcsok_.push_back(kulcs);
  s.SetNev(SorozatNev(kulcs));
  s.SetSzin(QSzin(Faj(okoszisztema_, kulcs.Fajta, kulcs.Id).Szin()));
  s.SetSzaggatott(kulcs.Perzisztens);
}

void TForm_Grafikon::Atnevezes(TSorozatFajta fajta, int32_t id) {
  for (size_t i = 0; i < kulcsok_.size(); ++i)
    if (kulcsok_[i].Fajta == fajta && kulcsok_[i].Id == id)
      grafikon_->Sorozat(static_cast<int>(i)).SetNev(SorozatNev(kulcsok_[i]));
}

void TForm_Grafikon::Atszinezes(TSorozatFajta fajta, int32_t id) {
  for (size_t i = 0; i < kulcsok_.size(); ++i)
    if (kulcsok_[i].Fajta == fajta && kulcsok_[i].Id == id)
      grafikon_->Sorozat(static_cast<int>(i)).SetSzin(QSzin(Faj(okoszisztema_, fajta, id).Szin()));
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
