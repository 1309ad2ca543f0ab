#include "editors/nev_dialogus.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

TNevDialogus::TNevDialogus(std::string_view elotag, std::string_view urlap,
                           std::string_view cimke, QWidget* szulo)
    : QDialog(szulo), elotag_(elotag), urlap_(urlap), cimkeNev_(cimke) {
  setObjectName(QString::fromUtf8(urlap.data(), static_cast<qsizetype>(urlap.size())));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* reteg = new QVBoxLayout(this);
  cimke_ = new QLabel(this);
  cimke_->setObjectName(QString::fromStdString(cimkeNev_));
  nev_ = new QLineEdit(this);
  nev_->setObjectName(QStringLiteral("E_Nev"));
  cimke_->setBuddy(nev_);
  auto* gombok = new QDialogButtonBox(this);
  gombok->addButton(QDialogButtonBox::Ok);
  megsem_ = gombok->addButton(QString(), QDialogButtonBox::RejectRole);
  megsem_->setObjectName(QStringLiteral("BitBtn_Megsem"));
  connect(gombok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);
  reteg->addWidget(cimke_);
  reteg->addWidget(nev_);
  reteg->addWidget(gombok);
}

QString TNevDialogus::Nev() const { return nev_->text(); }

void TNevDialogus::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg(elotag_ + urlap_)));
  cimke_->setText(QString::fromStdString(tabla.Szoveg(elotag_ + cimkeNev_)));
  megsem_->setText(QString::fromStdString(tabla.Szoveg(elotag_ + "BitBtn_Megsem")));
}

}  // namespace zelvaris
