#include "monitors/kijelzes_sorrend.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelvaris {

std::vector<int32_t> RendezettSorrend(const std::vector<int32_t>& tarolt, int32_t fajokSzama) {
  std::vector<int32_t> eredmeny;
  std::vector<bool> latott(static_cast<size_t>(std::max(fajokSzama, 0)), false);
  for (int32_t id : tarolt) {
    if (id < 0 || id >= fajokSzama || latott[static_cast<size_t>(id)]) continue;
    latott[static_cast<size_t>(id)] = true;
    eredmeny.push_back(id);
  }
  for (int32_t id = 0; id < fajokSzama; ++id) {
    if (!latott[static_cast<size_t>(id)]) eredmeny.push_back(id);
  }
  return eredmeny;
}

TSorrendCsoport::TSorrendCsoport(TAlkalmazasKornyezet& kornyezet, bool allat, const QString& fajta,
                                 QWidget* szulo)
    : QGroupBox(szulo), kornyezet_(kornyezet), allat_(allat) {
  setObjectName(QStringLiteral("GB_%1Sorrend").arg(fajta));
  auto* reteg = new QVBoxLayout(this);
  auto* sor = new QHBoxLayout;
  lista_ = new QListWidget(this);
  lista_->setObjectName(QStringLiteral("ListB_%1Sorrend").arg(fajta));
  auto* nyilak = new QWidget(this);
  nyilak->setObjectName(QStringLiteral("UpDn_%1Sorrend").arg(fajta));
  auto* nyilReteg = new QVBoxLayout(nyilak);
  nyilReteg->setContentsMargins(0, 0, 0, 0);
  nyilReteg->setSpacing(0);
  fel_ = new QToolButton(nyilak);
  fel_->setObjectName(QStringLiteral("Fel"));
  fel_->setArrowType(Qt::UpArrow);
  le_ = new QToolButton(nyilak);
  le_->setObjectName(QStringLiteral("Le"));
  le_->setArrowType(Qt::DownArrow);
  nyilReteg->addWidget(fel_);
  nyilReteg->addWidget(le_);
  nyilReteg->addStretch(1);
  sor->addWidget(lista_, 1);
  sor->addWidget(nyilak);
  reteg->addLayout(sor, 1);

  auto* gombok = new QHBoxLayout;
  elejere_ = new QPushButton(QStringLiteral("Elejére"), this);
  elejere_->setObjectName(QStringLiteral("Btn_%1Elejere").arg(fajta));
  vegere_ = new QPushButton(QStringLiteral("Végére"), this);
  vegere_->setObjectName(QStringLiteral("Btn_%1Vegere").arg(fajta));
  alkalmaz_ = new QPushButton(QStringLiteral("Alkalmaz"), this);
  alkalmaz_->setObjectName(QStringLiteral("Btn_%1Alkalmaz").arg(fajta));
  alkalmaz_->setEnabled(false);
  gombok->addWidget(elejere_);
  gombok->addWidget(vegere_);
  gombok->addWidget(alkalmaz_);
  reteg->addLayout(gombok);

  connect(fel_, &QToolButton::clicked, this, &TSorrendCsoport::Fel);
  connect(le_, &QToolButton::clicked, this, &TSorrendCsoport::Le);
  connect(elejere_, &QPushButton::clicked, this, &TSorrendCsoport::Elejere);
  connect(vegere_, &QPushButton::clicked, this, &TSorrendCsoport::Vegere);
  connect(alkalmaz_, &QPushButton::clicked, this, &TSorrendCsoport::Alkalmaz);
}

QString TSorrendCsoport::Nev(int32_t id) const {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (allat_) return oko.VanAllatFaj(id) ? QString::fromStdString(oko.AllatFaj(id).MegjelenitettNev()) : QString();
  return oko.VanNovenyFaj(id) ? QString::fromStdString(oko.NovenyFaj(id).MegjelenitettNev()) : QString();
}

