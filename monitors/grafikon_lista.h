#pragma once
// TGrafikonFormLista: the chart windows in creation order. Each is fed after
// every step; species registered, renamed or recoloured reach every window
// by kind and Id.

#include <cstdint>

#include "monitors/form_grafikon.h"
#include "monitors/grafikon_ablak_lista.h"

namespace zelvaris {

class TGrafikonFormLista : public TMonitorAblakLista {
 public:
  explicit TGrafikonFormLista(TAlkalmazasKornyezet& kornyezet);

  TForm_Grafikon& Ablak(int i) const { return static_cast<TForm_Grafikon&>(AblakAt(i)); }

  // A window on the current ecosystem, from the elapsed step count, with a
  // series for every species.
  TForm_Grafikon& UjAblak();
  // Every window's chart advances, in list order.
  void Leptet();

  void FajBejegyzes(TSorozatFajta fajta, int32_t id);
  void Atnevezes(TSorozatFajta fajta, int32_t id);
  void Atszinezes(TSorozatFajta fajta, int32_t id);

 protected:
  void Szovegek(QWidget& ablak, const TNyelviTabla& tabla) override;
};

}  // namespace zelvaris
