#include "monitors/cella_vizsgalo.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <array>

#include "core/okoszisztema.h"
#include "localisation/nyelvi_tabla.h"
#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

namespace {

constexpr std::array kNovenyOszlopok = {"cxCol_Faj", "cxCol_Tomeg"};
constexpr std::array kAllatOszlopok = {"cxCol_Faj",      "cxCol_Nem",       "cxCol_Eletkor",  "cxCol_Evett",
                                       "cxCol_Ehezes",   "cxCol_VemhesIdo", "cxCol_UtodSzam", "cxCol_RegenIdo",
                                       "cxCol_DegDozis", "cxCol_PerDozis",  "cxCol_Tomeg"};

QTableWidget* Tablazat(const QString& nev, int oszlopok, QWidget* szulo) {
  auto* t = new QTableWidget(0, oszlopok, szulo);
  t->setObjectName(nev);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->verticalHeader()->hide();
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return t;
}

QLabel* Cimke(const char* nev, QWidget* szulo) {
  auto* l = new QLabel(szulo);
  l->setObjectName(QString::fromLatin1(nev));
  return l;
}

void Sor(QTableWidget& t, int sor, const QStringList& ertekek) {
  for (int i = 0; i < ertekek.size(); ++i) {
    QTableWidgetItem* elem = t.item(sor, i);
    if (elem == nullptr) {
      elem = new QTableWidgetItem;
      t.setItem(sor, i, elem);
    }
    elem->setText(ertekek[i]);
  }
}

}  // namespace

TForm_CellaVizsgalo::TForm_CellaVizsgalo(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : QWidget(szulo, Qt::Tool), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_CellaVizsgalo"));
  lblSor_ = Cimke("Lbl_Sor", this);
  lblOszlop_ = Cimke("Lbl_Oszlop", this);
  sor_ = Cimke("E_Sor", this);
  oszlop_ = Cimke("E_Oszlop", this);
  lblNovenyek_ = Cimke("Lbl_Novenyek", this);
  lblAllatok_ = Cimke("Lbl_Allatok", this);
  novenyek_ = Tablazat(QStringLiteral("Tbl_Novenyek"), static_cast<int>(kNovenyOszlopok.size()), this);
  allatok_ = Tablazat(QStringLiteral("Tbl_Allatok"), static_cast<int>(kAllatOszlopok.size()), this);
  auto* racs = new QGridLayout(this);
  racs->setContentsMargins(4, 4, 4, 4);
  racs->addWidget(lblSor_, 0, 0);
  racs->addWidget(sor_, 0, 1);
  racs->addWidget(lblOszlop_, 0, 2);
  racs->addWidget(oszlop_, 0, 3);
  racs->setColumnStretch(4, 1);
  racs->addWidget(lblNovenyek_, 1, 0, 1, 5);
  racs->addWidget(novenyek_, 2, 0, 1, 5);
  racs->addWidget(lblAllatok_, 3, 0, 1, 5);
  racs->addWidget(allatok_, 4, 0, 1, 5);
  racs->setRowStretch(4, 1);
  resize(720, 320);
  // The old world's individuals and cells are about to go.
  connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, [this] { Urites(); });
  // After every action, tick and drawing pass.
  connect(&kornyezet_, &TAlkalmazasKornyezet::AllapotValtozott, this, &TForm_CellaVizsgalo::Frissites);
  SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
  Urites();
}

void TForm_CellaVizsgalo::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  auto qs = [&tabla](const char* kulcs) { return QString::fromStdString(tabla.Szoveg(kulcs)); };
  setWindowTitle(qs("cxForm_CellaVizsgalo"));
  lblSor_->setText(qs("cxLbl_Sor"));
  lblOszlop_->setText(qs("cxLbl_Oszlop"));
  lblNovenyek_->setText(qs("cxLbl_Novenyek"));
  lblAllatok_->setText(qs("cxLbl_Allatok"));
  QStringList fejlec;
  for (const char* k : kNovenyOszlopok) fejlec << qs(k);
  novenyek_->setHorizontalHeaderLabels(fejlec);
  fejlec.clear();
  for (const char* k : kAllatOszlopok) fejlec << qs(k);
  allatok_->setHorizontalHeaderLabels(fejlec);
}

void TForm_CellaVizsgalo::Megnyitas(TCella cella) {
  cella_ = cella;
  show();
  raise();
  Frissites();
}

void TForm_CellaVizsgalo::Urites() {
  cella_.reset();
  sor_->clear();
  oszlop_->clear();
  novenyek_->setRowCount(0);
  allatok_->setRowCount(0);
}

void TForm_CellaVizsgalo::Frissites() {
  if (!cella_ || !isVisible()) return;
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  // A shrink or an emptied grid took the cell away.
  if (!oko.VanRacs() || cella_->Sor >= oko.L() || cella_->Oszlop >= oko.L()) {
    Urites();
    return;
  }
  Kitoltes(oko);
}

void TForm_CellaVizsgalo::Kitoltes(const TOkoszisztema& oko) {
  const int32_t s = cella_->Sor;
  const int32_t o = cella_->Oszlop;
  sor_->setText(QString::number(s));
  oszlop_->setText(QString::number(o));
  int n = 0;
  for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f) {
    const TNoveny* p = oko.NovenyAMezon(s, o, f);
    if (p == nullptr) continue;
    novenyek_->setRowCount(n + 1);
    Sor(*novenyek_, n++, {QString::fromStdString(oko.NovenyFaj(f).MegjelenitettNev()), QString::number(p->Tomeg)});
  }
  novenyek_->setRowCount(n);
  n = 0;
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f) {
    const TAllat* a = oko.AllatAMezon(s, o, f);
    if (a == nullptr) continue;
    allatok_->setRowCount(n + 1);
    Sor(*allatok_, n++,
        {QString::fromStdString(oko.AllatFaj(f).MegjelenitettNev()), QString::number(a->Nem),
         QString::number(a->Eletkor), QString::number(a->Evett), QString::number(a->Ehezes),
         QString::number(a->VemhesIdo), QString::number(a->UtodSzam), QString::number(a->RegenIdo),
         QString::number(a->DegDozis), QString::number(a->PerDozis), QString::number(a->Tomeg)});
  }
  allatok_->setRowCount(n);
}

}  // namespace zelvaris