void TSorrendCsoport::Hozzaad(int32_t id) {
  fuggo_.push_back(id);
  lista_->addItem(Nev(id));
  if (lista_->count() == 1) lista_->setCurrentRow(0);
}

void TSorrendCsoport::Betoltes() {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  fuggo_ = allat_ ? RendezettSorrend(oko.AllatSorrend, oko.AllatFajokSzama())
                  : RendezettSorrend(oko.NovenySorrend, oko.NovenyFajokSzama());
  lista_->clear();
  for (int32_t id : fuggo_) lista_->addItem(Nev(id));
  if (lista_->count() > 0) lista_->setCurrentRow(0);
  alkalmaz_->setEnabled(false);
}

void TSorrendCsoport::Torles() {
  fuggo_.clear();
  lista_->clear();
  alkalmaz_->setEnabled(false);
}

void TSorrendCsoport::Atnevezes(int32_t id) {
  for (size_t k = 0; k < fuggo_.size(); ++k) {
    if (fuggo_[k] == id) lista_->item(static_cast<int>(k))->setText(Nev(id));
  }
}

// Moves one entry of the list and of the pending order; the selection follows it.
void TSorrendCsoport::Athelyezes(int honnan, int hova) {
  const auto h = static_cast<size_t>(honnan);
  const int32_t id = fuggo_[h];
  fuggo_.erase(fuggo_.begin() + honnan);
  fuggo_.insert(fuggo_.begin() + hova, id);
  QListWidgetItem* elem = lista_->takeItem(honnan);
  lista_->insertItem(hova, elem);
  lista_->setCurrentRow(hova);
}

void TSorrendCsoport::Elejere() {
  const int p = lista_->currentRow();
  if (lista_->count() < 2 || p < 1) return;
  Athelyezes(p, 0);
  alkalmaz_->setEnabled(true);
}

void TSorrendCsoport::Vegere() {
  const int p = lista_->currentRow();
  const int utolso = lista_->count() - 1;
  if (lista_->count() < 2 || p < 0 || p >= utolso) return;
  Athelyezes(p, utolso);
  alkalmaz_->setEnabled(true);
}

// The arrows swap the selected entry with its neighbour; the selection stays
// at its position, so it now marks the neighbour.
void TSorrendCsoport::Fel() {
  const int p = lista_->currentRow();
  if (p < 0) return;
  if (p > 0) {
    std::swap(fuggo_[static_cast<size_t>(p)], fuggo_[static_cast<size_t>(p - 1)]);
    QListWidgetItem* elem = lista_->takeItem(p - 1);
    lista_->insertItem(p, elem);
    lista_->setCurrentRow(p);
  }
  alkalmaz_->setEnabled(true);
}

void TSorrendCsoport::Le() {
  const int p = lista_->currentRow();
  if (p < 0) return;
  if (p < lista_->count() - 1) {
    std::swap(fuggo_[static_cast<size_t>(p)], fuggo_[static_cast<size_t>(p + 1)]);
    QListWidgetItem* elem = lista_->takeItem(p + 1);
    lista_->insertItem(p, elem);
    lista_->setCurrentRow(p);
  }
  alkalmaz_->setEnabled(true);
}

// The whole order is replaced and drawn at once: drawing only the changed
// cells would leave the rest of the map in the old order.
void TSorrendCsoport::Alkalmaz() {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  const int32_t fajok = allat_ ? oko.AllatFajokSzama() : oko.NovenyFajokSzama();
  (allat_ ? oko.AllatSorrend : oko.NovenySorrend) = RendezettSorrend(fuggo_, fajok);
  alkalmaz_->setEnabled(false);
  oko.Ujrarajzol();
}

void TSorrendCsoport::SetSzovegek(const QString& csoport, const QString& elejere, const QString& vegere,
                                  const QString& alkalmaz) {
  setTitle(csoport);
  elejere_->setText(elejere);
  vegere_->setText(vegere);
  alkalmaz_->setText(alkalmaz);
}

}  // namespace zelvaris
