#include "monitors/alkalmaz_tipp.h"

#include <QLabel>

namespace zelvaris {

QLabel* AlkalmazTipp(QWidget* szulo) {
  auto* tipp = new QLabel(szulo);
  tipp->setObjectName(QStringLiteral("Lbl_AlkalmazTipp"));
  tipp->setWordWrap(true);
  tipp->setAlignment(Qt::AlignCenter);
  return tipp;
}

}  // namespace zelvaris
