#pragma once
// The map window "Térkép": the whole world at one pixel per cell in a scroll
// area, the magnifier frame on it, the left button moving the frame and the
// right button placing seed points. It owns the world's drawing sink and
// installs it on every ecosystem the program switches to, and fits itself
// to the map when the grid is built or resized. Until there is a grid it
// says how to build one.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/alkalmazas_kornyezet.h"
#include "localisation/nyelvi_tabla.h"
#include "monitors/terkep_rajzolo.h"

class QLabel;
class QScrollArea;

namespace zelvaris {

class TForm_Goc;
class TTerkepVaszon;

class TForm_Tkp : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kKezdoSzelesseg = 489;  // client area before the first build
  static constexpr int kKezdoMagassag = 308;

  TForm_Tkp(TAlkalmazasKornyezet& kornyezet, TForm_Goc& goc, QWidget* szulo = nullptr);
  ~TForm_Tkp() override;

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // Called when the left button moves the frame, so the display settings can
  // tick "Nagyítókeret"; the frame is shown in any case.
  std::function<void()> NagyitoKeretMutatasa;

  // After the grid was built or resized: the client area fits the map, up to
  // the screen's size; beyond that the map scrolls.
  void TerkepMeretezes();

  TTerkepRajzolo& Rajzolo() { return rajzolo_; }
  TTerkepVaszon& Vaszon() { return *vaszon_; }

  // The frame's visibility ("Nagyítókeret"); hiding it does not stop the
  // magnifier from being drawn.
  bool KeretLathato() const { return keretLathato_; }
  void SetKeretLathato(bool lathato);

  // What the mouse does at a map point (column x, row y).
  void BalGombNyomas(QPoint pont);
  void JobbGombNyomas(QPoint pont, Qt::KeyboardModifiers modositok);
  // The seed-point request of the last right click.
  const TGocKeres& GocKeres() const { return gocKeres_; }

 private:
  void Telepites(TOkoszisztema* oko);
  void KeretFrissitese();
  // The map while there is one, else the line that says how to build it.
  void TippFrissitese();

  TAlkalmazasKornyezet& kornyezet_;
  QPointer<TAlkalmazasKornyezet> kornyezetFigyelo_;
  TForm_Goc& goc_;
  TTerkepRajzolo rajzolo_;
  QScrollArea* gorgeto_ = nullptr;
  QLabel* tipp_ = nullptr;
  TTerkepVaszon* vaszon_ = nullptr;
  bool keretLathato_ = true;
  TGocKeres gocKeres_;
};

}  // namespace zelvaris
