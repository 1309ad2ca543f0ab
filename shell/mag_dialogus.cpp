#include "shell/mag_dialogus.h"

#include <QLabel>
#include <QPushButton>

#include "localisation/nyelvi_tabla.h"
#include "shell/szam_dialogus.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

TForm_Mag::TForm_Mag(QWidget* szulo) : QDialog(szulo) {
  setObjectName(QStringLiteral("Form_Mag"));
  const TSzamDialogusReszek r =
      SzamDialogusFelepitese(*this, QStringLiteral("Lbl_UjMag"), QStringLiteral("SpE_Mag"));
  cimke_ = r.Cimke;
  mezo_ = r.Mezo;
  megsem_ = r.Megsem;
  mezo_->SetTartomany(0, kMaximum);
  mezo_->SetVisszatoltes(true);
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
