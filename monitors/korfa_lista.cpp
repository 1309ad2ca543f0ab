#include "monitors/korfa_lista.h"

#include <QComboBox>

#include "core/okoszisztema.h"
#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

TKorfaFormLista::TKorfaFormLista(TAlkalmazasKornyezet& kornyezet)
    : TMonitorAblakLista(kornyezet, TNyelviAblak::Korfak) {}

TForm_Korfa& TKorfaFormLista::UjAblak() {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  auto uj = std::make_unique<TForm_Korfa>(oko);
  uj->SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
  TForm_Korfa& w = static_cast<TForm_Korfa&>(Felvetel(std::move(uj)));
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    w.AllatFajHozzaadasa(QString::fromStdString(oko.AllatFaj(i).MegjelenitettNev()));
  return w;
}

void TKorfaFormLista::Leptet() {
  for (int i = 0; i < Darab(); ++i) Ablak(i).Frissit();
}

void TKorfaFormLista::AllatFajBejegyzes(int32_t id) {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!oko.VanAllatFaj(id)) return;
  const QString nev = QString::fromStdString(oko.AllatFaj(id).MegjelenitettNev());
  for (int i = 0; i < Darab(); ++i) {
    TForm_Korfa& w = Ablak(i);
    // A window opened after the species was added already lists it.
    if (w.CmB_AllatFaj()->count() <= id) w.AllatFajHozzaadasa(nev);
  }
}

void TKorfaFormLista::Szovegek(QWidget& ablak, const TNyelviTabla& tabla) {
  static_cast<TForm_Korfa&>(ablak).SzovegekAlkalmazasa(tabla);
}

}  // namespace zelvaris
