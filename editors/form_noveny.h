#pragma once
// The plant species editor "Növény": the shared editor with the plant
// fields, the plant species files and the section "PLANT FORM".

#include "editors/faj_szerkeszto.h"

namespace zelvaris {

const TSzerkesztoLeiras& NovenySzerkesztoLeiras();

class TForm_Noveny : public TFajSzerkeszto {
  Q_OBJECT

 public:
  explicit TForm_Noveny(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr)
      : TFajSzerkeszto(kornyezet, NovenySzerkesztoLeiras(), szulo) {}
};

}  // namespace zelvaris
