#include "monitors/form_ngy.h"

#include "monitors/form_tkp.h"
#include "monitors/kep_vaszon.h"

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
  resize(kKezdoSzelesseg, kKezdoMagassag);
  connect(&rajzolo, &TTerkepRajzolo::KepekUjraepultek, vaszon_, &TKepVaszon::MeretIgazitas);
  connect(&rajzolo, &TTerkepRajzolo::NagyitoValtozott, vaszon_,
          [this](const QRegion& terulet) { vaszon_->update(terulet); });
  // The images belong to the map window; without it there is nothing to show.
  connect(&terkep_, &QObject::destroyed, this, [this] {
    delete vaszon_;
    vaszon_ = nullptr;
  });
  SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
}

void TForm_Ngy::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg("czForm_Ngy")));
}

void TForm_Ngy::NagyitoMeretezes() { setFixedSize(kOldal, kOldal); }

}  // namespace zelvaris
