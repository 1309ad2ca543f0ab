#include "shell/form_kezelo.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/alkalmazas_kornyezet.h"
#include "core/dozis_forras.h"
#include "localisation/nyelvi_tabla.h"
#include "shell/hibakezeles.h"
#include "widgets/pnx_timer.h"
#include "widgets/qszoveg.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {

constexpr int32_t kEnnyitMin = 1;
constexpr int32_t kEnnyitMax = 10000;

QToolButton* Gomb(const QString& nev, QAction* akcio, QWidget* szulo) {
  auto* g = new QToolButton(szulo);
  g->setObjectName(nev);
  g->setDefaultAction(akcio);
  g->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  g->setIconSize(QSize(24, 24));
  g->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return g;
}

}  // namespace

TForm_Kezelo::TForm_Kezelo(TAlkalmazasKornyezet& kornyezet, const TAkcioKotes& akciok,
                           QWidget* szulo)
    : QWidget(szulo, Qt::Tool), kornyezet_(kornyezet) {
  setObjectName(QStringLiteral("Form_Kezelo"));

  timer_ = new TPnx_Timer(this);
  timer_->setObjectName(QStringLiteral("Pnx_Timer1"));
  timer_->SetTimerEnabled(false);
  timer_->SetMax(15);
  timer_->setFixedWidth(std::max(64, timer_->minimumSizeHint().width()));
  connect(timer_, &TPnx_Timer::Timer, this, &TForm_Kezelo::Tikk);

  ennyit_ = new TSpinMezo(this);
  ennyit_->setObjectName(QStringLiteral("SpE_Ennyit"));
  ennyit_->SetTartomany(kEnnyitMin, kEnnyitMax);
  ennyit_->SetLepes(20);
  ennyit_->SetErtek(1);
  ennyit_->setMinimumWidth(64);
  lblIdo_ = new QLabel(this);
  lblIdo_->setObjectName(QStringLiteral("Lbl_Ido"));

  rajzolhat_ = new QCheckBox(akciok.Rajzolhat->text(), this);
  rajzolhat_->setObjectName(QStringLiteral("ChB_Rajzolhat"));
  rajzolhat_->setChecked(akciok.Rajzolhat->isChecked());
  rajzolhat_->setEnabled(akciok.Rajzolhat->isEnabled());
  QAction* rajzolhatAkcio = akciok.Rajzolhat;
  // The user's click runs the action; the action's state shows in the box.
  connect(rajzolhat_, &QCheckBox::clicked, rajzolhatAkcio, [rajzolhatAkcio](bool be) {
    if (rajzolhatAkcio->isChecked() != be) rajzolhatAkcio->trigger();
  });
  connect(rajzolhatAkcio, &QAction::changed, rajzolhat_, [this, rajzolhatAkcio] {
    rajzolhat_->setEnabled(rajzolhatAkcio->isEnabled());
    rajzolhat_->setChecked(rajzolhatAkcio->isChecked());
    rajzolhat_->setText(rajzolhatAkcio->text());
    rajzolhat_->setToolTip(rajzolhatAkcio->toolTip());
  });

  lblPermet_ = new QLabel(this);
  lblPermet_->setObjectName(QStringLiteral("Lbl_PermetAllapot"));
  lblPermet_->setWordWrap(true);
  lblDozis_ = new QLabel(this);
  lblDozis_->setObjectName(QStringLiteral("Lbl_DozisAllapot"));
  lblDozis_->setWordWrap(true);

  auto* lblVersion = new QLabel(QStringLiteral("Zelvaris v4.7"), this);
  lblVersion->setObjectName(QStringLiteral("Lbl_Version"));
  lblVersion->setAlignment(Qt::AlignCenter);

  auto* tovabbSor = new QHBoxLayout;
  tovabbSor->addWidget(Gomb(QStringLiteral("BitBtn_Tovabb"), akciok.Tovabb, this), 1);
  tovabbSor->addWidget(ennyit_);
  tovabbSor->addWidget(lblIdo_);

  auto* gombok = new QVBoxLayout;
  gombok->addWidget(Gomb(QStringLiteral("BitBtn_Alkalmaz"), akciok.Alkalmaz, this));
  gombok->addWidget(Gomb(QStringLiteral("BitBtn_DegPermetezes"), akciok.DegPermetezes, this));
  gombok->addWidget(Gomb(QStringLiteral("BitBtn_PerPermetezes"), akciok.PerPermetezes, this));
  gombok->addLayout(tovabbSor);
  gombok->addWidget(Gomb(QStringLiteral("BitBtn_StartStop"), akciok.StartStop, this));
  gombok->addWidget(rajzolhat_);
  gombok->addWidget(lblPermet_);
  gombok->addWidget(lblDozis_);
  gombok->addStretch(1);
  gombok->addWidget(lblVersion);

  auto* reteg = new QHBoxLayout(this);
  reteg->setContentsMargins(4, 4, 4, 4);
  reteg->addWidget(timer_);
  reteg->addLayout(gombok, 1);
  resize(300, 250);

  lepteto_.Frissites = [this] { kornyezet_.LepesKozzetetele(); };
  lepteto_.StartStop = [this] { StartStop(); };
  lepteto_.IdoKiirasa = [this](int32_t) { kornyezet_.IdoKozzetetele(); };
  connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, &TForm_Kezelo::Megallitas);
  // Every action and every tick ends by announcing the state.
  connect(&kornyezet_, &TAlkalmazasKornyezet::AllapotValtozott, this, &TForm_Kezelo::PermetAllapotKiirasa);
  connect(&kornyezet_, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this, &TForm_Kezelo::PermetAllapotKiirasa);
  kornyezet_.SzovegekKovetese(TNyelviSor::Kezelo, *this);
}

