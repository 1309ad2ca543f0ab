#pragma once
// The new plant species dialog ("Új növény"): asks for the species' name.

#include "editors/nev_dialogus.h"

namespace zelvaris {

class TForm_UjNoveny : public TNevDialogus {
  Q_OBJECT

 public:
  explicit TForm_UjNoveny(QWidget* szulo = nullptr)
      : TNevDialogus("cl", "Form_UjNoveny", "Lbl_UjNoveny", szulo) {}
};

}  // namespace zelvaris
