#include "net/form_bejelentkezesek.h"

namespace zelvaris {

TForm_Jelentkezesek::TForm_Jelentkezesek(QWidget* szulo) : QWidget(szulo) {
  setObjectName(QStringLiteral("Form_Jelentkezesek"));
  setWindowTitle(QStringLiteral("Jelentkezések"));
  resize(300, 300);
}

}  // namespace zelvaris
