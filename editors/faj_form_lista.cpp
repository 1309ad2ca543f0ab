#include "editors/faj_form_lista.h"

#include "editors/form_allat.h"
#include "editors/form_noveny.h"

namespace zelvaris {

TFajFormLista::TFajFormLista(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor)
    : TAblakListaT(kornyezet, nyelviSor, TLepcso::Jobbra) {}

TFajSzerkeszto& TFajFormLista::UjAblak(int32_t index) {
  std::unique_ptr<TFajSzerkeszto> uj = Letrehozas();
  TFajSzerkeszto& w = *uj;
  if (Darab() == 0) w.move(w.Leiras().ElsoHely);
  w.ValasztoFeltoltese();
  w.FajValaszt(index);
  Felvetel(std::move(uj));
  return w;
}

TAllatFormLista::TAllatFormLista(TAlkalmazasKornyezet& kornyezet)
    : TFajFormLista(kornyezet, TNyelviSor::AllatSzerkesztok) {}

std::unique_ptr<TFajSzerkeszto> TAllatFormLista::Letrehozas() {
  return std::make_unique<TForm_Allat>(kornyezet_);
}

TNovenyFormLista::TNovenyFormLista(TAlkalmazasKornyezet& kornyezet)
    : TFajFormLista(kornyezet, TNyelviSor::NovenySzerkesztok) {}

std::unique_ptr<TFajSzerkeszto> TNovenyFormLista::Letrehozas() {
  return std::make_unique<TForm_Noveny>(kornyezet_);
}

}  // namespace zelvaris
