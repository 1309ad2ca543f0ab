#pragma once
// The new-chart dialog ("Új grafikon"). It is created with the other fixed
// windows but nothing shows it: new charts open directly from their action.

#include <QDialog>

namespace zelvaris {

class TForm_UjGrafikon : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_UjGrafikon(QWidget* szulo = nullptr) : QDialog(szulo) {
    setObjectName(QStringLiteral("Form_UjGrafikon"));
    setWindowTitle(QStringLiteral("Új grafikon"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
  }
};

}  // namespace zelvaris
