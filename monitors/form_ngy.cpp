#include "monitors/form_ngy.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "monitors/alkalmaz_tipp.h"
#include "monitors/cella_vizsgalo.h"
#include "monitors/form_tkp.h"
#include "monitors/kep_mentes.h"
#include "monitors/kep_vaszon.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

TForm_Ngy::TForm_Ngy(TAlkalmazasKornyezet& kornyezet, TForm_Tkp& terkep, QWidget* szulo)
    : QWidget(szulo), kornyezet_(kornyezet), terkep_(terkep) {
  setWindowFlag(Qt::Window);
  setObjectName(QStringLiteral("Form_Ngy"));
  TTerkepRajzolo& rajzolo = terkep_.Rajzolo();
  // The image is one pixel wider than the 40 squares; the client area shows
  // the squares only.
  vaszon_ = new TKepVaszon(rajzolo.NagyitoKep(), this);
  vaszon_->setObjectName(QStringLiteral("NagyitoKep"));
  vaszon_->move(0, 0);
  tipp_ = AlkalmazTipp(this);
  // The image is placed by hand; only the line is laid out.
  (new QVBoxLayout(this))->addWidget(tipp_);
  resize(kKezdoSzelesseg, kKezdoMagassag);
  connect(&rajzolo, &TTerkepRajzolo::KepekUjraepultek, vaszon_, &TKepVaszon::MeretIgazitas);
  connect(&rajzolo, &TTerkepRajzolo::NagyitoValtozott, vaszon_,
          [this](const QRegion& terulet) { vaszon_->Valtozott(terulet); });
  vaszon_->installEventFilter(this);
  // The images belong to the map window; without it there is nothing to show.
  connect(&terkep_, &QObject::destroyed, this, [this] {
    delete vaszon_;
    vaszon_ = nullptr;
  });
  vizsgalo_ = std::make_unique<TForm_CellaVizsgalo>(kornyezet_, this);
  kepMentes_ = HelyiMenuAkcio(*this, "Act_KepPngMentes");
  connect(kepMentes_, &QAction::triggered, this, &TForm_Ngy::KepMentes);
  connect(&kornyezet_, &TAlkalmazasKornyezet::RacsFelepult, this, &TForm_Ngy::NagyitoMeretezes);
  kornyezet_.SzovegekKovetese(TNyelviSor::Nagyito, *this);
  const auto tippFrissitese = [this] { tipp_->setVisible(terkep_.Rajzolo().NagyitoKep().isNull()); };
  connect(&rajzolo, &TTerkepRajzolo::KepekUjraepultek, this, tippFrissitese);
  tippFrissitese();
}

TForm_Ngy::~TForm_Ngy() = default;

void TForm_Ngy::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("czForm_Ngy")));
  tipp_->setText(Qs(tabla.Szoveg("cxLbl_AlkalmazTipp")));
  kepMentes_->setText(Qs(tabla.Szoveg("cxAct_KepPngMentes")));
  vizsgalo_->SzovegekAlkalmazasa(tabla);
}

bool TForm_Ngy::eventFilter(QObject* cel, QEvent* esemeny) {
  if (cel == vaszon_ && esemeny->type() == QEvent::MouseButtonPress) {
    const auto* eger = static_cast<QMouseEvent*>(esemeny);
    if (eger->button() == Qt::LeftButton) {
      const QPointF p = eger->position();
      Kattintas(QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))));
      return true;
    }
  }
  return QWidget::eventFilter(cel, esemeny);
}

void TForm_Ngy::Kattintas(QPoint pont) {
  const TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!oko.VanRacs() || pont.x() < 0 || pont.y() < 0) return;
  constexpr int kUtolso = TTerkepRajzolo::kKeret - 1;
  // The last pixel column and row belong to the last squares' outlines.
  const int64_t oszlop = oko.KeretBal() + std::min(pont.x() / TTerkepRajzolo::kNegyzet, kUtolso);
  const int64_t sor = oko.KeretFelso() + std::min(pont.y() / TTerkepRajzolo::kNegyzet, kUtolso);
  if (oszlop >= oko.L() || sor >= oko.L()) return;
  vizsgalo_->Megnyitas({static_cast<int32_t>(sor), static_cast<int32_t>(oszlop)});
}

void TForm_Ngy::KepMentes() {
  KepMentesePngBe(kornyezet_, this, [this] { return terkep_.Rajzolo().NagyitoKep(); });
}

void TForm_Ngy::NagyitoMeretezes() { setFixedSize(kOldal, kOldal); }

}  // namespace zelvaris
