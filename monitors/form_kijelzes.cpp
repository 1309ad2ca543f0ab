#include "monitors/form_kijelzes.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "localisation/nyelvi_tabla.h"
#include "monitors/jelzo_kovetes.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

QWidget* Lap(QTabWidget* lapok, const char* nev) {
  auto* lap = new QWidget(lapok);
  lap->setObjectName(QString::fromLatin1(nev));
  lapok->addTab(lap, QString());
  return lap;
}

}  // namespace

TForm_Kijelzes::TForm_Kijelzes(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : QWidget(szulo), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_Kijelzes"));
  setWindowFlags(Qt::Tool);
  setMinimumWidth(288);
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(0, 0, 0, 0);
  lapok_ = new QTabWidget(this);
  lapok_->setObjectName(QStringLiteral("PgCtrl_Kijelzes"));
  reteg->addWidget(lapok_);

  QWidget* tkp = Lap(lapok_, "TabS_TkpKijelezve");
  auto* tkpReteg = new QVBoxLayout(tkp);
  ngyRajzol_ = new QCheckBox(QStringLiteral("Nagyítókeret"), tkp);
  ngyRajzol_->setObjectName(QStringLiteral("ChB_NgyRajzol"));
  ngyRajzol_->setChecked(true);
  // toggled, not clicked: the map checks the box by code and the frame must follow.
  connect(ngyRajzol_, &QCheckBox::toggled, this, &TForm_Kijelzes::NagyitoKeretValtozott);
  tkpReteg->addWidget(ngyRajzol_);
  auto* tkpSor = new QHBoxLayout;
  tkpReteg->addLayout(tkpSor, 1);
  tkpNovenyek_ = UjLista(false, TFajJelzo::Tkp, {"GB_TkpNovenyek", "ChB_TkpOsszesNoveny", "ChListB_TkpNovenyek"}, tkp);
  tkpAllatok_ = UjLista(true, TFajJelzo::Tkp, {"GB_TkpAllatok", "ChB_TkpOsszesAllat", "ChListB_TkpAllatok"}, tkp);
  tkpSor->addWidget(tkpNovenyek_, 1);
  tkpSor->addWidget(tkpAllatok_, 1);

  QWidget* ngy = Lap(lapok_, "TabS_NgyKijelezve");
  auto* ngySor = new QHBoxLayout(ngy);
  ngyNovenyek_ = UjLista(false, TFajJelzo::Ngy, {"GB_NgyNovenyek", "ChB_NgyOsszesNoveny", "ChListB_NgyNovenyek"}, ngy);
  ngyAllatok_ = UjLista(true, TFajJelzo::Ngy, {"GB_NgyAllatok", "ChB_NgyOsszesAllat", "ChListB_NgyAllatok"}, ngy);
  ngySor->addWidget(ngyNovenyek_, 1);
  ngySor->addWidget(ngyAllatok_, 1);

  QWidget* novenyLap = Lap(lapok_, "TabS_NovenySorrend");
  auto* novenyReteg = new QVBoxLayout(novenyLap);
  novenySorrend_ = new TSorrendCsoport(kornyezet_, false, QStringLiteral("Noveny"), novenyLap);
  novenyReteg->addWidget(novenySorrend_);
  QWidget* allatLap = Lap(lapok_, "TabS_AllatSorrend");
  auto* allatReteg = new QVBoxLayout(allatLap);
  allatSorrend_ = new TSorrendCsoport(kornyezet_, true, QStringLiteral("Allat"), allatLap);
  allatReteg->addWidget(allatSorrend_);

  resize(288, 420);

  FajListakKovetese(kornyezet_.Kozpont(), TBejegyzesiSor::Kijelzes, *this);
  connect(&kornyezet_, &TAlkalmazasKornyezet::SorrendekBetoltve, this, &TForm_Kijelzes::SorrendBetoltes);
  kornyezet_.SzovegekKovetese(TNyelviSor::Kijelzes, *this);
}

