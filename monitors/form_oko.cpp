#include "monitors/form_oko.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"
#include "monitors/alkalmaz_tipp.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

namespace {

QLineEdit* Mezo(const QString& nev, QWidget* szulo) {
  auto* e = new QLineEdit(QStringLiteral("0"), szulo);
  e->setObjectName(nev);
  e->setReadOnly(true);
  e->setEnabled(false);
  return e;
}

}  // namespace

TForm_Oko::TForm_Oko(TAlkalmazasKornyezet& kornyezet, QWidget* szulo) : QWidget(szulo, Qt::Tool) {
  setObjectName(QStringLiteral("Form_Oko"));
  auto* racs = new QGridLayout(this);
  racs->setContentsMargins(4, 4, 4, 4);
  racs->setSpacing(3);
  lblL_ = new QLabel(this);
  lblL_->setObjectName(QStringLiteral("Lbl_L"));
  lblIdo_ = new QLabel(this);
  lblIdo_->setObjectName(QStringLiteral("Lbl_Ido"));
  eL_ = Mezo(QStringLiteral("E_L"), this);
  eIdo_ = Mezo(QStringLiteral("E_Ido"), this);
  lblMag_ = new QLabel(this);
  lblMag_->setObjectName(QStringLiteral("Lbl_Mag"));
  lblKezdoMag_ = new QLabel(this);
  lblKezdoMag_->setObjectName(QStringLiteral("Lbl_KezdoMag"));
  eMag_ = Mezo(QStringLiteral("E_Mag"), this);
  eKezdoMag_ = Mezo(QStringLiteral("E_KezdoMag"), this);
  eKezdoMag_->clear();
  racs->addWidget(lblL_, 0, 0);
  racs->addWidget(eL_, 0, 1);
  racs->addWidget(lblIdo_, 1, 0);
  racs->addWidget(eIdo_, 1, 1);
  racs->addWidget(lblMag_, 2, 0);
  racs->addWidget(eMag_, 2, 1);
  racs->addWidget(lblKezdoMag_, 3, 0);
  racs->addWidget(eKezdoMag_, 3, 1);
  lblTipp_ = AlkalmazTipp(this);
  lblTipp_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  racs->addWidget(lblTipp_, 4, 0, 1, 2);
  // Room the window gains goes below the fields, not between them.
  racs->setRowStretch(5, 1);
  setMinimumSize(148, 72);
  resize(190, 120);

  MagKiirasa(kornyezet.Veletlen().Mag());
  KezdoMagKiirasa(kornyezet.KezdoMag());
  connect(&kornyezet, &TAlkalmazasKornyezet::OldalhosszValtozott, this, &TForm_Oko::OldalhosszKiirasa);
  connect(&kornyezet, &TAlkalmazasKornyezet::IdoValtozott, this, &TForm_Oko::IdoKiirasa);
  connect(&kornyezet, &TAlkalmazasKornyezet::MagValtozott, this, &TForm_Oko::MagKiirasa);
  connect(&kornyezet, &TAlkalmazasKornyezet::KezdoMagValtozott, this, &TForm_Oko::KezdoMagKiirasa);
  connect(&kornyezet, &TAlkalmazasKornyezet::OkoszisztemaCserelodott, this,
          [this](const TOkoszisztema* uj) { TippMutatasa(uj != nullptr && !uj->VanRacs()); });
  connect(&kornyezet, &TAlkalmazasKornyezet::RacsFelepult, this, [this] { TippMutatasa(false); });
  TippMutatasa(!kornyezet.Okoszisztema().VanRacs());
  kornyezet.SzovegekKovetese(TNyelviSor::Oko, *this);
}

void TForm_Oko::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg("ceForm_Oko")));
  lblL_->setText(Qs(tabla.Szoveg("ceLbl_L")));
  lblIdo_->setText(Qs(tabla.Szoveg("ceLbl_Ido")));
  lblMag_->setText(Qs(tabla.Szoveg("cxLbl_Mag")));
  lblKezdoMag_->setText(Qs(tabla.Szoveg("cxLbl_KezdoMag")));
  lblTipp_->setText(Qs(tabla.Szoveg("cxLbl_AlkalmazTipp")));
  TippMutatasa(!lblTipp_->isHidden());
}

void TForm_Oko::TippMutatasa(bool lathato) {
  lblTipp_->setVisible(lathato);
  if (lathato) resize(width(), std::max(height(), heightForWidth(width())));
}

void TForm_Oko::OldalhosszKiirasa(int64_t l) { eL_->setText(QString::number(l)); }

void TForm_Oko::IdoKiirasa(int64_t ido) { eIdo_->setText(QString::number(ido)); }

void TForm_Oko::MagKiirasa(uint32_t mag) { eMag_->setText(QString::number(mag)); }

void TForm_Oko::KezdoMagKiirasa(std::optional<uint32_t> mag) {
  eKezdoMag_->setText(mag ? QString::number(*mag) : QString());
}

}  // namespace zelvaris
