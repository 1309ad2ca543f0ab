#pragma once
// TGrafikonFormLista: the chart windows in creation order. Each advances
// after every step; species registered, renamed or recoloured reach every
// window by kind and Id through the push hub.

#include <cstdint>

#include "app/ablak_lista.h"
#include "monitors/form_grafikon.h"

namespace zelvaris {

class TGrafikonFormLista : public TAblakListaT<TForm_Grafikon> {
 public:
  explicit TGrafikonFormLista(TAlkalmazasKornyezet& kornyezet);

  // A window on the current ecosystem, from the elapsed step count, with a
  // series for every species.
  TForm_Grafikon& UjAblak();
  // Every window's chart advances, in list order.
  void Leptet();

  void FajBejegyzes(TSorozatFajta fajta, int32_t id);
  void Atnevezes(TSorozatFajta fajta, int32_t id);
  void Atszinezes(TSorozatFajta fajta, int32_t id);
};

}  // namespace zelvaris
