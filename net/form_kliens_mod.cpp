#include "net/form_kliens_mod.h"

namespace zelvaris {

TForm_ClientMode::TForm_ClientMode(QWidget* szulo) : QDialog(szulo) {
  setObjectName(QStringLiteral("Form_ClientMode"));
  setWindowTitle(QStringLiteral("Kliens-módra váltás"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace zelvaris
