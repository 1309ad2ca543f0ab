#include "editors/faj_form_lista.h"

#include "app/faj_kozpont.h"
#include "editors/form_allat.h"
#include "editors/form_noveny.h"
#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

TFajFormLista::TFajFormLista(TAlkalmazasKornyezet& kornyezet, TNyelviAblak nyelviHely)
    : kornyezet_(kornyezet), nyelviHely_(nyelviHely) {
  kornyezet_.Nyelv().Feliratkozas(nyelviHely_, [this](const TNyelviTabla& t) { NyelvAlkalmaz(t); });
  uritesKapcsolat_ =
      QObject::connect(&TFajKozpont::Kozpont(kornyezet_), &TFajKozpont::Urites, [this] { Urit(); });
}

TFajFormLista::~TFajFormLista() {
  QObject::disconnect(uritesKapcsolat_);
  kornyezet_.Nyelv().Leiratkozas(nyelviHely_);
}

TFajSzerkeszto& TFajFormLista::UjAblak(int32_t index) {
  std::unique_ptr<TFajSzerkeszto> uj = Letrehozas();
  TFajSzerkeszto& w = *uj;
  if (Darab() == 0) {
    w.move(w.Leiras().ElsoHely);
  } else {
    const QRect elozo = Ablak(Darab() - 1).frameGeometry();
    w.move(elhelyezo_ ? elhelyezo_(elozo, w.frameSize()) : QPoint(elozo.x() + elozo.width(), elozo.y()));
  }
  w.ValasztoFeltoltese();
  w.FajValaszt(index);
  Hozzaadas(std::move(uj));
  return w;
}

void TFajFormLista::NyelvAlkalmaz(const TNyelviTabla& tabla) {
  Mindegyikre([&tabla](QWidget& w) { static_cast<TFajSzerkeszto&>(w).SzovegekAlkalmazasa(tabla); });
}

TAllatFormLista::TAllatFormLista(TAlkalmazasKornyezet& kornyezet)
    : TFajFormLista(kornyezet, TNyelviAblak::AllatSzerkesztok) {}

std::unique_ptr<TFajSzerkeszto> TAllatFormLista::Letrehozas() {
  return std::make_unique<TForm_Allat>(kornyezet_);
}

TNovenyFormLista::TNovenyFormLista(TAlkalmazasKornyezet& kornyezet)
    : TFajFormLista(kornyezet, TNyelviAblak::NovenySzerkesztok) {}

std::unique_ptr<TFajSzerkeszto> TNovenyFormLista::Letrehozas() {
  return std::make_unique<TForm_Noveny>(kornyezet_);
}

}  // namespace zelvaris
