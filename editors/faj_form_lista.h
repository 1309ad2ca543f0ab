#pragma once
// The window lists of the species editors, TAllatFormLista and
// TNovenyFormLista: the editors of one kind in creation order. The first
// window of a list opens at its designed place, every later one beside the
// window created before it, by the placement rule the program sets.

#include <QMetaObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>

#include "editors/ablak_lista.h"
#include "editors/faj_szerkeszto.h"
#include "localisation/nyelvkezelo.h"

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;

class TFajFormLista : public TAblakLista {
 public:
  // Where a window of `meret` (frame size) opens after the window `elozo`.
  using TElhelyezo = std::function<QPoint(const QRect& elozo, const QSize& meret)>;

  ~TFajFormLista();

  // Opens an editor on species `index` and shows it; its chooser lists every
  // species of the kind and has no selection.
  TFajSzerkeszto& UjAblak(int32_t index);
  TFajSzerkeszto& Szerkeszto(int i) const { return static_cast<TFajSzerkeszto&>(Ablak(i)); }
  void NyelvAlkalmaz(const TNyelviTabla& tabla);
  void Urit() { Urites(); }
  // Without one, a later window opens directly to the right of the one before.
  void SetElhelyezo(TElhelyezo elhelyezo) { elhelyezo_ = std::move(elhelyezo); }

 protected:
  // The list takes the texts of every later language for its windows and is
  // cleared with the ecosystem.
  TFajFormLista(TAlkalmazasKornyezet& kornyezet, TNyelviAblak nyelviHely);
  virtual std::unique_ptr<TFajSzerkeszto> Letrehozas() = 0;

  TAlkalmazasKornyezet& kornyezet_;

 private:
  TNyelviAblak nyelviHely_;
  TElhelyezo elhelyezo_;
  QMetaObject::Connection uritesKapcsolat_;
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