void TForm_Kezelo::PermetAllapotKiirasa() {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  const TNyelviTabla& tabla = kornyezet_.Nyelv().Tabla();
  const char* permet = oko.DegPermet ? (oko.PerPermet ? "cxLbl_PermetMind" : "cxLbl_PermetDeg")
                                     : (oko.PerPermet ? "cxLbl_PermetPer" : "cxLbl_PermetNincs");
  const char* dozis = VanPerzisztensDozis(oko) ? "cxLbl_PerDozisVan" : "cxLbl_PerDozisNincs";
  // Asked after every tick: an unchanged text costs no relayout.
  for (auto [cimke, kulcs] : {std::pair{lblPermet_, permet}, std::pair{lblDozis_, dozis}}) {
    const QString szoveg = Qs(tabla.Szoveg(kulcs));
    if (cimke->text() != szoveg) cimke->setText(szoveg);
  }
}

void TForm_Kezelo::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("ccForm_Kezelo")));
  timer_->SetCaption(Qs(tabla.Szoveg("ccPnx_Timer1")));
  lblIdo_->setText(Qs(tabla.Szoveg("ccLbl_Ido")));
  PermetAllapotKiirasa();
  // Longer texts of another language must not be cut off.
  resize(size().expandedTo(sizeHint()));
}

int32_t TForm_Kezelo::Ennyit() const {
  return static_cast<int32_t>(std::clamp<int64_t>(ennyit_->Ertek(), kEnnyitMin, kEnnyitMax));
}

bool TForm_Kezelo::Fut() const { return timer_->TimerEnabled(); }

void TForm_Kezelo::Inditas() {
  if (Fut()) return;
  timer_->SetTimerEnabled(true);
  emit FutasValtozott(true);
}

void TForm_Kezelo::Megallitas() {
  if (!Fut()) return;
  timer_->SetTimerEnabled(false);
  emit FutasValtozott(false);
}

void TForm_Kezelo::StartStop() {
  if (Fut()) {
    Megallitas();
  } else {
    Inditas();
  }
}

void TForm_Kezelo::Tikk() {
  try {
    lepteto_.Tikk(kornyezet_.Okoszisztema());
  } catch (...) {
    Megallitas();
    HibaMegjelenitese(kornyezet_, this, std::current_exception());
  }
}

}  // namespace zelvaris
