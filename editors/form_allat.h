#pragma once
// The animal species editor "Állat": the shared editor with the animal
// fields, the animal species files and the section "ANIMAL FORM".

#include "editors/faj_szerkeszto.h"

namespace zelvaris {

const TSzerkesztoLeiras& AllatSzerkesztoLeiras();

class TForm_Allat : public TFajSzerkeszto {
  Q_OBJECT

 public:
  explicit TForm_Allat(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr)
      : TFajSzerkeszto(kornyezet, AllatSzerkesztoLeiras(), szulo) {}
};

}  // namespace zelvaris
