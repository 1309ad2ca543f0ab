#pragma once
// The sprays window ("Permetek"): the effect of the degradable and the
// persistent spray on each species.

#include <QWidget>

namespace zelvaris {

class TNyelviTabla;

class TForm_Permetek : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Permetek(QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);
  // A new ecosystem: the species lists are emptied.
  void Urites() {}
};

}  // namespace zelvaris
