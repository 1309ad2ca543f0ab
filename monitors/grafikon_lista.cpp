#include "monitors/grafikon_lista.h"

#include "app/alkalmazas_kornyezet.h"
#include "widgets/pnx_grafikon.h"

namespace zelvaris {

TGrafikonFormLista::TGrafikonFormLista(TAlkalmazasKornyezet& kornyezet)
    : TMonitorAblakLista(kornyezet, TNyelviAblak::Grafikonok) {}

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

void TGrafikonFormLista::Szovegek(QWidget& ablak, const TNyelviTabla& tabla) {
  static_cast<TForm_Grafikon&>(ablak).SzovegekAlkalmazasa(tabla);
}

}  // namespace zelvaris
