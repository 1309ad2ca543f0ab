#include "adat_csoport.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

#include "grafikon_panel.h"
#include "pnx_grafikon.h"
#include "szam_szoveg.h"

namespace zelvaris {

namespace {
constexpr int SorTavolsag = 36;
constexpr int MintaMeret = 17;
constexpr int JeloloMagassag = 17;

void MintaSzinezes(QFrame* minta, const QColor& szin, bool szaggatott) {
  if (!szaggatott) {
    minta->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(szin.name()));
    return;
  }
  // Colour, a gap, colour: a dash as the line shows it.
  minta->setStyleSheet(QStringLiteral("background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 %1, "
                                      "stop: 0.35 %1, stop: 0.351 transparent, stop: 0.65 transparent, "
                                      "stop: 0.651 %1, stop: 1 %1); border: 1px solid black;")
                           .arg(szin.name()));
}
}  // namespace

TAdatCsoport::TAdatCsoport(TPnx_Grafikon& grafikon, TAdatForras forras, QWidget* dobozTartalom, int sorszam)
    : grafikon_(grafikon), forras_(std::move(forras)), sorszam_(sorszam) {
  jelolo_ = new QCheckBox(dobozTartalom);
  jelolo_->setChecked(true);
  minta_ = new QFrame(dobozTartalom);
  MintaSzinezes(minta_, szin_, szaggatott_);
  ertekCimke_ = new QLabel(dobozTartalom);
  ertekCimke_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QObject::connect(jelolo_, &QCheckBox::toggled, jelolo_, [this](bool v) { SetLathato(v); });
  Elrendez(dobozTartalom->width());
  jelolo_->show();
  minta_->show();
  ertekCimke_->show();
}

TAdatCsoport::~TAdatCsoport() {
  delete jelolo_;
  delete minta_;
  delete ertekCimke_;
}

void TAdatCsoport::Elrendez(int dobozSzelesseg) {
  const int teteje = SorTavolsag * sorszam_ - 32;
  jelolo_->setGeometry(4, teteje, std::max(20, dobozSzelesseg - 24), JeloloMagassag);
  minta_->setGeometry(21, teteje + JeloloMagassag, MintaMeret, MintaMeret);
  const int bal = 21 + MintaMeret + 4;
  ertekCimke_->move(bal, teteje + JeloloMagassag);
  FrissuloCimke(ertekCimke_, std::max(0, dobozSzelesseg - 20 - bal), MintaMeret);
}

void TAdatCsoport::SetNev(const QString& nev) {
  if (nev == nev_) return;
  nev_ = nev;
  jelolo_->setText(nev);
}

void TAdatCsoport::SetSzin(const QColor& szin) {
  if (szin == szin_) return;
  szin_ = szin;
  MintaSzinezes(minta_, szin, szaggatott_);
  grafikon_.Frissit();
}

void TAdatCsoport::SetSzaggatott(bool v) {
  if (v == szaggatott_) return;
  szaggatott_ = v;
  MintaSzinezes(minta_, szin_, v);
  grafikon_.Frissit();
}

void TAdatCsoport::SetLathato(bool v) {
  if (v == lathato_) return;
  lathato_ = v;
  jelolo_->setChecked(v);
  grafikon_.LathatosagValtozott();
}

QString TAdatCsoport::CimkeSzoveg() const {
  return vanCimkeErtek_ ? TizedesSzoveg(cimkeErtek_, tizedesjegyek_) : QString();
}

void TAdatCsoport::SetCimkeErtek(double ertek, int tizedesjegyek) {
  if (vanCimkeErtek_ && ertek == cimkeErtek_ && tizedesjegyek == tizedesjegyek_) return;
  vanCimkeErtek_ = true;
  cimkeErtek_ = ertek;
  tizedesjegyek_ = tizedesjegyek;
  kiirva_ = false;
}

void TAdatCsoport::CimkeKiiras() {
  if (kiirva_) return;
  kiirva_ = true;
  ertekCimke_->setText(CimkeSzoveg());
}

}  // namespace zelvaris
