#pragma once
// The magnifier window "Nagyító": the 40 x 40 cells inside the frame at 13
// pixels per cell, drawn by the map window's drawing sink. A click on a
// square opens the cell inspector on that cell; the right button offers the
// image as a PNG file. Until there is a grid it says how to build one.

#include <QWidget>
#include <memory>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"

class QLabel;

namespace zelvaris {

class TForm_CellaVizsgalo;
class TForm_Tkp;
class TKepVaszon;

class TForm_Ngy : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kKezdoSzelesseg = 580;  // client area before the first build
  static constexpr int kKezdoMagassag = 400;
  static constexpr int kOldal = 520;  // client area after a build: 40 x 13

  TForm_Ngy(TAlkalmazasKornyezet& kornyezet, TForm_Tkp& terkep, QWidget* szulo = nullptr);
  ~TForm_Ngy() override;

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);
  // Once the grid is built the client area is 520 x 520 and stays so.
  void NagyitoMeretezes();

  // A click at a point of the magnifier image: the inspector opens on the
  // cell of the square under it.
  void Kattintas(QPoint pont);
  TForm_CellaVizsgalo& Vizsgalo() const { return *vizsgalo_; }
  // "Kép mentése PNG-be...": the 521 x 521 image.
  void KepMentes();

 protected:
  bool eventFilter(QObject* cel, QEvent* esemeny) override;

 private:
  TAlkalmazasKornyezet& kornyezet_;
  TForm_Tkp& terkep_;
  TKepVaszon* vaszon_ = nullptr;
  QLabel* tipp_ = nullptr;
  QAction* kepMentes_ = nullptr;
  std::unique_ptr<TForm_CellaVizsgalo> vizsgalo_;
};

}  // namespace zelvaris
