#include "editors/form_allat_teljes.h"

namespace zelvaris {

TForm_Allat_Teljes::TForm_Allat_Teljes(QWidget* szulo) : QWidget(szulo) {
  setObjectName(QStringLiteral("Form_Allat_Teljes"));
  setWindowTitle(QStringLiteral("Összes állat"));
  resize(600, 400);
}

}  // namespace zelvaris
