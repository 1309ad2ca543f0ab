#include "shell/oldalhossz_dialogus.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "localisation/nyelvi_tabla.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

namespace {
QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

TOldalhosszDialogus::TOldalhosszDialogus(std::string_view elotag, std::string_view urlap,
                                         std::string_view cimke, std::string_view mezo,
                                         QWidget* szulo)
    : QDialog(szulo), elotag_(elotag), urlap_(urlap), cimkeNev_(cimke) {
  setObjectName(Qs(urlap));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* reteg = new QVBoxLayout(this);
  cimke_ = new QLabel(this);
  cimke_->setObjectName(Qs(cimke));
  mezo_ = new TSpinMezo(this);
  mezo_->setObjectName(Qs(mezo));
  mezo_->SetTartomany(kMinimum, kMaximum);
  mezo_->SetLepes(100);
  mezo_->SetErtek(kKezdo);
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

int32_t TOldalhosszDialogus::Ertek() const {
  return static_cast<int32_t>(std::clamp<int64_t>(mezo_->Ertek(), kMinimum, kMaximum));
}

void TOldalhosszDialogus::SetErtek(int64_t ertek) { mezo_->SetErtek(ertek); }

void TOldalhosszDialogus::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg(elotag_ + urlap_)));
  cimke_->setText(QString::fromStdString(tabla.Szoveg(elotag_ + cimkeNev_)));
  megsem_->setText(QString::fromStdString(tabla.Szoveg(elotag_ + "BitBtn_Megsem")));
}

}  // namespace zelvaris
