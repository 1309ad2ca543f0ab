#pragma once
// The window lists of the species editors, TAllatFormLista and
// TNovenyFormLista: the editors of one kind in creation order. The first
// window of a list opens at its designed place, every later one beside the
// window created before it, by the placement rule the program sets.

#include <cstdint>
#include <memory>

#include "app/ablak_lista.h"
#include "editors/faj_szerkeszto.h"

namespace zelvaris {

class TFajFormLista : public TAblakListaT<TFajSzerkeszto> {
 public:
  // Opens an editor on species `index` and shows it; its chooser lists every
  // species of the kind and has no selection.
  TFajSzerkeszto& UjAblak(int32_t index);
  TFajSzerkeszto& Szerkeszto(int i) const { return Ablak(i); }

 protected:
  TFajFormLista(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor);
  virtual std::unique_ptr<TFajSzerkeszto> Letrehozas() = 0;
};

class TAllatFormLista : public TFajFormLista {
 public:
  explicit TAllatFormLista(TAlkalmazasKornyezet& kornyezet);

 protected:
  std::unique_ptr<TFajSzerkeszto> Letrehozas() override;
};

class TNovenyFormLista : public TFajFormLista {
 public:
  explicit TNovenyFormLista(TAlkalmazasKornyezet& kornyezet);

 protected:
  std::unique_ptr<TFajSzerkeszto> Letrehozas() override;
};

}  // namespace zelvaris
