#include "shell/szam_dialogus.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/spin_mezo.h"

namespace zelvaris {

TSzamDialogusReszek SzamDialogusFelepitese(QDialog& dialogus, const QString& cimkeNev,
                                          const QString& mezoNev) {
  auto* reteg = new QVBoxLayout(&dialogus);
  TSzamDialogusReszek r;
  r.Cimke = new QLabel(&dialogus);
  r.Cimke->setObjectName(cimkeNev);
  r.Mezo = new TSpinMezo(&dialogus);
  r.Mezo->setObjectName(mezoNev);
  r.Cimke->setBuddy(r.Mezo);
  auto* gombok = new QDialogButtonBox(&dialogus);
  QPushButton* ok = gombok->addButton(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("BitBtn_OK"));
  ok->setDefault(true);
  r.Megsem = gombok->addButton(QString(), QDialogButtonBox::RejectRole);
  r.Megsem->setObjectName(QStringLiteral("BitBtn_Megsem"));
  QObject::connect(gombok, &QDialogButtonBox::accepted, &dialogus, &QDialog::accept);
  QObject::connect(gombok, &QDialogButtonBox::rejected, &dialogus, &QDialog::reject);
  reteg->addWidget(r.Cimke);
  reteg->addWidget(r.Mezo);
  reteg->addWidget(gombok);
  reteg->setSizeConstraint(QLayout::SetFixedSize);
  r.Cimke->setMinimumWidth(300);
  return r;
}

}  // namespace zelvaris
