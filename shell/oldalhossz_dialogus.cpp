#include "shell/oldalhossz_dialogus.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"
#include "shell/szam_dialogus.h"
#include "widgets/qszoveg.h"
#include "widgets/spin_mezo.h"

namespace zelvaris {

TOldalhosszDialogus::TOldalhosszDialogus(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor,
                                         std::string_view elotag, std::string_view urlap,
                                         std::string_view cimke, std::string_view mezo,
                                         QWidget* szulo)
    : QDialog(szulo), elotag_(elotag), urlap_(urlap), cimkeNev_(cimke) {
  setObjectName(Qs(urlap));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  const TSzamDialogusReszek r = SzamDialogusFelepitese(*this, Qs(cimke), Qs(mezo));
  cimke_ = r.Cimke;
  mezo_ = r.Mezo;
  megsem_ = r.Megsem;
  mezo_->SetTartomany(kMinimum, kMaximum);
  mezo_->SetLepes(100);
  mezo_->SetErtek(kKezdo);
  kornyezet.SzovegekKovetese(nyelviSor, *this);
}

TForm_UjOkoszisztema::TForm_UjOkoszisztema(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : TOldalhosszDialogus(kornyezet, TNyelviSor::UjOkoszisztema, "cq", "Form_UjOkoszisztema", "Lbl_UjOko",
                          "SpE_L", szulo) {}

TForm_Atmeretez::TForm_Atmeretez(TAlkalmazasKornyezet& kornyezet, QWidget* szulo)
    : TOldalhosszDialogus(kornyezet, TNyelviSor::Atmeretezes, "cs", "Form_Atmeretez", "Lbl_L", "SpE_UjL",
                          szulo) {
  connect(&kornyezet, &TAlkalmazasKornyezet::OldalhosszValtozott, this, &TForm_Atmeretez::SetErtek);
}

int32_t TOldalhosszDialogus::Ertek() const {
  return static_cast<int32_t>(std::clamp<int64_t>(mezo_->Ertek(), kMinimum, kMaximum));
}

void TOldalhosszDialogus::SetErtek(int64_t ertek) { mezo_->SetErtek(ertek); }

void TOldalhosszDialogus::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(Qs(tabla.Szoveg(elotag_ + urlap_)));
  cimke_->setText(Qs(tabla.Szoveg(elotag_ + cimkeNev_)));
  megsem_->setText(Qs(tabla.Szoveg(elotag_ + "BitBtn_Megsem")));
}

}  // namespace zelvaris
