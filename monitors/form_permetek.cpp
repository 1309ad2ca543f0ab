#include "monitors/form_permetek.h"

#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

TForm_Permetek::TForm_Permetek(QWidget* szulo) : QWidget(szulo) {
  setObjectName(QStringLiteral("Form_Permetek"));
  resize(360, 420);
}

void TForm_Permetek::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg("ciForm_Permetek")));
}

}  // namespace zelvaris