TFajJeloloLista* TForm_Kijelzes::UjLista(bool allat, TFajJelzo jelzo, const TFajJeloloLista::TNevek& nevek,
                                         QWidget* lap) {
  auto* lista = new TFajJeloloLista(kornyezet_, allat, jelzo, nevek, true, lap);
  // With equal stretch the two groups of a page share its width evenly,
  // whatever their names ask for.
  lista->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  connect(lista, &TFajJeloloLista::JelzokValtoztak, this, [this, allat, jelzo] { emit JelzokValtoztak(allat, jelzo); });
  return lista;
}

TFajJeloloLista& TForm_Kijelzes::Lista(bool allat, TFajJelzo jelzo) const {
  if (jelzo == TFajJelzo::Ngy) return allat ? *ngyAllatok_ : *ngyNovenyek_;
  return allat ? *tkpAllatok_ : *tkpNovenyek_;
}

void TForm_Kijelzes::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("cdForm_Kijelzes")));
  lapok_->setTabText(0, Qs(tabla.Szoveg("cdTabS_TkpKijelezve")));
  lapok_->setTabText(1, Qs(tabla.Szoveg("cdTabS_NgyKijelezve")));
  lapok_->setTabText(2, Qs(tabla.Szoveg("cdTabS_NovenySorrend")));
  lapok_->setTabText(3, Qs(tabla.Szoveg("cdTabS_AllatSorrend")));
  ngyRajzol_->setText(Qs(tabla.Szoveg("cdChB_NgyRajzol")));
  const QString mindet = Qs(tabla.Szoveg("cdChB_Osszes"));
  const QString novenyek = Qs(tabla.Szoveg("cdGB_Novenyek"));
  const QString allatok = Qs(tabla.Szoveg("cdGB_Allatok"));
  tkpNovenyek_->SetSzovegek(novenyek, mindet);
  ngyNovenyek_->SetSzovegek(novenyek, mindet);
  tkpAllatok_->SetSzovegek(allatok, mindet);
  ngyAllatok_->SetSzovegek(allatok, mindet);
  for (TSorrendCsoport* s : {novenySorrend_, allatSorrend_}) {
    s->SetSzovegek(Qs(tabla.Szoveg("cdGB_Sorrend")), Qs(tabla.Szoveg("cdBtn_Elejere")),
                   Qs(tabla.Szoveg("cdBtn_Vegere")), Qs(tabla.Szoveg("cdBtn_Alkalmaz")));
  }
}

void TForm_Kijelzes::AllatHozzaad(int32_t id) {
  tkpAllatok_->Hozzaad(id);
  ngyAllatok_->Hozzaad(id);
  allatSorrend_->Hozzaad(id);
}

void TForm_Kijelzes::NovenyHozzaad(int32_t id) {
  tkpNovenyek_->Hozzaad(id);
  ngyNovenyek_->Hozzaad(id);
  novenySorrend_->Hozzaad(id);
}

void TForm_Kijelzes::SorrendBetoltes() {
  novenySorrend_->Betoltes();
  allatSorrend_->Betoltes();
}

void TForm_Kijelzes::Torles() {
  for (TFajJeloloLista* l : {tkpNovenyek_, tkpAllatok_, ngyNovenyek_, ngyAllatok_}) l->Torles();
  novenySorrend_->Torles();
  allatSorrend_->Torles();
}

void TForm_Kijelzes::Atnevezes(bool allat, int32_t id) {
  Lista(allat, TFajJelzo::Tkp).Atnevezes(id);
  Lista(allat, TFajJelzo::Ngy).Atnevezes(id);
  Sorrend(allat).Atnevezes(id);
}

void TForm_Kijelzes::JelzoIgazitas(bool allat, TFajJelzo jelzo, int32_t id) {
  if (jelzo == TFajJelzo::Tkp || jelzo == TFajJelzo::Ngy) Lista(allat, jelzo).Igazitas(id);
}

void TForm_Kijelzes::JelzoMindIgazitasa(bool allat, TFajJelzo jelzo) {
  if (jelzo == TFajJelzo::Tkp || jelzo == TFajJelzo::Ngy) Lista(allat, jelzo).MindIgazitasa();
}

void TForm_Kijelzes::NagyitoKeretMutatasa() { ngyRajzol_->setChecked(true); }

}  // namespace zelvaris
