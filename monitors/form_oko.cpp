#include "monitors/form_oko.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "localisation/nyelvi_tabla.h"

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

TForm_Oko::TForm_Oko(QWidget* szulo) : QWidget(szulo, Qt::Tool) {
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
  racs->addWidget(lblL_, 0, 0);
  racs->addWidget(eL_, 0, 1);
  racs->addWidget(lblIdo_, 1, 0);
  racs->addWidget(eIdo_, 1, 1);
  setMinimumSize(148, 72);
  resize(160, 72);
}

void TForm_Oko::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg("ceForm_Oko")));
  lblL_->setText(QString::fromStdString(tabla.Szoveg("ceLbl_L")));
  lblIdo_->setText(QString::fromStdString(tabla.Szoveg("ceLbl_Ido")));
}

void TForm_Oko::OldalhosszKiirasa(int64_t l) { eL_->setText(QString::number(l)); }

void TForm_Oko::IdoKiirasa(int64_t ido) { eIdo_->setText(QString::number(ido)); }

}  // namespace zelvaris
