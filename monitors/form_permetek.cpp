#include "monitors/form_permetek.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "localisation/nyelvi_tabla.h"
#include "monitors/jelzo_kovetes.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

int Index(TFajJelzo jelzo) { return jelzo == TFajJelzo::PerHatas ? 1 : 0; }

}  // namespace

TForm_Permetek::TForm_Permetek(TAlkalmazasKornyezet& kornyezet, QAction* deg, QAction* per, QWidget* szulo)
    : QWidget(szulo), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_Permetek"));
  setWindowFlags(Qt::Tool);
  setMinimumSize(238, 178);
  auto* reteg = new QVBoxLayout(this);
  reteg->setContentsMargins(0, 0, 0, 0);
  lapok_ = new QTabWidget(this);
  lapok_->setObjectName(QStringLiteral("PgCtrl_Permet"));
  reteg->addWidget(lapok_);
  Lap(TFajJelzo::DegHatas, "TabS_DegHatas", "GB_DegBeallitasok", deg);
  Lap(TFajJelzo::PerHatas, "TabS_PerHatas", "GB_PerBeallitasok", per);
  resize(360, 250);
  alap_ = height();
  FajListakKovetese(kornyezet_.Kozpont(), TBejegyzesiSor::Permetek, *this);
  kornyezet_.SzovegekKovetese(TNyelviSor::Permetek, *this);
}

void TForm_Permetek::Lap(TFajJelzo jelzo, const char* lapNev, const char* beallitasok, QAction* akcio) {
  const bool deg = jelzo == TFajJelzo::DegHatas;
  auto* lap = new QWidget(lapok_);
  lap->setObjectName(QString::fromLatin1(lapNev));
  lapok_->addTab(lap, QString());
  auto* reteg = new QVBoxLayout(lap);
  auto* doboz = new QGroupBox(lap);
  doboz->setObjectName(QString::fromLatin1(beallitasok));
  auto* dobozReteg = new QHBoxLayout(doboz);
  auto* gomb = new QToolButton(doboz);
  gomb->setObjectName(deg ? QStringLiteral("BitBtn_DegPermetezes") : QStringLiteral("BitBtn_PerPermetezes"));
  gomb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  if (akcio != nullptr) gomb->setDefaultAction(akcio);
  dobozReteg->addWidget(gomb);
  dobozReteg->addStretch(1);
  reteg->addWidget(doboz);
  beallitasok_[Index(jelzo)] = doboz;

  auto* sor = new QHBoxLayout;
  reteg->addLayout(sor, 1);
  const TFajJeloloLista::TNevek novenyek =
      deg ? TFajJeloloLista::TNevek{"GB_DegNovenyek", "ChB_DegOsszesNoveny", "ChListB_DegHatasNoveny"}
          : TFajJeloloLista::TNevek{"GB_PerNovenyek", "ChB_PerOsszesNoveny", "ChListB_PerHatasNoveny"};
  const TFajJeloloLista::TNevek allatok =
      deg ? TFajJeloloLista::TNevek{"GB_DegAllatok", "ChB_DegOsszesAllat", "ChListB_DegHatasAllat"}
          : TFajJeloloLista::TNevek{"GB_PerAllatok", "ChB_PerOsszesAllat", "ChListB_PerHatasAllat"};
  for (const bool allat : {false, true}) {
    auto* lista = new TFajJeloloLista(kornyezet_, allat, jelzo, allat ? allatok : novenyek, false, lap);
    // Equal stretch: the plant group takes half of the width, the animals the rest.
    lista->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    connect(lista, &TFajJeloloLista::JelzokValtoztak, this, [this, allat, jelzo] { emit JelzokValtoztak(allat, jelzo); });
    sor->addWidget(lista, 1);
    listak_[Index(jelzo)][allat ? 1 : 0] = lista;
  }
}

TFajJeloloLista& TForm_Permetek::Lista(bool allat, TFajJelzo jelzo) const {
  return *listak_[Index(jelzo)][allat ? 1 : 0];
}

void TForm_Permetek::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("ciForm_Permetek")));
  lapok_->setTabText(0, Qs(tabla.Szoveg("ciTabS_DegHatas")));
  lapok_->setTabText(1, Qs(tabla.Szoveg("ciTabS_PerHatas")));
  const QString mindegyikre = Qs(tabla.Szoveg("ciChB_Osszes"));
  for (int j = 0; j < 2; ++j) {
    beallitasok_[j]->setTitle(Qs(tabla.Szoveg("ciGB_Beallitasok")));
    listak_[j][0]->SetSzovegek(Qs(tabla.Szoveg("ciGB_Novenyek")), mindegyikre);
    listak_[j][1]->SetSzovegek(Qs(tabla.Szoveg("ciGB_Allatok")), mindegyikre);
  }
}

// One list row per species listed, on top of the height with empty lists:
// every new ecosystem and every load registers its species again, so the
// height follows the lists instead of adding up. Never beyond the screen;
// beyond that the lists scroll.
void TForm_Permetek::Meretezes() {
  int magassag = alap_ + kSorMagassag * sorok_;
  if (const QScreen* kepernyo = screen()) {
    const int keret = frameGeometry().height() - geometry().height();
    magassag = std::min(magassag, kepernyo->availableGeometry().height() - keret);
  }
  resize(width(), std::max(magassag, minimumHeight()));
}

void TForm_Permetek::AllatHozzaad(int32_t id) {
  listak_[0][1]->Hozzaad(id);
  listak_[1][1]->Hozzaad(id);
  ++sorok_;
  Meretezes();
}

void TForm_Permetek::NovenyHozzaad(int32_t id) {
  listak_[0][0]->Hozzaad(id);
  listak_[1][0]->Hozzaad(id);
  ++sorok_;
  Meretezes();
}

void TForm_Permetek::Torles() {
  for (auto& lapListak : listak_) {
    for (TFajJeloloLista* l : lapListak) l->Torles();
  }
  // A height the user chose carries over to the next lists.
  if (sorok_ > 0) alap_ = std::max(minimumHeight(), height() - kSorMagassag * sorok_);
  sorok_ = 0;
}

void TForm_Permetek::Atnevezes(bool allat, int32_t id) {
  for (auto& lapListak : listak_) lapListak[allat ? 1 : 0]->Atnevezes(id);
}

void TForm_Permetek::JelzoIgazitas(bool allat, TFajJelzo jelzo, int32_t id) {
  if (jelzo == TFajJelzo::DegHatas || jelzo == TFajJelzo::PerHatas) Lista(allat, jelzo).Igazitas(id);
}

void TForm_Permetek::JelzoMindIgazitasa(bool allat, TFajJelzo jelzo) {
  if (jelzo == TFajJelzo::DegHatas || jelzo == TFajJelzo::PerHatas) Lista(allat, jelzo).MindIgazitasa();
}

}  // namespace zelvaris
