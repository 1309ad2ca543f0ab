#pragma once
// The sprays window ("Permetek"): for each of the two sprays, which species
// it affects (DegHatas, PerHatas), and a button that sprays. It follows the
// species through the push hub as the display settings do. Changing these
// flags redraws nothing.

#include <QWidget>
#include <cstdint>

#include "monitors/kijelzes_fajlista.h"

class QAction;
class QGroupBox;
class QTabWidget;

namespace zelvaris {

class TNyelviTabla;

class TForm_Permetek : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSorMagassag = 13;  // one list row per species listed

  // The buttons run the main window's actions `deg` and `per` (may be null).
  TForm_Permetek(TAlkalmazasKornyezet& kornyezet, QAction* deg, QAction* per, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  void AllatHozzaad(int32_t id);
  void NovenyHozzaad(int32_t id);
  // A new ecosystem: the four lists emptied; the window keeps its height
  // until the next species are listed.
  void Torles();
  void Atnevezes(bool allat, int32_t id);
  void JelzoIgazitas(bool allat, TFajJelzo jelzo, int32_t id);
  void JelzoMindIgazitasa(bool allat, TFajJelzo jelzo);

  TFajJeloloLista& Lista(bool allat, TFajJelzo jelzo) const;

 signals:
  void JelzokValtoztak(bool allat, zelvaris::TFajJelzo jelzo);

 private:
  void Lap(TFajJelzo jelzo, const char* lapNev, const char* beallitasok, QAction* akcio);
  void Meretezes();

  TAlkalmazasKornyezet& kornyezet_;
  QTabWidget* lapok_;
  QGroupBox* beallitasok_[2] = {};
  TFajJeloloLista* listak_[2][2] = {};  // [deg, per][plants, animals]
  int alap_ = 0;   // the height with empty lists
  int sorok_ = 0;  // species listed, of either kind
};

}  // namespace zelvaris
