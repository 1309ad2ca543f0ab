#include "shell/mag_dialogus.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "localisation/nyelvi_tabla.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

TForm_Mag::TForm_Mag(QWidget* szulo) : QDialog(szulo) {
  setObjectName(QStringLiteral("Form_Mag"));
  auto* reteg = new QVBoxLayout(this);
  cimke_ = new QLabel(this);
  cimke_->setObjectName(QStringLiteral("Lbl_UjMag"));
  mezo_ = new TSpinMezo(this);
  mezo_->setObjectName(QStringLiteral("SpE_Mag"));
  mezo_->SetTartomany(0, kMaximum);
  mezo_->SetVisszatoltes(true);
  cimke_->setBuddy(mezo_);
  auto* gombok = new QDialogButtonBox(this);
  QPushButton* ok = gombok->addButton(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("BitBtn_OK"));
  ok->setDefault(true);
  megsem_ = gombok->addButton(QString(), QDialogButtonBox::RejectRole);
  megsem_->setObjectName(QStringLiteral("BitBtn_Megsem"));
  connect(gombok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);
  reteg->addWidget(cimke_);
  reteg->addWidget(mezo_);
  reteg->addWidget(gombok);
  reteg->setSizeConstraint(QLayout::SetFixedSize);
  cimke_->setMinimumWidth(300);
}

void TForm_Mag::SetErtek(uint32_t mag) { mezo_->SetErtek(mag); }

std::optional<uint32_t> TForm_Mag::Ertek() const {
  const int64_t v = mezo_->Ertek();
  if (v < 0 || v > kMaximum) return std::nullopt;
  return static_cast<uint32_t>(v);
}

void TForm_Mag::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg("cxForm_Mag")));
  cimke_->setText(QString::fromStdString(tabla.Szoveg("cxLbl_UjMag")));
  megsem_->setText(QString::fromStdString(tabla.Szoveg("cxBitBtn_Megsem")));
}

std::optional<uint32_t> MagErtelmezese(const QString& szoveg) {
  if (szoveg.isEmpty() || szoveg.size() > 10) return std::nullopt;
  uint64_t ertek = 0;
  for (QChar c : szoveg) {
    if (c < u'0' || c > u'9') return std::nullopt;
    ertek = ertek * 10 + static_cast<uint64_t>(c.unicode() - u'0');
  }
  if (ertek > static_cast<uint64_t>(TForm_Mag::kMaximum)) return std::nullopt;
  return static_cast<uint32_t>(ertek);
}

}  // namespace zelvaris
