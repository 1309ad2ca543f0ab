#include "monitors/kijelzes_fajlista.h"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <vector>

namespace zelvaris {

bool FajJelzoErtek(const TElolenyFaj& faj, TFajJelzo jelzo) {
  switch (jelzo) {
    case TFajJelzo::Tkp: return faj.Tkp();
    case TFajJelzo::Ngy: return faj.Ngy();
    case TFajJelzo::DegHatas: return faj.DegHatas;
    case TFajJelzo::PerHatas: return faj.PerHatas;
  }
  return false;
}

TFajJeloloLista::TFajJeloloLista(TAlkalmazasKornyezet& kornyezet, bool allat, TFajJelzo jelzo,
                                 const TNevek& nevek, bool mindetKezdo, QWidget* szulo)
    : QGroupBox(szulo), kornyezet_(kornyezet), allat_(allat), jelzo_(jelzo) {
  setObjectName(QString::fromLatin1(nevek.Csoport));
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(4, 4, 4, 4);
  reteg->setSpacing(2);
  mindet_ = new QCheckBox(this);
  mindet_->setObjectName(QString::fromLatin1(nevek.Mindet));
  mindet_->setChecked(mindetKezdo);
  lista_ = new QListWidget(this);
  lista_->setObjectName(QString::fromLatin1(nevek.Lista));
  lista_->setUniformItemSizes(true);
  reteg->addWidget(mindet_);
  reteg->addWidget(lista_, 1);
  // The box and the list are views of user clicks only; code never checks the box.
  connect(mindet_, &QCheckBox::clicked, this, &TFajJeloloLista::MindetKattintas);
  connect(lista_, &QListWidget::itemChanged, this, [this] { Kattintas(); });
}

TElolenyFaj* TFajJeloloLista::Faj(int32_t id) const {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (allat_) return oko.VanAllatFaj(id) ? &oko.AllatFaj(id) : nullptr;
  return oko.VanNovenyFaj(id) ? &oko.NovenyFaj(id) : nullptr;
}

void TFajJeloloLista::SetJelzo(TElolenyFaj& faj, bool ertek) const {
  switch (jelzo_) {
    case TFajJelzo::Tkp: faj.SetTkp(ertek); break;
    case TFajJelzo::Ngy: faj.SetNgy(ertek); break;
    case TFajJelzo::DegHatas: faj.DegHatas = ertek; break;
    case TFajJelzo::PerHatas: faj.PerHatas = ertek; break;
  }
}

void TFajJeloloLista::Hozzaad(int32_t id) {
  TElolenyFaj* f = Faj(id);
  if (f == nullptr) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  auto* elem = new QListWidgetItem(QString::fromStdString(f->MegjelenitettNev()));
  elem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  elem->setCheckState(FajJelzoErtek(*f, jelzo_) ? Qt::Checked : Qt::Unchecked);
  lista_->addItem(elem);
}

void TFajJeloloLista::Torles() {
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  lista_->clear();
}

void TFajJeloloLista::Atnevezes(int32_t id) {
  TElolenyFaj* f = Faj(id);
  if (f == nullptr || id >= lista_->count()) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  lista_->item(id)->setText(QString::fromStdString(f->MegjelenitettNev()));
}

void TFajJeloloLista::Igazitas(int32_t id) {
  TElolenyFaj* f = Faj(id);
  if (f == nullptr || id >= lista_->count()) return;
  const Qt::CheckState allapot = FajJelzoErtek(*f, jelzo_) ? Qt::Checked : Qt::Unchecked;
  QListWidgetItem* elem = lista_->item(id);
  if (elem->checkState() == allapot) return;
  TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
  elem->setCheckState(allapot);
}

void TFajJeloloLista::MindIgazitasa() {
  for (int32_t i = 0; i < lista_->count(); ++i) Igazitas(i);
}

void TFajJeloloLista::SetSzovegek(const QString& csoport, const QString& mindet) {
  setTitle(csoport);
  mindet_->setText(mindet);
}

// Every entry sets its species' flag. A flag of the map or the magnifier
// redraws the whole world when it changes; they are set with drawing
// suspended and the world is drawn once at the end instead of once each.
void TFajJeloloLista::Kattintas() {
  if (!kornyezet_.EsemenyEngedely().Engedelyezett()) return;
  std::vector<std::pair<TElolenyFaj*, bool>> valtozasok;
  for (int32_t i = 0; i < lista_->count(); ++i) {
    TElolenyFaj* f = Faj(i);
    const bool ertek = lista_->item(i)->checkState() == Qt::Checked;
    if (f != nullptr && FajJelzoErtek(*f, jelzo_) != ertek) valtozasok.emplace_back(f, ertek);
  }
  if (!valtozasok.empty()) {
    TOkoszisztema& oko = kornyezet_.Okoszisztema();
    const bool rajzol = (jelzo_ == TFajJelzo::Tkp || jelzo_ == TFajJelzo::Ngy) && oko.Rajzolhat();
    if (rajzol) oko.SetRajzolhat(false);
    for (auto& [f, ertek] : valtozasok) SetJelzo(*f, ertek);
    // Switching drawing back on redraws in full.
    if (rajzol) oko.SetRajzolhat(true);
  }
  MindIgazitasa();
  emit JelzokValtoztak();
}

void TFajJeloloLista::MindetKattintas(bool ertek) {
  if (!kornyezet_.EsemenyEngedely().Engedelyezett()) return;
  {
    TEsemenyEngedely::TZar zar(kornyezet_.EsemenyEngedely());
    for (int32_t i = 0; i < lista_->count(); ++i) {
      lista_->item(i)->setCheckState(ertek ? Qt::Checked : Qt::Unchecked);
    }
  }
  Kattintas();
}

}  // namespace zelvaris
