#pragma once
// The windows of one kind opened on demand, in creation order: the animal
// and the plant editors, the charts, the age pyramids. A list owns its
// windows; closing one only hides it, so it stays in its list until the
// world is replaced. Then the list empties itself, before the old world
// goes. Every later language reaches its windows in list order. Once an
// owner is set, every new window is owned by it and stays above it.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/alkalmazas_kornyezet.h"

namespace zelvaris {

class TAblakLista : public QObject {
 public:
  // Where a window opens when it is not the first of its list.
  enum class TLepcso {
    Jobbra,   // directly right of the previous one, top edges aligned; activated
    BalraLe,  // 10 pixels left of and below the previous one, kept on its screen
  };
  // Where a window of frame size `meret` opens after the window whose frame
  // is `elozo`; it replaces the kind's rule.
  using TElhelyezo = std::function<QPoint(const QRect& elozo, const QSize& meret)>;

  ~TAblakLista() override;

  int Darab() const { return static_cast<int>(ablakok_.size()); }
  QWidget& AblakAt(int i) const { return *ablakok_.at(static_cast<size_t>(i)); }
  void MindetElorehoz();
  void MindetBezar();
  void NyelvAlkalmaz(const TNyelviTabla& tabla);
  // Destroys every window.
  void Urit();
  void SetElhelyezo(TElhelyezo elhelyezo) { elhelyezo_ = std::move(elhelyezo); }
  // Not owned; it must outlive the list's windows (the main window, whose
  // member the list is).
  void SetTulajdonos(QWidget* tulajdonos) { tulajdonos_ = tulajdonos; }

 protected:
  TAblakLista(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor, TLepcso lepcso);
  // Places the window after the previous one (a first window keeps its
  // place), takes it, shows it and brings it to the front.
  QWidget& Felvetel(std::unique_ptr<QWidget> ablak);
  virtual void Szovegek(QWidget& ablak, const TNyelviTabla& tabla) = 0;

  TAlkalmazasKornyezet& kornyezet_;

 private:
  QPoint Hely(const QWidget& elozo, const QWidget& uj) const;

  TLepcso lepcso_;
  TElhelyezo elhelyezo_;
  QWidget* tulajdonos_ = nullptr;
  std::vector<std::unique_ptr<QWidget>> ablakok_;
};

// The list of one window type, whose SzovegekAlkalmazasa takes the texts.
template <typename TAblak>
class TAblakListaT : public TAblakLista {
 public:
  TAblak& Ablak(int i) const { return static_cast<TAblak&>(AblakAt(i)); }

 protected:
  using TAblakLista::TAblakLista;
  void Szovegek(QWidget& ablak, const TNyelviTabla& tabla) override {
    static_cast<TAblak&>(ablak).SzovegekAlkalmazasa(tabla);
  }
};

}  // namespace zelvaris
