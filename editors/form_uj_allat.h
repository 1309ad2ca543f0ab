#pragma once
// The new animal species dialog ("Új állat"): asks for the species' name.

#include "app/alkalmazas_kornyezet.h"
#include "editors/nev_dialogus.h"

namespace zelvaris {

class TForm_UjAllat : public TNevDialogus {
  Q_OBJECT

 public:
  explicit TForm_UjAllat(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr)
      : TNevDialogus(kornyezet, TNyelviSor::UjAllat, "cj", "Form_UjAllat", "Lbl_UjAllat", szulo) {}
};

}  // namespace zelvaris
