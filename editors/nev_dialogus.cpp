#include "editors/nev_dialogus.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <string>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

TNevDialogus::TNevDialogus(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor, std::string_view elotag,
                           std::string_view urlap, std::string_view cimke, QWidget* szulo)
    : QDialog(szulo), elotag_(elotag), urlap_(urlap), cimkeNev_(cimke) {
  setObjectName(Qs(urlap));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  auto* reteg = new QVBoxLayout(this);
  reteg->setSizeConstraint(QLayout::SetFixedSize);
  cimke_ = new QLabel(this);
  cimke_->setObjectName(Qs(cimkeNev_));
  nev_ = new QLineEdit(this);
  nev_->setObjectName(QStringLiteral("E_UjNev"));
  nev_->setMinimumWidth(220);
  cimke_->setBuddy(nev_);

  auto* megjelenites = new QGroupBox(QStringLiteral("A paraméterek megjelennek..."), this);
  megjelenites->setObjectName(QStringLiteral("RadG_ParamMegjelenites"));
  auto* radioReteg = new QVBoxLayout(megjelenites);
  auto* csoport = new QButtonGroup(megjelenites);
  auto* kozos = new QRadioButton(QStringLiteral("...csak a közös ablakban"), megjelenites);
  auto* sajat = new QRadioButton(QStringLiteral("...új, saját ablakában is"), megjelenites);
  csoport->addButton(kozos, 0);
  csoport->addButton(sajat, 1);
  sajat->setChecked(true);
  radioReteg->addWidget(kozos);
  radioReteg->addWidget(sajat);
  megjelenites->setEnabled(false);
  megjelenites->hide();

  auto* gombok = new QDialogButtonBox(this);
  gombok->addButton(QDialogButtonBox::Ok);
  megsem_ = gombok->addButton(QStringLiteral("Mégsem"), QDialogButtonBox::RejectRole);
  megsem_->setObjectName(QStringLiteral("BitBtn_Megsem"));
  connect(gombok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);
  reteg->addWidget(cimke_);
  reteg->addWidget(nev_);
  reteg->addWidget(megjelenites);
  reteg->addWidget(gombok);
  kornyezet.SzovegekKovetese(nyelviSor, *this);
}

QString TNevDialogus::Nev() const { return nev_->text(); }

void TNevDialogus::SetNev(const QString& nev) { nev_->setText(nev); }

void TNevDialogus::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg(elotag_ + urlap_)));
  cimke_->setText(Qs(tabla.Szoveg(elotag_ + cimkeNev_)));
  megsem_->setText(Qs(tabla.Szoveg(elotag_ + "BitBtn_Megsem")));
}

// Centred on the screen each time; the kept name is selected, so typing
// replaces it.
void TNevDialogus::showEvent(QShowEvent* esemeny) {
  QDialog::showEvent(esemeny);
  if (const QScreen* kepernyo = screen()) {
    QRect keret = frameGeometry();
    keret.moveCenter(kepernyo->availableGeometry().center());
    move(keret.topLeft());
  }
  nev_->selectAll();
  nev_->setFocus();
}

}  // namespace zelvaris
