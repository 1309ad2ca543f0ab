#pragma once
// TKorfaFormLista: the age-pyramid windows in creation order. Each window
// lists the animal species it was opened with and every one registered
// after; after every step each window recomputes and draws.

#include <cstdint>

#include "app/ablak_lista.h"
#include "monitors/form_korfa.h"

namespace zelvaris {

class TKorfaFormLista : public TAblakListaT<TForm_Korfa> {
 public:
  explicit TKorfaFormLista(TAlkalmazasKornyezet& kornyezet);

  // A window on the current ecosystem whose chooser lists every animal
  // species in Id order, with none chosen.
  TForm_Korfa& UjAblak();
  // Frissit on every window in list order.
  void Leptet();
  // A species registered after the windows opened joins every chooser. A
  // rename does not reach them: each keeps the name it was given.
  void AllatFajBejegyzes(int32_t id);
};

}  // namespace zelvaris
