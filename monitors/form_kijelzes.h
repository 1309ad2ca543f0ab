#pragma once
// The display-settings window ("Kijelző"): which species the map and the
// magnifier show, the drawing orders and the magnifier frame's visibility.

#include <QWidget>

namespace zelvaris {

class TNyelviTabla;

class TForm_Kijelzes : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Kijelzes(QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);
  // A new ecosystem: the species lists are emptied.
  void Urites() {}
  // After a load or a new ecosystem: the lists are filled from the ecosystem.
  void Frissites() {}
};

}  // namespace zelvaris
