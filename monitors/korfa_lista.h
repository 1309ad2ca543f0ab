#pragma once
// TKorfaFormLista: the age-pyramid windows in creation order. Each window
// lists the animal species it was opened with and every one registered
// after; after every step each window recomputes and draws.

#include <cstdint>

#include "monitors/form_korfa.h"
#include "monitors/grafikon_ablak_lista.h"

namespace zelvaris {

class TKorfaFormLista : public TMonitorAblakLista {
 public:
  explicit TKorfaFormLista(TAlkalmazasKornyezet& kornyezet);

  TForm_Korfa& Ablak(int i) const { return static_cast<TForm_Korfa&>(AblakAt(i)); }

  // A window on the current ecosystem whose chooser lists every animal
  // species in Id order, with none chosen.
  TForm_Korfa& UjAblak();
  // Frissit on every window in list order.
  void Leptet();
  // A species registered after the windows opened joins every chooser. A
  // rename does not reach them: each keeps the name it was given.
  void AllatFajBejegyzes(int32_t id);

 protected:
  void Szovegek(QWidget& ablak, const TNyelviTabla& tabla) override;
};

}  // namespace zelvaris
