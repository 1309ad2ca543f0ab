#include "monitors/korfa_lista.h"

#include <QComboBox>

#include "app/faj_kozpont.h"
#include "core/okoszisztema.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

TKorfaFormLista::TKorfaFormLista(TAlkalmazasKornyezet& kornyezet)
    : TAblakListaT(kornyezet, TNyelviSor::Korfak, TLepcso::BalraLe) {
  connect(&kornyezet_, &TAlkalmazasKornyezet::Lepett, this, &TKorfaFormLista::Leptet);
  kornyezet_.Kozpont().BejegyzesFeliratkozas(TBejegyzesiSor::Korfak, this,
                                             [this](TFajFajta f, int32_t id) {
                                               if (f == TFajFajta::Allat) AllatFajBejegyzes(id);
                                             });
}

TForm_Korfa& TKorfaFormLista::UjAblak() {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  auto uj = std::make_unique<TForm_Korfa>(oko);
  uj->SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
  TForm_Korfa& w = static_cast<TForm_Korfa&>(Felvetel(std::move(uj)));
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    w.AllatFajHozzaadasa(Qs(oko.AllatFaj(i).MegjelenitettNev()));
  return w;
}

void TKorfaFormLista::Leptet() {
  for (int i = 0; i < Darab(); ++i) Ablak(i).Frissit();
}

void TKorfaFormLista::AllatFajBejegyzes(int32_t id) {
  TOkoszisztema& oko = kornyezet_.Okoszisztema();
  if (!oko.VanAllatFaj(id)) return;
  const QString nev = Qs(oko.AllatFaj(id).MegjelenitettNev());
  for (int i = 0; i < Darab(); ++i) {
    TForm_Korfa& w = Ablak(i);
    // A window opened after the species was added already lists it.
    if (w.CmB_AllatFaj()->count() <= id) w.AllatFajHozzaadasa(nev);
  }
}

}  // namespace zelvaris
