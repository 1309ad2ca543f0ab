#include "net/form_kliens_mod.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "net/szoveg_tisztitas.h"

namespace zelvaris {

namespace {

// Rewrites the field whenever a change brings in a line break or a control
// character, keeping the cursor where it was.
void EgysorosMezo(QLineEdit* mezo) {
  QObject::connect(mezo, &QLineEdit::textChanged, mezo, [mezo](const QString& szoveg) {
    if (EgysorosE(szoveg)) return;
    const int kurzor = mezo->cursorPosition();
    mezo->setText(EgysorosSzoveg(szoveg));
    mezo->setCursorPosition(kurzor);
  });
}

}  // namespace

TForm_ClientMode::TForm_ClientMode(QWidget* szulo) : QDialog(szulo) {
  setObjectName(QStringLiteral("Form_ClientMode"));
  setWindowTitle(QStringLiteral("Kliens-módra váltás"));
  setWindowFlag(Qt::WindowStaysOnTopHint);

  serverIP_ = new QLineEdit(this);
  serverIP_->setObjectName(QStringLiteral("E_ServerIP"));
  kliensNev_ = new QLineEdit(this);
  kliensNev_->setObjectName(QStringLiteral("E_ClientName"));
  kliensNev_->setMaxLength(kKliensNevMaxHossz);
  EgysorosMezo(serverIP_);
  EgysorosMezo(kliensNev_);

  auto* gombok = new QDialogButtonBox(this);
  QPushButton* ok = gombok->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("BitBtn_OK"));
  ok->setDefault(true);
  QPushButton* megsem = gombok->addButton(QStringLiteral("Mégsem"), QDialogButtonBox::RejectRole);
  megsem->setObjectName(QStringLiteral("BitBtn_Megsem"));
  connect(gombok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* urlap = new QFormLayout;
  urlap->addRow(QStringLiteral("Szerver IP:"), serverIP_);
  urlap->addRow(QStringLiteral("Kliens neve:"), kliensNev_);
  auto* reteg = new QVBoxLayout(this);
  reteg->addLayout(urlap);
  reteg->addWidget(gombok);

  // The name comes first in the tab order.
  setTabOrder(kliensNev_, serverIP_);
  setTabOrder(serverIP_, ok);
  setTabOrder(ok, megsem);
  kliensNev_->setFocus();
}

QString TForm_ClientMode::ServerIP() const { return serverIP_->text(); }
void TForm_ClientMode::SetServerIP(const QString& ip) { serverIP_->setText(ip); }
QString TForm_ClientMode::KliensNev() const { return kliensNev_->text(); }
void TForm_ClientMode::SetKliensNev(const QString& nev) { kliensNev_->setText(nev); }

void TForm_ClientMode::showEvent(QShowEvent* esemeny) {
  QDialog::showEvent(esemeny);
  if (const QScreen* kepernyo = screen()) {
    QRect r = frameGeometry();
    r.moveCenter(kepernyo->availableGeometry().center());
    move(r.topLeft());
  }
  kliensNev_->setFocus();
}

}  // namespace zelvaris
