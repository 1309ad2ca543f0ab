#include "monitors/form_goc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "app/faj_kozpont.h"
#include "widgets/qszoveg.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {

QWidget* Lap(QComboBox*& lista, const QString& nev) {
  auto* lap = new QWidget;
  auto* elrendezes = new QVBoxLayout(lap);
  lista = new QComboBox(lap);
  lista->setObjectName(nev);
  elrendezes->addWidget(lista);
  elrendezes->addStretch();
  return lap;
}

TSpinMezo* SzamMezo(QWidget* szulo, const QString& nev, int64_t lepes) {
  auto* mezo = new TSpinMezo(szulo);
  mezo->setObjectName(nev);
  // No bounds beyond what a species field holds.
  mezo->SetTartomany(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  mezo->SetLepes(lepes);
  mezo->SetErtek(0);
  return mezo;
}

}  // namespace

TForm_Goc::TForm_Goc(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : QDialog(szulo), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_Goc"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  lapok_ = new QTabWidget(this);
  lapok_->setObjectName(QStringLiteral("PgCtrl_Goc"));
  novenyLap_ = Lap(novenyek_, QStringLiteral("CmB_Noveny"));
  novenyLap_->setObjectName(QStringLiteral("TabS_Noveny"));
  allatLap_ = Lap(allatok_, QStringLiteral("CmB_Allat"));
  allatLap_->setObjectName(QStringLiteral("TabS_Allat"));
  lapok_->addTab(novenyLap_, QString());
  lapok_->addTab(allatLap_, QString());

  egyedszamFelirat_ = new QLabel(this);
  ritkitasFelirat_ = new QLabel(this);
  egyedszam_ = SzamMezo(this, QStringLiteral("SpE_Egyedszam"), 10);
  ritkitas_ = SzamMezo(this, QStringLiteral("SpE_Ritkitas"), 1);
  egyedszamFelirat_->setBuddy(egyedszam_);
  ritkitasFelirat_->setBuddy(ritkitas_);
  auto* mezok = new QGridLayout;
  mezok->addWidget(egyedszamFelirat_, 0, 0);
  mezok->addWidget(egyedszam_, 0, 1);
  mezok->addWidget(ritkitasFelirat_, 1, 0);
  mezok->addWidget(ritkitas_, 1, 1);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("BitBtn_OK"));
  ok_->setDefault(true);
  megsem_ = new QPushButton(this);
  megsem_->setObjectName(QStringLiteral("BitBtn_Megsem"));
  auto* gombok = new QHBoxLayout;
  gombok->addStretch();
  gombok->addWidget(ok_);
  gombok->addWidget(megsem_);

  auto* elrendezes = new QVBoxLayout(this);
  elrendezes->addWidget(lapok_);
  elrendezes->addLayout(mezok);
  elrendezes->addLayout(gombok);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(megsem_, &QPushButton::clicked, this, &QDialog::reject);
  connect(lapok_, &QTabWidget::currentChanged, this, [this] { MezokBetoltese(); });
  connect(novenyek_, &QComboBox::currentIndexChanged, this, [this] { MezokBetoltese(); });
  connect(allatok_, &QComboBox::currentIndexChanged, this, [this] { MezokBetoltese(); });

  TFajKozpont& kozpont = kornyezet_.Kozpont();
  auto nev = [&kozpont](TFajFajta f, int32_t id) { return Qs(kozpont.Faj(f, id).MegjelenitettNev()); };
  kozpont.BejegyzesFeliratkozas(TBejegyzesiSor::Valasztok, this, [this, nev](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      AllatFajHozzaadasa(nev(f, id));
    } else {
      NovenyFajHozzaadasa(nev(f, id));
    }
  });
  connect(&kozpont, &TFajKozpont::Atnevezve, this, [this, nev](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      AllatFajAtnevezese(id, nev(f, id));
    } else {
      NovenyFajAtnevezese(id, nev(f, id));
    }
  });
  connect(&kozpont, &TFajKozpont::Urites, this, &TForm_Goc::Urites);
  kornyezet_.SzovegekKovetese(TNyelviSor::Goc, *this);
}

void TForm_Goc::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  auto szoveg = [&](const char* kulcs) { return Qs(tabla.Szoveg(kulcs)); };
  setWindowTitle(szoveg("cpForm_Goc"));
  lapok_->setTabText(lapok_->indexOf(novenyLap_), szoveg("cpTabS_Noveny"));
  lapok_->setTabText(lapok_->indexOf(allatLap_), szoveg("cpTabS_Allat"));
  egyedszamFelirat_->setText(szoveg("cpLbl_Egyedszam"));
  ritkitasFelirat_->setText(szoveg("cpLbl_Ritkitas"));
  megsem_->setText(szoveg("cpBitBtn_Megsem"));
}

void TForm_Goc::NovenyFajHozzaadasa(const QString& megjelenitettNev) { novenyek_->addItem(megjelenitettNev); }

void TForm_Goc::AllatFajHozzaadasa(const QString& megjelenitettNev) { allatok_->addItem(megjelenitettNev); }

void TForm_Goc::NovenyFajAtnevezese(int id, const QString& megjelenitettNev) {
  if (id >= 0 && id < novenyek_->count()) novenyek_->setItemText(id, megjelenitettNev);
}

void TForm_Goc::AllatFajAtnevezese(int id, const QString& megjelenitettNev) {
  if (id >= 0 && id < allatok_->count()) allatok_->setItemText(id, megjelenitettNev);
}

void TForm_Goc::Urites() {
  novenyek_->clear();
  allatok_->clear();
}

bool TForm_Goc::NovenyOldalAktiv() const { return lapok_->currentWidget() == novenyLap_; }
bool TForm_Goc::AllatOldalAktiv() const { return lapok_->currentWidget() == allatLap_; }
void TForm_Goc::SetNovenyOldal(bool noveny) { lapok_->setCurrentWidget(noveny ? novenyLap_ : allatLap_); }
int TForm_Goc::KivalasztottNoveny() const { return novenyek_->currentIndex(); }
int TForm_Goc::KivalasztottAllat() const { return allatok_->currentIndex(); }
void TForm_Goc::NovenyKivalasztasa(int id) { novenyek_->setCurrentIndex(id); }
void TForm_Goc::AllatKivalasztasa(int id) { allatok_->setCurrentIndex(id); }
int64_t TForm_Goc::Egyedszam() const { return egyedszam_->Ertek(); }
int64_t TForm_Goc::Ritkitas() const { return ritkitas_->Ertek(); }
void TForm_Goc::SetEgyedszam(int64_t ertek) { egyedszam_->SetErtek(ertek); }
void TForm_Goc::SetRitkitas(int64_t ertek) { ritkitas_->SetErtek(ertek); }

void TForm_Goc::MezokBetoltese() {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  const TElolenyFaj* faj = nullptr;
  if (NovenyOldalAktiv() && oko.VanNovenyFaj(KivalasztottNoveny())) faj = &oko.NovenyFaj(KivalasztottNoveny());
  if (AllatOldalAktiv() && oko.VanAllatFaj(KivalasztottAllat())) faj = &oko.AllatFaj(KivalasztottAllat());
  if (faj == nullptr) return;
  egyedszam_->SetErtek(faj->GocEgyedszam);
  ritkitas_->SetErtek(faj->GocRitkitas);
}

}  // namespace zelvaris
