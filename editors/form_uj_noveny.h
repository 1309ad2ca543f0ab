#pragma once
// The new plant species dialog ("Új növény"): asks for the species' name.

#include "app/alkalmazas_kornyezet.h"
#include "editors/nev_dialogus.h"

namespace zelvaris {

class TForm_UjNoveny : public TNevDialogus {
  Q_OBJECT

 public:
  explicit TForm_UjNoveny(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr)
      : TNevDialogus(kornyezet, TNyelviSor::UjNoveny, "cl", "Form_UjNoveny", "Lbl_UjNoveny", szulo) {}
};

}  // namespace zelvaris
