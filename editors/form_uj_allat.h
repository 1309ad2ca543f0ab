#pragma once
// The new animal species dialog ("Új állat"): asks for the species' name.

#include "editors/nev_dialogus.h"

namespace zelvaris {

class TForm_UjAllat : public TNevDialogus {
  Q_OBJECT

 public:
  explicit TForm_UjAllat(QWidget* szulo = nullptr)
      : TNevDialogus("cj", "Form_UjAllat", "Lbl_UjAllat", szulo) {}
};

}  // namespace zelvaris
