#include "monitors/grafikon_lista.h"

#include "app/faj_kozpont.h"
#include "widgets/pnx_grafikon.h"

namespace zelvaris {

namespace {

TSorozatFajta SorozatFajta(TFajFajta f) {
  return f == TFajFajta::Allat ? TSorozatFajta::Allat : TSorozatFajta::Noveny;
}

}  // namespace

TGrafikonFormLista::TGrafikonFormLista(TAlkalmazasKornyezet& kornyezet)
    : TAblakListaT(kornyezet, TNyelviSor::Grafikonok, TLepcso::BalraLe) {
  connect(&kornyezet_, &TAlkalmazasKornyezet::Lepett, this, &TGrafikonFormLista::Leptet);
  TFajKozpont& kozpont = kornyezet_.Kozpont();
  kozpont.BejegyzesFeliratkozas(TBejegyzesiSor::Grafikonok, this, [this](TFajFajta f, int32_t id) {
    FajBejegyzes(SorozatFajta(f), id);
  });
  connect(&kozpont, &TFajKozpont::Atnevezve, this,
          [this](TFajFajta f, int32_t id) { Atnevezes(SorozatFajta(f), id); });
  connect(&kozpont, &TFajKozpont::Atszinezve, this,
          [this](TFajFajta f, int32_t id) { Atszinezes(SorozatFajta(f), id); });
}

TForm_Grafikon& TGrafikonFormLista::UjAblak() {
  auto uj = std::make_unique<TForm_Grafikon>(kornyezet_.Okoszisztema());
  uj->SzovegekAlkalmazasa(kornyezet_.Nyelv().Tabla());
  TForm_Grafikon& w = static_cast<TForm_Grafikon&>(Felvetel(std::move(uj)));
  w.Megnyitas();
  return w;
}

void TGrafikonFormLista::Leptet() {
  for (int i = 0; i < Darab(); ++i) Ablak(i).Leptet();
}

void TGrafikonFormLista::FajBejegyzes(TSorozatFajta fajta, int32_t id) {
  for (int i = 0; i < Darab(); ++i) {
    TForm_Grafikon& w = Ablak(i);
    if (w.SorozatIndex(fajta, id) >= 0) continue;
    w.SorozatHozzaadas(fajta, id);
    // The new series' history (zeros before its species came) shows at once.
    w.Grafikon().Frissit();
  }
}

void TGrafikonFormLista::Atnevezes(TSorozatFajta fajta, int32_t id) {
  for (int i = 0; i < Darab(); ++i) Ablak(i).Atnevezes(fajta, id);
}

void TGrafikonFormLista::Atszinezes(TSorozatFajta fajta, int32_t id) {
  for (int i = 0; i < Darab(); ++i) Ablak(i).Atszinezes(fajta, id);
}

}  // namespace zelvaris
