#include "monitors/form_kijelzes.h"

#include "localisation/nyelvi_tabla.h"

namespace zelvaris {

TForm_Kijelzes::TForm_Kijelzes(QWidget* szulo) : QWidget(szulo) {
  setObjectName(QStringLiteral("Form_Kijelzes"));
  resize(320, 420);
}

void TForm_Kijelzes::SzovegekAlkalmazasa(const TNyelviTabla& tabla) {
  setWindowTitle(QString::fromStdString(tabla.Szoveg("cdForm_Kijelzes")));
}

}  // namespace zelvaris
